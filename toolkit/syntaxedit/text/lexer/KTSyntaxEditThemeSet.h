// The colour themes of the syntax colouring by name, with inheritance
// from a parent theme.
// Defines: CKTSyntaxEditThemeSet.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditTheme.h"

class CKTSyntaxEditThemeSet
{
public:
    // A theme is never changed once loaded, so a receiver may keep one while the set reloads.
    using ThemePtr = std::shared_ptr<const CKTSyntaxEditTheme>;

    void LoadTheme(const std::string& name, const std::string& path);
    void RememberThemeFile(const std::string& name, const std::string& path);
    // The name of the theme that the file change touched, or empty.
    std::string OnThemeFileChanged(const std::string& path, int change);
    ThemePtr GetTheme(const std::string& name) const;
    const std::vector<std::string>& GetThemeNames() const { return m_arThemeNames; }
    void RemoveAll();
    // Every class section of a theme with the values inherited from its
    // parents; none for an unknown theme.
    KTLexThemeLookup MakeLookup(const std::string& name) const;

private:
    static ThemePtr ReadTheme(const std::string& path);

    std::map<std::string, ThemePtr> m_mapThemes;
    std::vector<std::string> m_arThemeNames;
    std::map<std::string, std::string> m_mapFileToName;  // lower-cased path -> theme name
};
