// AtomicFile.h: replaces a file's contents in one step, never leaving it half written.
#pragma once

#include "DiskState.h"
#include "RunFiles.h"

#include <afx.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// The files that runs put right name, where known.
using RunNames = std::optional<std::vector<CString>>;

// Takes the next piece of the new contents; pieces may have any size.
using PieceWriter = std::function<void(const void* data, std::size_t size)>;
// Gives the whole new contents to write, a piece at a time; false, with why,
// when they cannot all be made.
using ContentsSource = std::function<bool(const PieceWriter& write, CString* why)>;

// Writes the new contents to "<path>.tmp" beside the file, then renames it over
// path: a big file is never held whole in memory, only a block of
// kPieceBlockSize bytes besides. A read-only path is refused, and so is a
// temporary path longer than Windows' file functions take. On failure path is
// untouched, the temporary file is removed and error names path and says why:
// "cannot write <path> while replacing it: the disk is full" (or "not enough
// memory"), "cannot replace <path>: <the system's words>" when the rename is
// refused; a source that fails gives its own why as the error.
// told, where given, gets what the run has to say besides its result, as
// ReplaceFilesTogether's does.
bool ReplaceFileInPieces(const char* path, const ContentsSource& produce, CString* error, CString* told = nullptr);

// One file of a group and where its new contents come from.
struct NewFileContents
{
    CString path;
    ContentsSource produce;
    // Made only where no file is: one found there, before the run, as it makes the file or written over it
    // while the run goes on, refuses the group and is left as it is, error saying "the file <path> already
    // exists!".
    bool onlyNew = false;
};

// Replaces all the files or none: every new contents is written beside its
// file first, and only then are they put in place, each old file set aside
// until the last is in. When one cannot be written or put in place, each file
// already replaced gets its old contents back, nothing is left beside the
// files, and error says what failed as ReplaceFileInPieces does; an old file
// that cannot go back waits aside, said in error, until the next recovery. The
// files lie in one folder: a run cut off there before is put right first
// (RunRepair.h). Before anything is written the run makes its record
// (RunRecord.h), held while it runs: another program's run in the same folder
// is waited for about two seconds, then refused. A group whose temporary or
// set-aside name is taken is refused, naming the file in the way, and so is one
// whose folder holds a run cut off that cannot be put right, naming the file
// another program holds or saying that the folder cannot be written or reached.
// A file another program makes or writes at a new file's name meanwhile is
// never removed or replaced: the group is refused, "another program wrote
// <path> as it was being written"; over an old file set aside, "...as it was
// being replaced".
// A run that follows a finished one whose old file another program still holds
// goes on in that one's record, and removes the old file once it is free; one
// that shares its deletion keeps the file under a fresh name, which blocks
// nothing (DiskSteps.h, RemoveRunFile).
// told, where given, gets what the user must hear whatever the result, empty
// when nothing: what putting right a run cut off in the folder did and left,
// as an opening says it (RecoveryText), and a file found at an old file's
// set-aside name once the files were in that is not the old file, which stays.
// toldNames, where given, gets the files named by the runs whose putting right told gives words of, as a
// recovery's names (RunRepair.h): unset where any file may be one of them.
// leftNew, where given, tells whether the run failed with a file of its own, or
// the temporary standing for one, keeping its new contents: only where not is
// "nothing was written" true. What an earlier run left never counts.
bool ReplaceFilesTogether(const std::vector<NewFileContents>& files, CString* error, CString* told = nullptr,
                          bool* leftNew = nullptr, RunNames* toldNames = nullptr);

// A source that gives size bytes at data, which must outlive it.
ContentsSource ContentsOf(const char* data, std::size_t size);

// The most bytes ReplaceFileInPieces gathers before writing them, and writes in one block. Its blocks grow from
// one byte, each as long as all before it up to this size, so that a kill within one leaves past the last proof
// no more bytes than the proof covers: a file at a temporary's name is the run's only where at least half of it
// is proven the run's.
const std::size_t kPieceBlockSize = static_cast<std::size_t>(kLongestBlock);

// ReplaceFileInPieces for contents already in memory.
bool ReplaceFileContents(const char* path, const char* data, std::size_t size, CString* error, CString* told = nullptr);
