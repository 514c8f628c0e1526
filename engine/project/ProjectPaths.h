// ProjectPaths.h: the paths the designer derives from a project's name, each kept one file inside the project's
// folder and within the length Windows' file functions take.
#pragma once

#include "model/ProtocolRecords.h"

#include <afx.h>

// The longest path the ANSI file functions take, without its terminating zero.
const int kMaxPathLength = 259;

// Why the text cannot name one file in a folder: empty, a path separator or
// another character Windows refuses in a name, a trailing dot or space (which
// covers "." and ".."), or a device name such as "con" or "lpt1.txt". Empty
// when it can.
CString FileNameRefusal(const char* name);

// Why the folder cannot hold the files of any project: even with a name of one
// character its longest derived path would pass kMaxPathLength. Empty when it can.
CString FolderLengthRefusal(const char* folder);

// Why the project's name cannot stand in the folder: FileNameRefusal, or a
// longest derived path, "<folder><name>_api_demo.c.tmp", over kMaxPathLength.
// Empty when it can.
CString ProjectNameRefusal(const char* folder, const char* name);

// "<project folder><fileName>" for a file made from the project's name. False,
// with the reason, when fileName would not be one file inside the folder or
// the path of its temporary copy would pass kMaxPathLength.
bool ProjectPathOf(const ProjectRecord& project, const char* fileName, CString* path, CString* error);
