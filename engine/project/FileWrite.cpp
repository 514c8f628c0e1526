// FileWrite.cpp: the one call through which the atomic writer hands bytes to the disk.
#include "FileWrite.h"

std::size_t WriteToFile(std::FILE* file, const void* data, std::size_t size)
{
    return std::fwrite(data, 1, size, file);
}
