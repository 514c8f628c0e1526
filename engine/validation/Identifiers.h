// Identifiers.h: which names the generated C code can use for projects, packets and fields.
#pragma once

// A letter, then letters, digits or underscores.
bool IsCIdentifier(const char* name);

// C and C++ keywords, macros of the headers the generated code includes, and
// the runtime library's "dravolint_" prefix.
bool IsReservedName(const char* name);
