// RuntimeFiles.h: puts the runtime library and the make rules beside a project's generated sources.
#pragma once

#include "model/ProtocolRecords.h"

#include <afx.h>

#include <string>
#include <vector>

namespace codegen
{

// Copies lib/dravolint.h and lib/dravolint.c of the program folder into the
// project folder, replacing older copies. Returns false with an output-pane
// line in error when a file cannot be copied; told gets, added to it, what each
// file's run said of putting right a run cut off in the folder and of what it left, in order, "; " between.
bool CopyRuntimeLibrary(const std::string& programFolder, const std::string& projectFolder, std::string& error,
                        std::string* told = nullptr);
// The runtime library and make/Make.rules, which the generated Makefile includes.
bool CopyRuntimeFiles(const std::string& programFolder, const std::string& projectFolder, std::string& error,
                      std::string* told = nullptr);

// Every file the designer writes into the folder of a project of that name beside its project file:
// the generated sources, the diagram, the Makefile and the runtime files.
std::vector<std::string> ProjectFileNames(const std::string& project);

}  // namespace codegen
