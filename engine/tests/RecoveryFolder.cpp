// RecoveryFolder.cpp: a folder for the tests of the writer's recovery.
#include "RecoveryFolder.h"

#include "project/AtomicFile.h"
#include "project/RunRepair.h"

#include <algorithm>
#include <filesystem>

bool CRecoveryFolder::Plant(const std::vector<std::string>& files) const
{
    for (const std::string& file : files)
        if (!m_folder.Write(file.substr(0, file.find('=')), file.substr(file.find('=') + 1)))
            return false;
    return true;
}

bool CRecoveryFolder::Replace(const std::vector<std::string>& names, const std::string& age, CString* error) const
{
    std::vector<std::string> texts;
    for (const std::string& name : names)
        texts.push_back(age + " " + name);
    std::vector<NewFileContents> files;
    for (std::size_t i = 0; i < names.size(); i++)
        files.push_back({m_folder.Path(names[i]).c_str(), ContentsOf(texts[i].data(), texts[i].size())});
    return ReplaceFilesTogether(files, error);
}

std::string CRecoveryFolder::Opening() const
{
    return std::string(RecoveryText(At().c_str(), RecoverInterruptedRun(m_folder.Path().c_str())));
}

std::string CRecoveryFolder::At() const { return std::string(RecordPathIn(m_folder.Path().c_str())); }

std::vector<std::string> CRecoveryFolder::Entries() const
{
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
    {
        const std::string name = entry.path().filename().string();
        entries.push_back(name + "=" + m_folder.Read(name));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}
