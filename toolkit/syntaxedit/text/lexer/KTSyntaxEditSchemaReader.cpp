// The scheme text tokenizer and the reader of "lexClass:" blocks.
#include "KTSyntaxEditSchemaReader.h"

#include "KTLexStrings.h"

namespace
{

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == ','; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The state a character opens when no token is being read.
int StartState(char c)
{
    if (ktlex::IsAsciiLetter(c))
        return CKTSyntaxEditSchemaReader::ktTokWord;
    if (c == '\'')
        return CKTSyntaxEditSchemaReader::ktTokQuoted;
    if (c == '/')
        return CKTSyntaxEditSchemaReader::ktTokComment;
    if (IsBlank(c))
        return CKTSyntaxEditSchemaReader::ktTokBlank;
    if (IsLineEnd(c))
        return CKTSyntaxEditSchemaReader::ktTokLineEnd;
    if (c == '=' || c == ':')
        return CKTSyntaxEditSchemaReader::ktTokDelimiter;
    return CKTSyntaxEditSchemaReader::ktTokOther;
}

// The state a character moves a word or an "other" token to; the same state continues it.
int ContinueState(int state, char c)
{
    int start = StartState(c);
    if (state == CKTSyntaxEditSchemaReader::ktTokWord)
        return start == CKTSyntaxEditSchemaReader::ktTokOther ? state : start;
    if (state == CKTSyntaxEditSchemaReader::ktTokOther)
    {
        bool ends = IsBlank(c) || IsLineEnd(c) || c == '/';
        return ends ? start : state;
    }
    // comment
    return IsLineEnd(c) ? int(CKTSyntaxEditSchemaReader::ktTokLineEnd) : state;
}

const char kMarker = '\x01';
const char kPlaceholder = '\x02';

// Protects enclosing quotes from the replacements; returns the trimmed text.
std::string MarkQuotes(const std::string& value, bool keepQuotes)
{
    std::string text = ktlex::Trim(value);
    if (text.empty() || !keepQuotes || text.front() != '\'' || text.back() != '\'')
        return text;
    text.front() = kMarker;
    text.back() = kMarker;
    return text;
}

struct Escape
{
    const char* escaped;
    char plain;
};
const Escape kEscapes[] = {{"\\a", '\a'}, {"\\b", '\b'}, {"\\f", '\f'}, {"\\n", '\n'},
                           {"\\r", '\r'}, {"\\t", '\t'}, {"\\v", '\v'}, {"\\'", '\''}};

}  // namespace

std::string UnescapeSchemaValue(const std::string& value, bool keepQuotes)
{
    std::string text = MarkQuotes(value, keepQuotes);
    if (text.empty())
        return text;
    ktlex::ReplaceAll(text, "\\\\", std::string(1, kPlaceholder));
    for (const Escape& e : kEscapes)
        ktlex::ReplaceAll(text, e.escaped, std::string(1, e.plain));
    ktlex::ReplaceAll(text, std::string(1, kPlaceholder), "\\");
    ktlex::ReplaceAll(text, std::string(1, kMarker), "'");
    return text;
}

std::string EscapeSchemaValue(const std::string& value, bool keepQuotes)
{
    std::string text = MarkQuotes(value, keepQuotes);
    if (text.empty())
        return text;
    ktlex::ReplaceAll(text, "\\", std::string(1, kPlaceholder));
    for (const Escape& e : kEscapes)
        ktlex::ReplaceAll(text, std::string(1, e.plain), e.escaped);
    ktlex::ReplaceAll(text, std::string(1, kPlaceholder), "\\\\");
    ktlex::ReplaceAll(text, std::string(1, kMarker), "'");
    return text;
}

void CKTSyntaxEditSchemaReader::CountLine()
{
    if ((*m_pText)[m_nPos] == '\n' && m_nPos > m_nLastLineFeed)
    {
        ++m_nLine;
        m_nLastLineFeed = m_nPos;
    }
}

int CKTSyntaxEditSchemaReader::ReadQuoted(char c)
{
    if (IsLineEnd(c))
    {
        // An unterminated value ends at its line end, which is consumed.
        m_nState = ktTokLineEnd;
        return ktTokQuoted;
    }
    if (c == '\'' && m_strToken == "'")
        return -1;  // an empty pair: reading goes on inside the quotes
    if (c == '\'' && !m_strToken.empty() && m_strToken.back() != '\\')
    {
        m_strToken += c;
        m_nState = ktTokNone;
        // The character after a closing quote is passed over, but never a
        // line end: it must still end the line in files with bare line feeds.
        if (m_nPos < m_nLength && !IsLineEnd((*m_pText)[m_nPos]))
        {
            ++m_nPos;
            m_bSkipped = true;
        }
        return ktTokQuoted;
    }
    m_strToken += c;
    return -1;
}

int CKTSyntaxEditSchemaReader::ReadToken()
{
    m_bSkipped = false;
    while (m_nPos < m_nLength)
    {
        CountLine();
        char c = (*m_pText)[m_nPos++];
        int old = m_nState;
        if (old == ktTokQuoted)
        {
            int done = ReadQuoted(c);
            if (done >= 0)
                return done;
            continue;
        }
        bool starting = old == ktTokNone || old == ktTokBlank || old == ktTokLineEnd || old == ktTokDelimiter;
        int next = starting ? StartState(c) : ContinueState(old, c);
        if (next != old)
        {
            --m_nPos;
            m_nState = next;
            return old;
        }
        if (old == ktTokBlank)
            return old;
        m_strToken += c;
    }
    if (m_nState == ktTokQuoted)
    {
        m_nState = ktTokNone;
        return ktTokQuoted;
    }
    int last = m_nState;
    m_nState = ktTokNone;
    return m_strToken.empty() ? int(ktTokNone) : last;
}

int CKTSyntaxEditSchemaReader::GetNextToken()
{
    m_strToken.clear();
    int type = ReadToken();
    if (m_strToken == ":")
        type = ktTokNone;
    while ((type == ktTokNone || type == ktTokBlank || type == ktTokComment) && m_nPos < m_nLength)
    {
        m_strToken.clear();
        type = ReadToken();
    }
    if (type == ktTokComment || type == ktTokBlank)
        type = ktTokNone;  // the text ended inside insignificant text
    if (m_strToken == "lexClass")
        type = ReadToken();  // a colon right behind joins the opener
    m_nType = type;
    return type;
}

bool CKTSyntaxEditSchemaReader::IsBlockOpener() const { return ktlex::EqualsNoCase(m_strToken, "lexClass:"); }

int CKTSyntaxEditSchemaReader::ValueStart() const { return m_nPos - int(m_strToken.size()) - (m_bSkipped ? 1 : 0); }

int CKTSyntaxEditSchemaReader::ValueEnd() const { return m_nPos - (m_bSkipped ? 1 : 0); }

void CKTSyntaxEditSchemaReader::ParseSource(const std::string& text, CKTSyntaxEditLexClassInfoArray& result)
{
    result.arClasses.clear();
    result.bModified = false;
    m_pText = &text;
    m_nLength = int(text.size());
    m_nLine = 1;
    m_nLastLineFeed = -1;
    m_nPos = 0;
    m_nEndOfLastValue = 0;
    m_nState = ktTokNone;
    m_strToken.clear();
    while (m_nPos < m_nLength && !IsBlockOpener())
        GetNextToken();
    if (!IsBlockOpener())
        return;
    while (m_nPos < m_nLength)
    {
        KT_EDIT_LEXCLASSINFO info;
        ReadClassInfo(info);
        if (!info.strName.empty())
            result.arClasses.push_back(std::move(info));
    }
}

// Reads the words of a property name up to its "="; FALSE when the line has no values.
// The "name" word names the block "name" until a value names it: a name
// line without a value leaves the naming to the next value of the block.
bool CKTSyntaxEditSchemaReader::ReadPropertyName(KT_EDIT_LEXCLASSINFO& info, KT_EDIT_SCHEMAFILEINFO& property)
{
    while (m_strToken != "=" && m_nType != ktTokNone && !IsBlockOpener())
    {
        if (m_nType != ktTokLineEnd)
        {
            if (ktlex::EqualsNoCase(m_strToken, "name"))
            {
                info.strName = "name";
                m_bNamePending = true;
            }
            else
                property.arNameParts.push_back(m_strToken);
            property.nLine = m_nLine;
        }
        GetNextToken();
    }
    return m_strToken == "=" && m_nType != ktTokNone;
}

void CKTSyntaxEditSchemaReader::ReadPropertyValues(KT_EDIT_LEXCLASSINFO& info, KT_EDIT_SCHEMAFILEINFO& property)
{
    GetNextToken();
    int valueStart = ValueStart();
    property.nGap = valueStart - m_nEndOfLastValue;
    while (m_nType != ktTokNone && m_nType != ktTokLineEnd)
    {
        if (m_bNamePending)
        {
            info.strName = m_strToken;
            m_bNamePending = false;
        }
        else
        {
            m_nEndOfLastValue = ValueEnd();
            property.arValues.push_back(UnescapeSchemaValue(m_strToken, true));
        }
        GetNextToken();
    }
    if (!property.arValues.empty())
    {
        property.nSpan = m_nEndOfLastValue - valueStart;
        info.arProperties.push_back(property);
    }
    GetNextToken();
}

void CKTSyntaxEditSchemaReader::ReadClassInfo(KT_EDIT_LEXCLASSINFO& info)
{
    if (IsBlockOpener())
    {
        info.nStartLine = m_nLine;
        info.nEndLine = 0;
    }
    m_bNamePending = false;
    GetNextToken();
    while (!IsBlockOpener() && m_nType != ktTokNone)
    {
        KT_EDIT_SCHEMAFILEINFO property;
        if (ReadPropertyName(info, property))
            ReadPropertyValues(info, property);
    }
    // An end mark that is the text's last token was not skipped as a comment.
    if (ktlex::EqualsNoCase(m_strToken, "//:lexClass"))
        info.nEndLine = m_nLine;
    if (info.nEndLine == 0)
        info.nEndLine = info.arProperties.empty() ? info.nStartLine : info.arProperties.back().nLine;
}
