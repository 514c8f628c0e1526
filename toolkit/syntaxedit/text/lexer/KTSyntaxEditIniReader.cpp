// Reading the sections of INI files.
#include "KTSyntaxEditIniReader.h"

#include "KTLexFiles.h"
#include "KTLexStrings.h"

namespace
{

// The file's lines without line ends; comment lines are left out.
std::vector<std::string> ReadLines(const std::string& file)
{
    std::string text;
    std::vector<std::string> lines;
    if (!KTLexReadFile(file, text))
        return lines;
    for (const std::string& raw : ktlex::Split(text, '\n'))
    {
        std::string line = ktlex::Trim(raw);
        if (!line.empty() && line[0] != ';')
            lines.push_back(line);
    }
    return lines;
}

bool IsSectionLine(const std::string& line, std::string& name)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    name = ktlex::Trim(line.substr(1, line.size() - 2));
    return true;
}

// The text between the first and the second separator, or before the first.
std::string Field(const std::string& text, char separator, int index)
{
    std::vector<std::string> fields = ktlex::Split(text, separator);
    return size_t(index) < fields.size() ? ktlex::Trim(fields[size_t(index)]) : std::string();
}

}  // namespace

CKTSyntaxEditIniReader::Sections CKTSyntaxEditIniReader::ReadSections(const std::string& file)
{
    Sections sections;
    std::string name;
    for (const std::string& line : ReadLines(file))
    {
        if (IsSectionLine(line, name))
            sections.emplace_back(name, Entries());
        else if (!sections.empty())  // lines before the first section belong to none
            sections.back().second.push_back(ParseEntry(line));
    }
    return sections;
}

std::vector<std::string> CKTSyntaxEditIniReader::GetSectionNames(const std::string& file)
{
    std::vector<std::string> names;
    for (const auto& section : ReadSections(file))
        names.push_back(section.first);
    return names;
}

CKTSyntaxEditIniReader::Entries CKTSyntaxEditIniReader::ReadSection(const std::string& section, const std::string& file)
{
    // As the system's profile reading does: a later section of the same name is not seen.
    for (const auto& found : ReadSections(file))
        if (ktlex::EqualsNoCase(found.first, section))
            return found.second;
    return Entries();
}

KT_EDIT_INI_ENTRY CKTSyntaxEditIniReader::ParseEntry(const std::string& line)
{
    KT_EDIT_INI_ENTRY entry;
    if (line.find('=') == std::string::npos)
    {
        entry.strKey = ktlex::Trim(line);
        return entry;
    }
    entry.strKey = Field(line, '=', 0);
    entry.strValue = Field(line, '=', 1);
    if (entry.strValue.find(';') != std::string::npos)
    {
        entry.strComment = Field(entry.strValue, ';', 1);
        entry.strValue = Field(entry.strValue, ';', 0);
    }
    return entry;
}

const KT_EDIT_INI_ENTRY* CKTSyntaxEditIniReader::FindByKey(const Entries& entries, const std::string& key)
{
    for (const KT_EDIT_INI_ENTRY& entry : entries)
        if (ktlex::EqualsNoCase(entry.strKey, key))
            return &entry;
    return nullptr;
}

const KT_EDIT_INI_ENTRY* CKTSyntaxEditIniReader::FindByValue(const Entries& entries, const std::string& value)
{
    for (const KT_EDIT_INI_ENTRY& entry : entries)
        if (ktlex::EqualsNoCase(entry.strValue, value))
            return &entry;
    return nullptr;
}
