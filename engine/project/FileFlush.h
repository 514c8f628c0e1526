// FileFlush.h: puts what a file was given onto the disk itself.
#pragma once

#include <cstdio>

// Empties the library's buffer and has the system write the file through; false when either fails.
bool FlushToDisk(std::FILE* file);
