// FileCopy.cpp: a file copied over another through the atomic writer, with a reason for each refusal.
#include "FileCopy.h"

#include "project/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace codegen
{

namespace
{

namespace fs = std::filesystem;

bool ReadWhole(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The user may have protected the file on purpose (a checked-in copy): it is not ours to replace.
bool IsReadOnly(const fs::path& path)
{
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    return !failure && fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool FolderExists(const fs::path& path)
{
    std::error_code failure;
    return fs::is_directory(path.has_parent_path() ? path.parent_path() : fs::path("."), failure);
}

// Why the copy cannot start; empty when it can.
std::string Refusal(const std::string& to)
{
    const fs::path target(to);
    if (!FolderExists(target))
        return "the folder " + target.parent_path().string() + " does not exist";
    if (IsReadOnly(target))
        return to + " is read-only";
    return std::string();
}

}  // namespace

bool CopyFileOver(const std::string& from, const std::string& to, std::string& error)
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
    CString written;
    if (ReplaceFileContents(to.c_str(), bytes.data(), bytes.size(), &written))
        return true;
    error = failure;
    error.append(written, static_cast<std::size_t>(written.GetLength()));
    return false;
}

}  // namespace codegen
