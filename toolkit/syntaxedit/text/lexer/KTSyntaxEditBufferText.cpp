// A buffer's rows as the lexer reads them.
#include "KTSyntaxEditBufferText.h"

#include <algorithm>
#include <cstring>

namespace
{

const size_t kFirstRowGuess = 256;

}  // namespace

int CKTSyntaxEditBufferText::GetRowCount() const
{
    CKTSyntaxEditRowReadLock lock(m_buffer.GetRowLock());
    return m_buffer.GetRowCount();
}

// The row goes straight into the caller's string, sized beforehand, so that
// nothing is allocated while the lock is held; a row that grew meanwhile is
// copied again.
bool CKTSyntaxEditBufferText::GetRowText(int row, std::string& text) const
{
    text.resize(std::max(text.capacity(), kFirstRowGuess));
    for (;;)
    {
        int needed = 0;
        size_t lineEnd = 0;
        {
            CKTSyntaxEditRowReadLock lock(m_buffer.GetRowLock());
            needed = m_buffer.CopyLineText(row, &text[0], int(text.size()));
            lineEnd = strlen(m_buffer.GetLineEndText());
        }
        if (needed < 0)
        {
            text.clear();
            return false;
        }
        if (size_t(needed) <= text.size())
        {
            text.resize(size_t(needed) - lineEnd);
            return true;
        }
        text.resize(size_t(needed));
    }
}

// The line ends are constant texts: only the choice is read under the lock.
std::string CKTSyntaxEditBufferText::GetLineEnd() const
{
    LPCSTR lineEnd = nullptr;
    {
        CKTSyntaxEditRowReadLock lock(m_buffer.GetRowLock());
        lineEnd = m_buffer.GetLineEndText();
    }
    return lineEnd;
}

std::string CKTSyntaxEditBufferText::GetFileType() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_strFileType;
}

void CKTSyntaxEditBufferText::SetFileType(const std::string& fileType)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_strFileType = fileType;
}
