// File services of the syntax configuration: reading whole files, file
// identity for change watching, full paths and replacing a file in one step.
// Defines: KT_EDIT_FILEIDENTITY and the KTLex file functions.
#pragma once

#include <cstdint>
#include <string>

struct KT_EDIT_FILEIDENTITY
{
    uint64_t nSize = 0;
    int64_t nWriteTime = 0;  // in units of 100 ns
};

// The path in the form the platform opens (backslashes work everywhere).
std::string KTLexNativePath(const std::string& path);
bool KTLexFileExists(const std::string& path);
// FALSE when the file is missing, a folder, or cannot be read.
bool KTLexReadFile(const std::string& path, std::string& text);
bool KTLexGetFileIdentity(const std::string& path, KT_EDIT_FILEIDENTITY& identity);
std::string KTLexFullPath(const std::string& path);
// The folder of a path, with its trailing separator.
std::string KTLexFolderOf(const std::string& path);
// Clears a read-only attribute; TRUE when the file is writable afterwards or absent.
void KTLexMakeWritable(const std::string& path);
bool KTLexDeleteFile(const std::string& path);
// Moves source over target in one step: target is either the old or the new file.
bool KTLexReplaceFile(const std::string& source, const std::string& target);
