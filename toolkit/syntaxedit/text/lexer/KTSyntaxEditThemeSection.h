// One INI section of a colour theme.
// Defines: CKTSyntaxEditThemeSection.
#pragma once

#include <map>
#include <string>

class CKTSyntaxEditThemeSection
{
public:
    using Values = std::map<std::string, std::string>;  // lower-cased key -> value

    explicit CKTSyntaxEditThemeSection(std::string name) : m_strName(std::move(name)) {}

    // Lower-cased, so that a section spelled with capitals still counts as "main".
    const std::string& GetName() const { return m_strName; }
    void SetValue(const std::string& key, const std::string& value);
    // Empty when the key is missing.
    std::string GetValue(const std::string& key) const;
    const Values& GetValues() const { return m_mapValues; }

private:
    std::string m_strName;
    Values m_mapValues;
};
