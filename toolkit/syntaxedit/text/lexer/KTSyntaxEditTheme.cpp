// One colour theme file.
#include "KTSyntaxEditTheme.h"

#include "KTLexStrings.h"
#include "KTSyntaxEditIniReader.h"

void CKTSyntaxEditTheme::Load(const std::string& path)
{
    m_mapSections.clear();
    m_strFileName = path;
    for (const std::string& found : CKTSyntaxEditIniReader::GetSectionNames(path))
    {
        std::string name = ktlex::Lower(found);
        CKTSyntaxEditThemeSection section(name);
        // From the last line to the first, so that the first of two equal keys wins.
        CKTSyntaxEditIniReader::Entries entries = CKTSyntaxEditIniReader::ReadSection(found, path);
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            section.SetValue(it->strKey, it->strValue);
        m_mapSections.insert_or_assign(name, std::move(section));
    }
}

const CKTSyntaxEditThemeSection* CKTSyntaxEditTheme::GetSection(const std::string& name) const
{
    auto it = m_mapSections.find(ktlex::Lower(name));
    return it == m_mapSections.end() ? nullptr : &it->second;
}

std::string CKTSyntaxEditTheme::GetParentThemeName() const
{
    const CKTSyntaxEditThemeSection* main = GetSection("main");
    return main ? main->GetValue("parentschema") : std::string();
}
