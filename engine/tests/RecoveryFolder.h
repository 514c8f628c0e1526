// RecoveryFolder.h: a folder where a test plants files, replaces them together and opens it again, as the
// designer does, for the tests of the writer's recovery.
//
// Classes: CRecoveryFolder.
#pragma once

#include "TestFolder.h"

#include <afx.h>

#include <string>
#include <vector>

class CRecoveryFolder
{
public:
    explicit CRecoveryFolder(const std::string& name) : m_folder(name) {}

    std::string Path(const std::string& name = std::string()) const { return m_folder.Path(name); }
    std::string Read(const std::string& name) const { return m_folder.Read(name); }
    // Each "name=contents" written as it is; false when one could not be.
    bool Plant(const std::vector<std::string>& files) const;
    // Each named file replaced by "<age> <name>", together.
    bool Replace(const std::vector<std::string>& names, const std::string& age, CString* error) const;
    // What the opening tells the user of the run it put right.
    std::string Opening() const;
    // The folder's record.
    std::string At() const;
    // The names in the folder, each "name=contents", sorted.
    std::vector<std::string> Entries() const;

private:
    CTestFolder m_folder;
};
