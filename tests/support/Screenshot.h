// Saves what a window shows as a PNG beside the test programs, for a person to look at.
#pragma once

#include <windows.h>

#include <string>

// Writes screenshots/<name>.png under the working folder; returns its path, empty on failure.
std::string SaveScreenshot(HWND hWnd, const std::string& strName);
