// DiskSteps.h: the calls through which the atomic writer moves and removes files and writes its record.
#pragma once

#include <cstdio>

// Each has a file of its own, so that a test program can link steps of its own in their place and stop
// or fail the writer at any of them.

// Moves from over to, replacing it; false with the system's error set.
bool MoveFileOver(const char* from, const char* to);
// Removes the file; false with the system's error set.
bool RemoveFile(const char* path);
// Adds the text to the end of the open record and flushes it to the disk; false when it did not all go.
bool AppendToRecord(std::FILE* record, const char* text);
// Waits kRunPauseMs while another program's run holds the folder's record.
void PauseForAnotherRun();

const unsigned kRunPauseMs = 50;
