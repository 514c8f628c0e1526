// FileWrite.h: the one call through which the atomic writer hands bytes to the disk.
#pragma once

#include <cstddef>
#include <cstdio>

// Writes the bytes to the open file; returns how many were written, fewer when
// the write failed. It has a file of its own, so that a test program can link
// a disk of its own in its place.
std::size_t WriteToFile(std::FILE* file, const void* data, std::size_t size);
