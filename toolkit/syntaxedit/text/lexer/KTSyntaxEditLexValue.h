// Typed values of lex class properties and attributes, and special tokens.
// Defines: CKTSyntaxEditLexSpecialTokens, CKTSyntaxEditLexValue.
#pragma once

#include <string>
#include <vector>

// A tag written as "@alpha", "@digit", "@hexdigit", "@specs" or "@eol",
// optionally followed by ":not", stands for one character of a class.
struct CKTSyntaxEditLexSpecialTokens
{
    enum
    {
        ktAlpha = 1,
        ktDigit,
        ktHexDigit,
        ktSpecs,
        ktEol
    };
    int nTokenID = 0;
    std::string strText;
    int nValue = 0;  // bit 0: negated

    // Sets the record from a tag text; an unknown name keeps id 0 and matches nothing.
    void SetFromText(const std::string& text);
    bool IsNegated() const { return (nValue & 1) != 0; }
    bool Matches(char c) const;
    // The characters of the class, one string each.
    void Expand(std::vector<std::string>& strings) const;

    static int GetSpecialTokenID(const std::string& name);
};

class CKTSyntaxEditLexValue
{
public:
    enum Type
    {
        ktEmpty = 0,
        ktString = 1,
        ktList = 4,
        ktInt = 256,
        ktStrings = 512,
        ktSpecial = 1024
    };

    CKTSyntaxEditLexValue() = default;
    CKTSyntaxEditLexValue(const std::string& text, int type) : m_nType(type), m_arStrings{text} {}
    explicit CKTSyntaxEditLexValue(std::vector<std::string> strings)
        : m_nType(ktStrings), m_arStrings(std::move(strings))
    {
    }
    explicit CKTSyntaxEditLexValue(int value) : m_nType(ktInt), m_nValue(value) {}
    explicit CKTSyntaxEditLexValue(std::vector<CKTSyntaxEditLexValue> list) : m_nType(ktList), m_arList(std::move(list))
    {
    }
    static CKTSyntaxEditLexValue MakeSpecialToken(const std::string& text);

    int GetType() const { return m_nType; }
    bool IsString() const { return m_nType == ktString || m_nType == ktStrings; }
    std::string GetString() const;
    int GetInt() const { return m_nValue; }
    const std::vector<std::string>& GetStrings() const { return m_arStrings; }
    std::vector<std::string>& GetStrings() { return m_arStrings; }
    const std::vector<CKTSyntaxEditLexValue>& GetList() const { return m_arList; }
    const CKTSyntaxEditLexSpecialTokens& GetSpecial() const { return m_special; }

    bool operator==(const CKTSyntaxEditLexValue& other) const;
    bool operator!=(const CKTSyntaxEditLexValue& other) const { return !(*this == other); }

private:
    int m_nType = ktEmpty;
    int m_nValue = 0;
    std::vector<std::string> m_arStrings;
    std::vector<CKTSyntaxEditLexValue> m_arList;
    CKTSyntaxEditLexSpecialTokens m_special;
};

using CKTLexValues = std::vector<CKTSyntaxEditLexValue>;
