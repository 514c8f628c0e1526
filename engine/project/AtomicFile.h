// AtomicFile.h: replaces a file's contents in one step, never leaving it half written.
#pragma once

#include <afx.h>

#include <cstddef>

// Writes data to "<path>.tmp" beside the file, flushes it to the disk and then
// renames it over path. A read-only path is refused. On failure path is
// untouched, the temporary file is removed and error says what went wrong.
bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error);
