// One colour theme: an INI file whose sections, named after lex classes,
// override the classes' "txt:" attributes.
// Defines: CKTSyntaxEditTheme.
#pragma once

#include <map>
#include <string>

#include "KTSyntaxEditThemeSection.h"

class CKTSyntaxEditTheme
{
public:
    void Load(const std::string& path);
    const std::string& GetFileName() const { return m_strFileName; }
    const CKTSyntaxEditThemeSection* GetSection(const std::string& name) const;
    // "parentschema" of the section "main".
    std::string GetParentThemeName() const;
    const std::map<std::string, CKTSyntaxEditThemeSection>& GetSections() const { return m_mapSections; }

private:
    std::string m_strFileName;
    std::map<std::string, CKTSyntaxEditThemeSection> m_mapSections;  // lower-cased names
};
