// One colour theme file.
#include "KTSyntaxEditTheme.h"

#include "KTLexStrings.h"
#include "KTSyntaxEditIniReader.h"

void CKTSyntaxEditTheme::Load(const std::string& path)
{
    m_mapSections.clear();
    m_strFileName = path;
    // One read of the file; a section named twice takes the lines of both.
    for (const auto& found : CKTSyntaxEditIniReader::ReadSections(path))
    {
        std::string name = ktlex::Lower(found.first);
        CKTSyntaxEditThemeSection& section = m_mapSections.try_emplace(name, name).first->second;
        for (const KT_EDIT_INI_ENTRY& entry : found.second)
            section.SetValue(entry.strKey, entry.strValue);
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
