// One colour theme file.
#include "KTSyntaxEditTheme.h"

#include "KTLexStrings.h"
#include "KTSyntaxEditIniReader.h"

void CKTSyntaxEditTheme::Load(const std::string& path)
{
    m_mapSections.clear();
    m_strFileName = path;
    // One read of the file; as with the system's profile reading, a section
    // named again is not seen, and the first of two equal keys wins.
    for (const auto& found : CKTSyntaxEditIniReader::ReadSections(path))
    {
        std::string name = ktlex::Lower(found.first);
        auto added = m_mapSections.try_emplace(name, name);
        if (!added.second)
            continue;
        for (auto it = found.second.rbegin(); it != found.second.rend(); ++it)
            added.first->second.SetValue(it->strKey, it->strValue);
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
