// File services of the syntax configuration.
#include "KTLexFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

std::string KTLexNativePath(const std::string& path)
{
#ifdef _WIN32
    return path;
#else
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
#endif
}

bool KTLexFileExists(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(KTLexNativePath(path), error);
}

bool KTLexReadFile(const std::string& path, std::string& text)
{
    if (!KTLexFileExists(path))
        return false;
    std::ifstream in(KTLexNativePath(path), std::ios::binary);
    if (!in)
        return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    text = buffer.str();
    text.resize(std::char_traits<char>::length(text.c_str()));  // up to the first zero byte
    return true;
}

bool KTLexGetFileIdentity(const std::string& path, KT_EDIT_FILEIDENTITY& identity)
{
    std::error_code error;
    fs::path native(KTLexNativePath(path));
    if (!fs::is_regular_file(native, error))
        return false;
    std::ifstream probe(native, std::ios::binary);  // a file that cannot be opened counts as missing
    if (!probe)
        return false;
    uintmax_t size = fs::file_size(native, error);
    if (error)
        return false;
    auto time = fs::last_write_time(native, error);
    if (error)
        return false;
    identity.nSize = size;
    identity.nWriteTime =
        std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 10000000>>>(time.time_since_epoch())
            .count();
    return true;
}

std::string KTLexFullPath(const std::string& path)
{
#ifdef _WIN32
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        DWORD length = GetFullPathNameA(path.c_str(), DWORD(buffer.size()), buffer.data(), nullptr);
        if (length == 0)
            return path;
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length + 1);  // too small: the answer is the size needed
    }
#else
    std::error_code error;
    fs::path full = fs::absolute(KTLexNativePath(path), error);
    return error ? path : full.lexically_normal().string();
#endif
}

std::string KTLexFolderOf(const std::string& path)
{
    size_t at = path.find_last_of("\\/");
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

void KTLexMakeWritable(const std::string& path)
{
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    std::error_code error;
    fs::permissions(KTLexNativePath(path), fs::perms::owner_write, fs::perm_options::add, error);
#endif
}

bool KTLexDeleteFile(const std::string& path)
{
    std::error_code error;
    return fs::remove(KTLexNativePath(path), error);
}

bool KTLexReplaceFile(const std::string& source, const std::string& target)
{
#ifdef _WIN32
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(KTLexNativePath(source).c_str(), KTLexNativePath(target).c_str()) == 0;
#endif
}
