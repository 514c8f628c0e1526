// FileFlush.cpp: puts what a file was given onto the disk itself.
#include "FileFlush.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}
