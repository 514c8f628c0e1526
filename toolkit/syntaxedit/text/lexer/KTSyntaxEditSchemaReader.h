// Scheme file text: class descriptions, the tokenizer and reader that build
// them, and the escaping of values.
// Defines: KT_EDIT_SCHEMAFILEINFO, KT_EDIT_LEXCLASSINFO,
//          CKTSyntaxEditLexClassInfoArray, CKTSyntaxEditSchemaReader.
#pragma once

#include <string>
#include <vector>

// One property line of a "lexClass:" block.
struct KT_EDIT_SCHEMAFILEINFO
{
    std::vector<std::string> arNameParts;  // name words between colons, as written
    std::vector<std::string> arValues;     // unescaped; quoted values keep their quotes
    int nLine = 0;                         // 1-based line of the name's last word
    int nGap = 0;                          // characters from the previous value's end to the first value
    int nSpan = 0;                         // characters from the first value's start to the last value's end
};

// One "lexClass:" block.
struct KT_EDIT_LEXCLASSINFO
{
    std::string strName;  // the "name" value as it stood
    std::vector<KT_EDIT_SCHEMAFILEINFO> arProperties;
    int nStartLine = 0;
    int nEndLine = 0;
};

struct CKTSyntaxEditLexClassInfoArray
{
    std::vector<KT_EDIT_LEXCLASSINFO> arClasses;
    bool bModified = false;  // set by whoever edits the descriptions; read by the writer
};

// Reads one scheme text; an instance holds the state of one read.
class CKTSyntaxEditSchemaReader
{
public:
    enum TokenType
    {
        ktTokNone,
        ktTokBlank,
        ktTokWord,
        ktTokOther,
        ktTokQuoted,
        ktTokComment,
        ktTokLineEnd,
        ktTokDelimiter
    };

    // Reads the whole text; malformed text yields fewer descriptions, never an error.
    void ParseSource(const std::string& text, CKTSyntaxEditLexClassInfoArray& result);

private:
    void ReadClassInfo(KT_EDIT_LEXCLASSINFO& info);
    bool ReadPropertyName(KT_EDIT_LEXCLASSINFO& info, KT_EDIT_SCHEMAFILEINFO& property);
    void ReadPropertyValues(KT_EDIT_LEXCLASSINFO& info, KT_EDIT_SCHEMAFILEINFO& property);
    int GetNextToken();
    int ReadToken();
    int ReadQuoted(char c);
    void CountLine();
    bool IsBlockOpener() const;
    int ValueStart() const;
    int ValueEnd() const;

    int m_nLine = 1;
    int m_nLastLineFeed = -1;
    int m_nPos = 0;
    int m_nLength = 0;
    int m_nEndOfLastValue = 0;
    int m_nState = ktTokNone;
    int m_nType = ktTokNone;      // type of the current token
    bool m_bNamePending = false;  // the block's next value is its name
    bool m_bSkipped = false;      // a character was passed over after the current token's closing quote
    const std::string* m_pText = nullptr;
    std::string m_strToken;
};

std::string UnescapeSchemaValue(const std::string& value, bool keepQuotes);
std::string EscapeSchemaValue(const std::string& value, bool keepQuotes);
