// A temporary folder of its own for a test, removed again at its end.
#include "TestFolder.h"

#include <chrono>

CTestFolder::CTestFolder(const std::string& name)
{
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = std::filesystem::temp_directory_path() / ("kestova-" + name + "-" + std::to_string(stamp));
    std::filesystem::create_directories(m_path);
}

CTestFolder::~CTestFolder()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::string CTestFolder::Path(const std::string& relative) const
{
    return relative.empty() ? m_path.string() : (m_path / relative).string();
}
