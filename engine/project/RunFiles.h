// RunFiles.h: the names of the files a run that replaces a group of files makes beside them.
#pragma once

#include <afx.h>

#include <cstddef>

// "<path>.tmp": the file beside path that replacing it writes first.
CString TemporaryPathOf(const char* path);
// "<path>.tmo": where a file of a group waits while the rest of the group goes in. A name of the
// writer's own, never one a user picks for a copy of their own, and as long as TemporaryPathOf, so that
// a path that fits one fits both.
CString SetAsidePathOf(const char* path);

// A name a file of a run takes as it is removed on Windows, "<name>.<eight hex digits>" (DiskSteps.h), where
// <name> is one of a run's own forms: a temporary's, a set-aside's or the record's, and the digits are the
// removal's own for <name> (RemovedNameDigits). Only such a name is claimed for a run's leftover, which a power
// loss may leave before the system deleted it: a user's file named alike, its digits chosen otherwise, is not.
bool IsRemovedRunFileName(const char* name);
// How many fresh names a removal tries for one name, each taken while another program holds a file under it:
// more than any viewer holds generations of one file.
const int kRemovedNameTries = 4096;
// The digits of the fresh name the removal of the file named by the length bytes at name takes at its try-th
// attempt: made from the name alone, so that the name proves itself a run's without asking any record.
unsigned long RemovedNameDigits(const char* name, std::size_t length, int attempt);

// Where a run writing path keeps its record: one name per folder, so that two programs never run there at once.
// A run's files all lie in that folder, and the record names them by their names alone.
CString RecordPathOf(const char* path);
// The same for the folder itself, given with or without its last separator.
CString RecordPathIn(const char* folder);
// The folder part of path, with its last separator.
CString FolderOf(const char* path);
// Where the name of a file begins in path.
const char* NameOf(const char* path);
// Two names of one file, as the system compares them.
bool SamePath(const CString& one, const CString& other);
