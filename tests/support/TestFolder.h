// A temporary folder of its own for a test, removed again at its end.
#pragma once

#include <filesystem>
#include <string>

class CTestFolder
{
public:
    explicit CTestFolder(const std::string& name);
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    std::string Path(const std::string& relative = std::string()) const;
    // Writes the bytes as they are (no line-end translation); false when the file could not be written.
    bool Write(const std::string& relative, const std::string& bytes) const;
    // The file's bytes; empty when it cannot be read.
    std::string Read(const std::string& relative) const;
    // Leaves the folder in place for a person to look at.
    void Keep() { m_bKeep = true; }

private:
    std::filesystem::path m_path;
    bool m_bKeep = false;
};
