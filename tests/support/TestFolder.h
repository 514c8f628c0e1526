// A temporary folder of its own for a test, removed again at its end.
#pragma once

#include <filesystem>
#include <string>

class CTestFolder
{
public:
    explicit CTestFolder(const std::string& name);
    ~CTestFolder();
    std::string Path(const std::string& relative = std::string()) const;

private:
    std::filesystem::path m_path;
};
