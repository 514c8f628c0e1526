// FileCopy.cpp: a file copied over another through the atomic writer, with a reason for each refusal.
#include "FileCopy.h"

#include "project/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace codegen
{

namespace
{

namespace fs = std::filesystem;

// The designer's paths are ANSI text; the library would read narrow text as UTF-8 and miss a folder
// such as "café".
fs::path PathOf(const std::string& ansi)
{
#ifdef _WIN32
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return fs::path(wide);
#else
    return fs::path(ansi);
#endif
}

// The folder part of an ANSI path, as the user typed it; "." when there is none.
std::string FolderOf(const std::string& path)
{
    const std::size_t end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string(".") : path.substr(0, end);
}

bool ReadWhole(const std::string& path, std::string& bytes)
{
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The user may have protected the file on purpose (a checked-in copy): it is not ours to replace.
bool IsReadOnly(const std::string& path)
{
    std::error_code failure;
    const fs::file_status status = fs::status(PathOf(path), failure);
    return !failure && fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool FolderExists(const std::string& folder)
{
    std::error_code failure;
    return fs::is_directory(PathOf(folder), failure);
}

// Why the copy cannot start; empty when it can.
std::string Refusal(const std::string& to)
{
    const std::string folder = FolderOf(to);
    if (!FolderExists(folder))
        return "the folder " + folder + " does not exist";
    if (IsReadOnly(to))
        return to + " is read-only";
    return std::string();
}

}  // namespace

bool CopyFileOver(const std::string& from, const std::string& to, std::string& error, std::string* told)
{
    const std::string failure = "Error: cannot copy " + from + " to " + to + ": ";
    std::string bytes;
    if (!ReadWhole(from, bytes))
    {
        error = failure + from + " cannot be read";
        return false;
    }
    const std::string refusal = Refusal(to);
    if (!refusal.empty())
    {
        error = failure + refusal;
        return false;
    }
    CString written, said;
    const bool copied = ReplaceFileContents(to.c_str(), bytes.data(), bytes.size(), &written, &said);
    if (told && !said.IsEmpty())
        told->assign(said, static_cast<std::size_t>(said.GetLength()));
    if (copied)
        return true;
    error = failure;
    error.append(written, static_cast<std::size_t>(written.GetLength()));
    return false;
}

}  // namespace codegen
