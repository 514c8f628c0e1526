// Reading text: the UTF-16 guess and the line reader for ANSI and UTF-16 files or memory.
// Classes: CKTSyntaxEditTextReader.
#pragma once

#include <afx.h>

#include <vector>

class CKTSyntaxEditTextReader
{
public:
    // Reads the file from its current position on.
    CKTSyntaxEditTextReader(CFile* pFile, BOOL bUnicode);
    // Reads ANSI text held in memory where it is: the text must outlive the reader.
    CKTSyntaxEditTextReader(LPCSTR pszText, int nLength);
    CKTSyntaxEditTextReader(const CKTSyntaxEditTextReader&) = delete;
    CKTSyntaxEditTextReader& operator=(const CKTSyntaxEditTextReader&) = delete;

    // Decides the encoding from the start of the file and leaves the file
    // where the text starts (after a FF FE mark).
    static BOOL DetectUnicode(CFile* pFile);
    // The content test alone, over up to 1024 bytes, 16-bit units low byte first.
    static BOOL LooksLikeUnicode(const BYTE* pData, int nBytes);

    // One line without its end; nStyle gets the style of its end, -1 when the
    // line ended at a zero character or at the end of the text. FALSE at the end.
    BOOL ReadLine(CString& strLine, int& nStyle);
    // The same for text in memory without copying the line: its characters stay in the text, not
    // NUL-terminated.
    BOOL ReadLine(LPCSTR& pLine, int& nLength, int& nStyle);
    // Bytes of a text in memory taken by the lines read so far.
    int GetOffset() const { return m_nHead; }
    // Whether a UTF-16 character read so far has no ANSI form and came out as another one.
    BOOL HasLostCharacters() const { return m_bLost; }

private:
    enum
    {
        kChunk = 4096
    };

    int Peek(int nAhead);
    void Skip(int nUnits);
    // The first unit from nAhead on, among those buffered, that is 0, CR or LF; the count of
    // buffered units when none is.
    int SkipPlainUnits(int nAhead) const;
    // The units of the next line from the head, buffered whole; the unit that ends it, -1 at the end.
    int FindLineEnd(int& nUnits);
    // Steps over the line end c that FindLineEnd gave; its style, -1 for a zero character.
    int SkipLineEnd(int c);
    BOOL Fill();
    void AppendUnits(CString& strLine, int nUnits);

    CFile* m_pFile = NULL;    // NULL when reading memory
    BOOL m_bUnicode = FALSE;  // 16-bit units, low byte first
    int m_nUnitSize = 1;
    std::vector<BYTE> m_arBuffer;  // what was read of the file
    const BYTE* m_pData = NULL;    // the buffer, or the text in memory
    size_t m_nSize = 0;
    int m_nHead = 0;       // next unread byte of the data
    BOOL m_bLost = FALSE;  // see HasLostCharacters
};
