// Readable names of window messages for failure output.
#pragma once

#include <windows.h>

#include <string>

// "WM_LBUTTONDOWN" for the messages tests usually record, else the number in hex.
std::string MessageName(UINT message);
