// Typed lex values and the character classes of special tokens.
#include "KTSyntaxEditLexValue.h"

#include <cstring>

#include "KTLexStrings.h"

namespace
{

const char* const kTokenNames[] = {"@alpha", "@digit", "@hexdigit", "@specs", "@eol"};
const char kSpecs[] = "`|~!@#$%^&*()_-+=\\{}[];:'\",.<>/?";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether a character belongs to a special token's class, negation aside.
bool InClass(int tokenID, char c)
{
    switch (tokenID)
    {
    case CKTSyntaxEditLexSpecialTokens::ktAlpha:
        return ktlex::IsAsciiLetter(c);
    case CKTSyntaxEditLexSpecialTokens::ktDigit:
        return IsDigit(c);
    case CKTSyntaxEditLexSpecialTokens::ktHexDigit:
        return IsHexDigit(c);
    case CKTSyntaxEditLexSpecialTokens::ktSpecs:
        return c != 0 && std::strchr(kSpecs, c) != nullptr;
    case CKTSyntaxEditLexSpecialTokens::ktEol:
        return c == '\r' || c == '\n';
    default:
        return false;
    }
}

}  // namespace

int CKTSyntaxEditLexSpecialTokens::GetSpecialTokenID(const std::string& name)
{
    std::string lowered = ktlex::Lower(name);
    for (int i = 0; i < 5; ++i)
        if (lowered == kTokenNames[i])
            return i + 1;
    return 0;
}

void CKTSyntaxEditLexSpecialTokens::SetFromText(const std::string& text)
{
    strText = text;
    std::vector<std::string> parts = ktlex::Split(ktlex::Trim(text), ':');
    nTokenID = GetSpecialTokenID(parts[0]);
    nValue = (parts.size() > 1 && ktlex::EqualsNoCase(ktlex::Trim(parts[1]), "not")) ? 1 : 0;
}

bool CKTSyntaxEditLexSpecialTokens::Matches(char c) const
{
    if (nTokenID < ktAlpha || nTokenID > ktEol)
        return false;
    // Nothing lies beyond the end of the text, not even a negated class.
    return c != 0 && InClass(nTokenID, c) != IsNegated();
}

void CKTSyntaxEditLexSpecialTokens::Expand(std::vector<std::string>& strings) const
{
    for (int c = 1; c < 256; ++c)
        if (InClass(nTokenID, char(c)))
            strings.emplace_back(1, char(c));
}

CKTSyntaxEditLexValue CKTSyntaxEditLexValue::MakeSpecialToken(const std::string& text)
{
    CKTSyntaxEditLexValue value;
    value.m_nType = ktSpecial;
    value.m_special.SetFromText(text);
    return value;
}

std::string CKTSyntaxEditLexValue::GetString() const
{
    return (IsString() && !m_arStrings.empty()) ? m_arStrings[0] : std::string();
}

bool CKTSyntaxEditLexValue::operator==(const CKTSyntaxEditLexValue& other) const
{
    if (m_nType != other.m_nType)
        return false;
    switch (m_nType)
    {
    case ktEmpty:
        return true;
    case ktString:
    case ktStrings:
        return m_arStrings == other.m_arStrings;
    case ktList:
        return m_arList == other.m_arList;
    case ktInt:
        return m_nValue == other.m_nValue;
    case ktSpecial:
        return m_special.nTokenID == other.m_special.nTokenID && m_special.nValue == other.m_special.nValue;
    default:
        return false;
    }
}
