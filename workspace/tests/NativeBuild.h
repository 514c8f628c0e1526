// NativeBuild.h: native programs beside Wine, started from the Windows side: a generated Unix project built with
// its own Makefile, and plain shell commands.
#pragma once

#include <string>

// Runs make in the folder, then the demo pair <name>_demo when it was built; false when the script
// did not finish within two minutes. The folder then holds make.status, make.log, server.txt and client.txt.
bool BuildAndRunNatively(const std::string& strFolder, const std::string& name);

// Runs the shell command natively in the folder and waits for its end; false when it failed or did not end
// within two minutes.
bool RunNativelyIn(const std::string& strFolder, const std::string& command);
