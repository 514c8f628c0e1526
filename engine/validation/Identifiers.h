// Identifiers.h: which names the generated C code can use for projects, packets and fields.
#pragma once

// What a name is given to; each kind has words of its own that the generated
// code already uses.
enum NameKind
{
    NAME_PROJECT,
    NAME_PACKET,
    NAME_HEADER_FIELD,
    NAME_PACKET_FIELD
};

// A letter, then letters or digits, as the editors' masks allow. Without
// underscores, names joined by the generator with '_' can never meet.
bool IsDesignName(const char* name);

// C and C++ keywords, macros of the headers the generated code includes, and
// the identifiers the generator makes from a name of that kind.
bool IsReservedName(const char* name, NameKind kind);
