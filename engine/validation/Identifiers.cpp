// Identifiers.cpp: the C identifier rule and the names the generated code cannot take.
#include "Identifiers.h"

#include <cstddef>
#include <cstring>
#include <initializer_list>

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
    "environ",
    "WEOF",
    "UNALIGNED",
};

// Keywords newer than the list above: C23's and GNU C's typeof and C++20's,
// as programs in either language include the generated header.
const char* const kNewerKeywords[] = {"typeof", "concept", "requires", "consteval", "constinit"};

// The error numbers of <errno.h>, which some C libraries' <stdlib.h> pulls in.
const char* const kErrnoNames[] = {
    "E2BIG",           "EACCES",          "EADDRINUSE",   "EADDRNOTAVAIL", "EAFNOSUPPORT",
    "EAGAIN",          "EALREADY",        "EBADF",        "EBADMSG",       "EBUSY",
    "ECANCELED",       "ECHILD",          "ECONNABORTED", "ECONNREFUSED",  "ECONNRESET",
    "EDEADLK",         "EDEADLOCK",       "EDESTADDRREQ", "EDOM",          "EDQUOT",
    "EEXIST",          "EFAULT",          "EFBIG",        "EHOSTUNREACH",  "EIDRM",
    "EILSEQ",          "EINPROGRESS",     "EINTR",        "EINVAL",        "EIO",
    "EISCONN",         "EISDIR",          "ELOOP",        "EMFILE",        "EMLINK",
    "EMSGSIZE",        "EMULTIHOP",       "ENAMETOOLONG", "ENETDOWN",      "ENETRESET",
    "ENETUNREACH",     "ENFILE",          "ENOBUFS",      "ENODATA",       "ENODEV",
    "ENOENT",          "ENOEXEC",         "ENOFILE",      "ENOLCK",        "ENOLINK",
    "ENOMEM",          "ENOMSG",          "ENOPROTOOPT",  "ENOSPC",        "ENOSR",
    "ENOSTR",          "ENOSYS",          "ENOTCONN",     "ENOTDIR",       "ENOTEMPTY",
    "ENOTRECOVERABLE", "ENOTSOCK",        "ENOTSUP",      "ENOTTY",        "ENXIO",
    "EOPNOTSUPP",      "EOVERFLOW",       "EOWNERDEAD",   "EPERM",         "EPIPE",
    "EPROTO",          "EPROTONOSUPPORT", "EPROTOTYPE",   "ERANGE",        "EROFS",
    "ESPIPE",          "ESRCH",           "ESTALE",       "ETIME",         "ETIMEDOUT",
    "ETXTBSY",         "EWOULDBLOCK",     "EXDEV",        "STRUNCATE",
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

bool StartsWith(const char* name, const char* prefix) { return std::strncmp(name, prefix, std::strlen(prefix)) == 0; }

// The printf and scanf conversions of <inttypes.h>: PRId8, SCNxPTR and the like.
bool IsFormatMacro(const char* name)
{
    if ((!StartsWith(name, "PRI") && !StartsWith(name, "SCN")) || name[3] == '\0' ||
        std::strchr("diouxX", name[3]) == nullptr)
        return false;
    const char* const widths[] = {"8",       "16",    "32",     "64",     "LEAST8", "LEAST16", "LEAST32",
                                  "LEAST64", "FAST8", "FAST16", "FAST32", "FAST64", "MAX",     "PTR"};
    return IsIn(widths, name + 4);
}

// The placeholder names of unnamed structures and unions in one compiler's
// headers: DUMMYSTRUCTNAME, DUMMYUNIONNAME2 and the like.
bool IsPlaceholderMacro(const char* name)
{
    for (const char* prefix : {"DUMMYSTRUCTNAME", "DUMMYUNIONNAME"})
    {
        if (!StartsWith(name, prefix))
            continue;
        const char* rest = name + std::strlen(prefix);
        return rest[0] == '\0' || (IsDigit(rest[0]) && rest[1] == '\0');
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
    if (IsIn(kReserved, name) || IsIn(kNewerKeywords, name) || IsIn(kErrnoNames, name) || IsFormatMacro(name) ||
        IsPlaceholderMacro(name))
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
