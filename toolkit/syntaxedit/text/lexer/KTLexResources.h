// Texts held as resources of the program (Windows only; elsewhere there are none).
// Defines: KTLexLoadResourceText.
#pragma once

#include <string>

// The bytes of the HTML resource id up to the first zero byte; FALSE, with
// text unchanged, when the resource is missing or empty.
bool KTLexLoadResourceText(int id, std::string& text);
