// A temporary folder of its own for a test, removed again at its end.
#include "TestFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

namespace
{

std::atomic<unsigned> s_nFolders{0};

}  // namespace

// A folder that did not exist before: folders made in the same clock tick, or by another test
// program at the same time, must not share files.
CTestFolder::CTestFolder(const std::string& name)
{
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string base = "kestova-" + name + "-" + std::to_string(stamp) + "-";
    do
        m_path = std::filesystem::temp_directory_path() / (base + std::to_string(s_nFolders++));
    while (!std::filesystem::create_directories(m_path));
}

CTestFolder::~CTestFolder()
{
    if (m_bKeep)
        return;
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::string CTestFolder::Path(const std::string& relative) const
{
    return relative.empty() ? m_path.string() : (m_path / relative).string();
}

bool CTestFolder::Write(const std::string& relative, const std::string& bytes) const
{
    std::ofstream file(Path(relative), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.good();
}

std::string CTestFolder::Read(const std::string& relative) const
{
    std::ifstream file(Path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
