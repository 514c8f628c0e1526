// Identifiers.cpp: the C identifier rule and the names the generated code cannot take.
#include "Identifiers.h"

#include <cstddef>
#include <cstring>

namespace
{

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Keywords of C (to C11) and C++, and object-like macros of the C library,
// the socket headers and the Windows headers that would rewrite a member name.
const char* const kReserved[] = {
    "auto",
    "break",
    "case",
    "char",
    "const",
    "continue",
    "default",
    "do",
    "double",
    "else",
    "enum",
    "extern",
    "float",
    "for",
    "goto",
    "if",
    "inline",
    "int",
    "long",
    "register",
    "restrict",
    "return",
    "short",
    "signed",
    "sizeof",
    "static",
    "struct",
    "switch",
    "typedef",
    "union",
    "unsigned",
    "void",
    "volatile",
    "while",
    "alignas",
    "alignof",
    "and",
    "and_eq",
    "asm",
    "bitand",
    "bitor",
    "bool",
    "catch",
    "class",
    "compl",
    "constexpr",
    "const_cast",
    "decltype",
    "delete",
    "dynamic_cast",
    "explicit",
    "export",
    "false",
    "friend",
    "mutable",
    "namespace",
    "new",
    "noexcept",
    "not",
    "not_eq",
    "nullptr",
    "operator",
    "or",
    "or_eq",
    "private",
    "protected",
    "public",
    "reinterpret_cast",
    "static_assert",
    "static_cast",
    "template",
    "this",
    "thread_local",
    "throw",
    "true",
    "try",
    "typeid",
    "typename",
    "using",
    "virtual",
    "wchar_t",
    "xor",
    "xor_eq",
    "NULL",
    "EOF",
    "BUFSIZ",
    "FILENAME_MAX",
    "errno",
    "stdin",
    "stdout",
    "stderr",
    "assert",
    "offsetof",
    "unix",
    "linux",
    "i386",
    "s_addr",
    "h_addr",
    "FD_SETSIZE",
    "min",
    "max",
    "near",
    "far",
    "small",
    "hyper",
    "interface",
    "pascal",
    "cdecl",
    "IN",
    "OUT",
    "OPTIONAL",
    "CONST",
    "VOID",
    "TRUE",
    "FALSE",
    "INFINITE",
    "ERROR",
};

// "<project>_..." would enter the runtime library's "dravolint_" names.
const char* const kProjectWords[] = {"dravolint"};

// "<project>_<packet>_t" beside "<project>_header_t" and "<project>_packet_t",
// "<project>_put_<packet>" beside the helpers "<project>_put_fixed" and the like.
const char* const kPacketWords[] = {"header", "packet", "fixed", "sized", "text"};

// Every packet's structure begins with its header under this name.
const char* const kPacketFieldWords[] = {"header"};

template <std::size_t N>
bool IsIn(const char* const (&words)[N], const char* name)
{
    for (const char* word : words)
    {
        if (std::strcmp(word, name) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool IsDesignName(const char* name)
{
    if (name == nullptr || !IsLetter(name[0]))
        return false;
    for (const char* p = name + 1; *p != '\0'; ++p)
    {
        if (!IsLetter(*p) && !IsDigit(*p))
            return false;
    }
    return true;
}

bool IsReservedName(const char* name, NameKind kind)
{
    if (IsIn(kReserved, name))
        return true;
    switch (kind)
    {
    case NAME_PROJECT:
        return IsIn(kProjectWords, name);
    case NAME_PACKET:
        return IsIn(kPacketWords, name);
    case NAME_PACKET_FIELD:
        return IsIn(kPacketFieldWords, name);
    case NAME_HEADER_FIELD:
        break;
    }
    return false;
}
