// The lexer's character cursor over the rows of a text.
#include "KTSyntaxEditLexCursor.h"

#include <algorithm>

namespace
{
// After the last row's own line end one more stands, so a tag that must be
// followed by a line end also matches at the end of a text without one.
const char kFinalLineEnd[] = "\r\n";
// Before the first row one stands too, so the start of the text reads as
// the start of any other row to a tag matched backwards.
const char kFirstLineEnd[] = "\r\n";
// Text before the look-back is dropped once it grows past this many bytes.
const int kDropThreshold = 4096;
}  // namespace

CKTSyntaxEditLexCursor::CKTSyntaxEditLexCursor(const IKTLexTextSource& source, int backOffset)
    : m_source(source), m_strLineEnd(source.GetLineEnd()), m_strFileType(source.GetFileType()),
      m_nRows(source.GetRowCount()), m_nBackOffset(std::max(backOffset, int(kMinBackOffset)))
{
    m_bNoRows = m_nRows < 1;
    m_nRows = std::max(m_nRows, 1);
    if (m_strLineEnd.empty())
        m_strLineEnd = "\r\n";
    m_buffer.reserve(size_t(m_nBackOffset + kReadAhead + 256));
    // The rows after it are read once the cursor is placed: most runs seek elsewhere first.
    LoadRow(1, false);
}

// The next row is in the buffer already; any other row reads its look-back
// from the rows before it.
void CKTSyntaxEditLexCursor::LoadRow(int row, bool readAhead)
{
    if (row == m_pos.nRow + 1 && !m_aheadSpans.empty())
    {
        MoveToNextRow();
    }
    else
    {
        ReadLookBack(row);
        m_nBack = int(m_buffer.size());
        m_aheadSpans.clear();
        m_nRowSpan = AppendRow(row);
        m_nNextRow = row + 1;
    }
    m_pos = {row, 0};
    if (readAhead)
        ReadAhead();
    UpdateRowView();
}

void CKTSyntaxEditLexCursor::MoveToNextRow()
{
    int rowEnd = m_nBack + m_nRowSpan;
    int from = rowEnd - std::min(m_nBackOffset, m_nBackText + m_nRowSpan);
    if (IsTrailByte(from))
        ++from;  // half a character is no text to match
    m_nBack = rowEnd;
    m_nBackText = rowEnd - from;
    m_nRowSpan = m_aheadSpans.front();
    m_aheadSpans.pop_front();
    if (from > kDropThreshold)
        DropConsumed(from);
}

void CKTSyntaxEditLexCursor::DropConsumed(int from)
{
    m_buffer.erase(0, size_t(from));
    if (!m_trail.empty())
        m_trail.erase(m_trail.begin(), m_trail.begin() + from);
    m_nBack -= from;
}

// Appends the row with its line end; returns the bytes appended.
int CKTSyntaxEditLexCursor::AppendRow(int row)
{
    size_t at = m_buffer.size();
    if (!m_source.GetRowText(row, m_row))
        m_row.clear();
    m_buffer += m_row;
    if (!m_bNoRows)
        m_buffer += m_strLineEnd;
    if (!m_bNoRows && row == m_nRows)
        m_buffer += kFinalLineEnd;
    MarkTrailBytes(at);
    return int(m_buffer.size() - at);
}

// bytes: readable past the end of the row's line end.
void CKTSyntaxEditLexCursor::ReadAhead(int bytes)
{
    const int rowEnd = m_nBack + m_nRowSpan;
    while (m_nNextRow <= m_nRows && int(m_buffer.size()) - rowEnd < bytes)
        m_aheadSpans.push_back(AppendRow(m_nNextRow++));
}

// Appending may move the buffer.
void CKTSyntaxEditLexCursor::UpdateRowView()
{
    m_pRow = m_buffer.c_str() + m_nBack;
    m_nReadable = int(m_buffer.size()) - m_nBack;
}

void CKTSyntaxEditLexCursor::ReadLookBack(int row)
{
    size_t rows = 0;
    int bytes = 0;
    for (int before = row - 1; before >= 1 && bytes < m_nBackOffset; --before, ++rows)
    {
        if (m_backRows.size() <= rows)
            m_backRows.emplace_back();
        if (!m_source.GetRowText(before, m_backRows[rows]))
            m_backRows[rows].clear();
        bytes += int(m_backRows[rows].size() + m_strLineEnd.size());
    }
    m_buffer.clear();
    while (rows > 0)
        m_buffer.append(m_backRows[--rows]).append(m_strLineEnd);
    int from = std::max(0, int(m_buffer.size()) - m_nBackOffset);
    if (from > 0 && CKTLexLeadBytes::Any())
    {
        int at = 0;  // a row start: a character starts there
        while (at < from)
            at += KTLexCharLength(m_buffer.c_str() + at);
        from = at;
    }
    m_buffer.erase(0, size_t(from));
    if (row == 1)
        m_buffer = kFirstLineEnd;
    m_nBackText = int(m_buffer.size());
    m_trail.clear();
    MarkTrailBytes(0);
}

// Looks behind the position see a double-byte character whole, so its trail
// byte never passes for a character of its own. from is a character start.
void CKTSyntaxEditLexCursor::MarkTrailBytes(size_t from)
{
    if (!m_trail.empty())
        m_trail.resize(m_buffer.size(), false);
    if (!CKTLexLeadBytes::Any())
        return;
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    const char* text = m_buffer.c_str();
    const size_t size = m_buffer.size();
    size_t i = from;
    while (i < size && !leadBytes.Contains(text[i]))
        ++i;
    if (i == size)
        return;  // most rows: no lead byte at all
    m_trail.resize(size, false);
    for (; i < size; i += size_t(KTLexCharLength(text + i, leadBytes)))
        if (KTLexCharLength(text + i, leadBytes) == 2)
            m_trail[i + 1] = true;
}

bool CKTSyntaxEditLexCursor::IsTrailByte(int index) const
{
    return index >= 0 && index < int(m_trail.size()) && m_trail[index];
}

int CKTSyntaxEditLexCursor::TextIndex() const { return int(GetText() - m_buffer.c_str()); }

int CKTSyntaxEditLexCursor::GetCharLengthBefore() const { return IsTrailByte(TextIndex() - 1) ? 2 : 1; }

bool CKTSyntaxEditLexCursor::IsCharStart(int offset) const { return !IsTrailByte(TextIndex() + offset); }

int CKTSyntaxEditLexCursor::RowSpan(int row) const
{
    if (row == m_pos.nRow)
        return m_nRowSpan;
    std::string text;
    m_source.GetRowText(row, text);
    if (m_bNoRows)
        return 0;
    return int(text.size() + m_strLineEnd.size()) + (row == m_nRows ? int(sizeof kFinalLineEnd - 1) : 0);
}

bool CKTSyntaxEditLexCursor::IsEnd() const { return m_pos.nRow >= m_nRows && m_pos.nCol >= m_nRowSpan; }

bool CKTSyntaxEditLexCursor::Seek(KT_EDIT_LEXPOS pos, const std::atomic<bool>* breakFlag)
{
    if (pos.nRow < 1 || pos.nRow > m_nRows)
        return false;
    if (breakFlag && breakFlag->load())
        return false;
    if (pos.nRow != m_pos.nRow)
    {
        LoadRow(pos.nRow, true);
    }
    else
    {
        ReadAhead();
        UpdateRowView();
    }
    m_pos.nCol = std::clamp(pos.nCol, 0, m_nRowSpan);
    return m_pos.nCol == pos.nCol;
}

void CKTSyntaxEditLexCursor::SeekNext(int chars)
{
    while (chars > 0 && !IsEnd())
    {
        int step = std::min(chars, m_nRowSpan - m_pos.nCol);
        m_pos.nCol += step;
        chars -= step;
        if (m_pos.nCol >= m_nRowSpan && m_pos.nRow < m_nRows)
            LoadRow(m_pos.nRow + 1, true);
        else if (step == 0)
            break;
    }
}

const char* CKTSyntaxEditLexCursor::GetText() const
{
    return m_pRow + std::clamp(m_pos.nCol + m_nLookAhead, -m_nBack, m_nReadable);
}

const char* CKTSyntaxEditLexCursor::GetText(int bytes)
{
    int wanted = m_pos.nCol + m_nLookAhead + bytes;
    if (wanted > m_nReadable && m_nNextRow <= m_nRows)
    {
        ReadAhead(wanted - m_nRowSpan);
        UpdateRowView();
    }
    return GetText();
}

int CKTSyntaxEditLexCursor::GetAvailableBefore() const { return m_pos.nCol + m_nLookAhead + m_nBackText; }

KT_EDIT_LEXPOS CKTSyntaxEditLexCursor::StepBack(KT_EDIT_LEXPOS pos) const
{
    if (pos.nCol > 0)
        return {pos.nRow, pos.nCol - 1};
    if (pos.nRow <= 1)
        return pos;
    return {pos.nRow - 1, std::max(0, RowSpan(pos.nRow - 1) - 1)};
}
