// ProjectEditorFiles.h: the files a project's editors show, and whether an editor's path is one of them.
#pragma once
#include "afx.h"
#include "model/ProtocolRecords.h"

#include <array>

// In the order they are opened; each new tab goes to the front, so the header ends up first and active.
std::array<CString, 4> EditorFileNames(const ProjectRecord& project);

// Projects may share a folder (the example designs do), so an editor's path is the project's only when
// it names one of the files the project generates there.
BOOL IsEditorFileOf(const ProjectRecord& project, const CString& strPath);
