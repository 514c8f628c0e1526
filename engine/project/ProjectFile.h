// ProjectFile.h: reading and writing a project's ".kvs" file, and the list of loaded projects.
#pragma once

#include "AtomicFile.h"

#include "model/ProtocolRecords.h"

#include <afx.h>

#include <cstddef>

// The extension of project files, dot included.
extern const char* const kProjectFileExtension;

// The one message every refused project file gives the user.
extern const char* const kInvalidProjectFileMessage;

// The folder of a file path, with its trailing separator (a backslash on
// Windows); the current folder when the path names none.
CString ProjectFolderOf(const char* path);

// "<folder><name>.kvs": the file New Project makes for a new project, made as every path from the
// project's name is (ProjectPathOf). A loaded project is saved to the file it was read from.
bool ProjectFilePath(const ProjectRecord& project, CString* path, CString* error);

// A new, empty project from the New Project dialog's results. Its folder is
// "<location><name>" with a trailing separator (one is put between location
// and name when missing); its TLV types start as "unsigned int". False, with
// the reason, for a name that is empty, does not fit, cannot be one file name
// or makes a path over the limit in that folder.
bool NewProjectRecord(const char* name, const char* location, int basedProtocol, int targetPlatform, int libraryType,
                      ProjectRecord* project, CString* error);

// True when a project of that name is in the list, compared without regard to case.
bool ContainsProjectNamed(const ProjectRecordArray& projects, const char* name);

// Parses project XML into project, whose folder becomes folder. A project
// name that cannot be one file name is refused; the paths it makes are not
// measured against the folder, which no file stands in. On failure project is
// left empty and detail says why.
bool ParseProjectText(const char* text, std::size_t length, const char* folder, ProjectRecord* project,
                      CString* detail);

// Reads the project file at path; its folder becomes the project's folder. A
// project name that cannot be one file name in that folder, or whose longest
// derived path would pass the path limit there, is refused. On failure project is left empty, message is kInvalidProjectFileMessage (or
// "not enough memory to open PATH!" when memory ran out) and the reason (the
// file, what was wrong, and where for the text) is logged and put in reason
// when one is given.
bool ReadProjectFile(const char* path, ProjectRecord* project, CString* message, CString* reason = nullptr);

// ReadProjectFile, and refusal of a project whose name is already loaded with
// "the NAME protocol already exist in the current projects!" (project left empty).
bool LoadProjectFile(const char* path, const ProjectRecordArray& loaded, ProjectRecord* project, CString* message);

// False for a text holding a control character the file cannot keep; tabs and line ends it keeps.
bool ProjectFileCanHold(const char* text);

// The file's XML. False, with the reason, for a record the reader would refuse.
bool FormatProjectText(const ProjectRecord& project, CString* text, CString* error);

// The same XML handed to write a piece at a time, so that a big design is never
// held whole as text. False, with the reason, for a record the reader would
// refuse: what was handed so far is then no whole document.
bool FormatProjectInPieces(const ProjectRecord& project, const PieceWriter& write, CString* error);

// Writes the project to path without ever losing the previous file. told, where
// given, gets what the write has to say besides, and toldNames the files it names (ReplaceFilesTogether).
bool WriteProjectFile(const ProjectRecord& project, const char* path, CString* error, CString* told = nullptr,
                      RunNames* toldNames = nullptr);
// The same for a file not there yet: one found at path, even as it is made, is refused and left as it is
// (NewFileContents::onlyNew).
bool WriteNewProjectFile(const ProjectRecord& project, const char* path, CString* error, CString* told = nullptr);
