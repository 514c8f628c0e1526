// Colour themes of the syntax colouring: INI files whose sections, named
// after lex classes, override the classes' "txt:" attributes, with
// inheritance from a parent theme.
// Defines: CKTSyntaxEditTheme, CKTSyntaxEditThemeSet.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LexTextSchema.h"

class CKTSyntaxEditTheme
{
public:
    using Section = std::map<std::string, std::string>; // lower-cased key -> value

    void Load(const std::string& path);
    const std::string& GetFileName() const { return m_strFileName; }
    const Section* GetSection(const std::string& name) const;
    // "parentschema" of the section "main".
    std::string GetParentThemeName() const;
    const std::map<std::string, Section>& GetSections() const { return m_sections; }

private:
    std::string m_strFileName;
    std::map<std::string, Section> m_sections; // lower-cased names
};

class CKTSyntaxEditThemeSet
{
public:
    void LoadTheme(const std::string& name, const std::string& path);
    void RememberThemeFile(const std::string& name, const std::string& path);
    // The name of the theme that the file change touched, or empty.
    std::string OnThemeFileChanged(const std::string& path, int change);
    const CKTSyntaxEditTheme* GetTheme(const std::string& name) const;
    const std::vector<std::string>& GetThemeNames() const { return m_arThemeNames; }
    void RemoveAll();
    // Every class section of a theme with the values inherited from its
    // parents; none for an unknown theme.
    KTLexThemeLookup MakeLookup(const std::string& name) const;

private:
    std::map<std::string, std::unique_ptr<CKTSyntaxEditTheme>> m_mapThemes;
    std::vector<std::string> m_arThemeNames;
    std::map<std::string, std::string> m_mapFileToName; // lower-cased path -> theme name
};
