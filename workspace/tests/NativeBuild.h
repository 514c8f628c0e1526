// NativeBuild.h: a generated Unix project built with its own Makefile by the native tools beside Wine.
#pragma once

#include <string>

// Runs make in the folder, then the demo pair <name>_demo when it was built; false when the script
// did not finish within two minutes. The folder then holds make.status, make.log, server.txt and client.txt.
bool BuildAndRunNatively(const std::string& strFolder, const std::string& name);
