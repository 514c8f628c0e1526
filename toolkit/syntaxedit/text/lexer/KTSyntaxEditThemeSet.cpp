// The set of colour themes and their inheritance.
#include "KTSyntaxEditThemeSet.h"

#include <algorithm>

#include "KTSyntaxEditFileChangesMonitor.h"
#include "KTLexStrings.h"

CKTSyntaxEditThemeSet::ThemePtr CKTSyntaxEditThemeSet::ReadTheme(const std::string& path)
{
    auto theme = std::make_shared<CKTSyntaxEditTheme>();
    theme->Load(path);
    return theme;
}

void CKTSyntaxEditThemeSet::LoadTheme(const std::string& name, const std::string& path)
{
    m_arThemeNames.erase(std::remove_if(m_arThemeNames.begin(), m_arThemeNames.end(),
                                        [&](const std::string& n) { return ktlex::EqualsNoCase(n, name); }),
                         m_arThemeNames.end());
    m_mapThemes[name] = ReadTheme(path);
    m_arThemeNames.push_back(name);
    m_mapFileToName[ktlex::Lower(path)] = name;
}

void CKTSyntaxEditThemeSet::RememberThemeFile(const std::string& name, const std::string& path)
{
    m_mapFileToName[ktlex::Lower(path)] = name;
}

std::string CKTSyntaxEditThemeSet::OnThemeFileChanged(const std::string& path, int change)
{
    for (auto it = m_mapThemes.begin(); it != m_mapThemes.end(); ++it)
    {
        if (!ktlex::EqualsNoCase(it->second->GetFileName(), path))
            continue;
        std::string name = it->first;
        if (change == CKTSyntaxEditFileChangesMonitor::ktRemoved)
            m_mapThemes.erase(it);
        else
            it->second = ReadTheme(path);
        return name;
    }
    auto known = m_mapFileToName.find(ktlex::Lower(path));
    if (change != CKTSyntaxEditFileChangesMonitor::ktAppeared || known == m_mapFileToName.end())
        return std::string();
    LoadTheme(known->second, path);
    return known->second;
}

CKTSyntaxEditThemeSet::ThemePtr CKTSyntaxEditThemeSet::GetTheme(const std::string& name) const
{
    auto it = m_mapThemes.find(name);
    return it == m_mapThemes.end() ? nullptr : it->second;
}

void CKTSyntaxEditThemeSet::RemoveAll()
{
    m_mapThemes.clear();
    m_arThemeNames.clear();
    m_mapFileToName.clear();
}

KTLexThemeLookup CKTSyntaxEditThemeSet::MakeLookup(const std::string& name) const
{
    auto resolved = std::make_shared<std::map<std::string, CKTSyntaxEditThemeSection::Values>>();
    std::vector<const CKTSyntaxEditTheme*> visited;  // a circle of parents ends here
    for (const CKTSyntaxEditTheme* theme = GetTheme(name).get();
         theme && std::find(visited.begin(), visited.end(), theme) == visited.end();
         theme = GetTheme(theme->GetParentThemeName()).get())
    {
        visited.push_back(theme);
        for (const auto& section : theme->GetSections())
            if (section.first != "main")
                (*resolved)[section.first].insert(section.second.GetValues().begin(),
                                                  section.second.GetValues().end());  // nearer theme wins
    }
    if (visited.empty())
        return KTLexThemeLookup();
    return [resolved](const std::string& cls) -> const CKTSyntaxEditThemeSection::Values*
    {
        auto it = resolved->find(ktlex::Lower(cls));
        return it == resolved->end() ? nullptr : &it->second;
    };
}
