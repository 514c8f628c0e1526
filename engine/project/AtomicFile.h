// AtomicFile.h: replaces a file's contents in one step, never leaving it half written.
#pragma once

#include <afx.h>

#include <cstddef>
#include <functional>

// "<path>.tmp": the one file beside path that replacing it writes.
CString TemporaryPathOf(const char* path);

// Writes the whole new contents to the temporary path and flushes them to the
// disk; sets created once the file exists, and says why when it fails.
using TemporaryWriter = std::function<bool(const char* temporary, bool* created, CString* error)>;

// Has write fill "<path>.tmp" beside the file, then renames it over path. A
// read-only path is refused, and so is a temporary path longer than Windows'
// file functions take. On failure path is untouched, the temporary file is
// removed and error says what went wrong.
bool ReplaceFileWith(const char* path, const TemporaryWriter& write, CString* error);

// Takes the next piece of the new contents; pieces may have any size.
using PieceWriter = std::function<void(const void* data, std::size_t size)>;
// Gives the whole new contents to write, a piece at a time; false, with why,
// when they cannot all be made.
using ContentsSource = std::function<bool(const PieceWriter& write, CString* why)>;

// ReplaceFileWith for contents made a piece at a time: a big file is never
// held whole in memory, only a block of kPieceBlockSize bytes besides. Memory
// running out while the contents are made fails with "not enough memory", a
// full disk with "the disk is full"; a source that fails gives its own why as the
// error, and path stays as it was.
bool ReplaceFileInPieces(const char* path, const ContentsSource& produce, CString* error);

// The most bytes ReplaceFileInPieces gathers before writing them.
const std::size_t kPieceBlockSize = std::size_t(1) << 20;

// ReplaceFileWith for contents already in memory.
bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error);
