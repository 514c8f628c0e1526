// One INI section of a colour theme.
#include "KTSyntaxEditThemeSection.h"

#include "KTLexStrings.h"

void CKTSyntaxEditThemeSection::SetValue(const std::string& key, const std::string& value)
{
    m_mapValues[ktlex::Lower(key)] = value;
}

std::string CKTSyntaxEditThemeSection::GetValue(const std::string& key) const
{
    auto it = m_mapValues.find(ktlex::Lower(key));
    return it == m_mapValues.end() ? std::string() : it->second;
}
