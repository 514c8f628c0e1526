// DiskState.h: what the disk holds at a path, as the atomic writer and its recovery ask it.
#pragma once

#include <afx.h>

// Anything, a file or a folder, stands at path.
bool Exists(const char* path);
// A file, not a folder, stands at path: a folder of a temporary's name is not one of ours.
bool IsFile(const char* path);
// A file of no bytes stands at path.
bool IsEmptyFile(const char* path);
// Moves from over to; false with why when it did not happen. A move the system calls failed may have been
// done all the same (Wine says "not enough memory" of a drive that went away meanwhile): it counts as done
// only onto a name that was free, where the file there can only be the one moved; over a file, never.
// The move's error stays set.
bool MovedOver(const char* from, const char* to, CString* why);
// Another program holds the file open so that it cannot be moved or removed. Only Windows tells.
bool IsHeldOpen(const char* path);
