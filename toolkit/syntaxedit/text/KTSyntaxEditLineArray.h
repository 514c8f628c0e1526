// The rows of one text: each row's characters in one block, indexed from 1, element 0 never used.
// Classes: CKTSyntaxEditLineArray.
#pragma once

#include <afx.h>

#include <memory>
#include <vector>

// A big file has hundreds of thousands of rows, so a row costs one pointer and
// one block holding its length and characters; an empty row has no block.
class CKTSyntaxEditLineArray
{
public:
    CKTSyntaxEditLineArray() = default;
    CKTSyntaxEditLineArray(const CKTSyntaxEditLineArray&) = delete;
    CKTSyntaxEditLineArray& operator=(const CKTSyntaxEditLineArray&) = delete;

    // Element count: the last row is GetSize() - 1; an empty text has size 0.
    int GetSize() const { return int(m_arLines.size()); }
    int GetRowCount() const { return m_arLines.empty() ? 0 : GetSize() - 1; }

    CString GetAt(int row) const;
    // The row's characters, NUL-terminated; "" when out of range or empty.
    LPCSTR GetTextAt(int row) const;
    int GetLengthAt(int row) const;
    // Beyond the last row, the rows between are added empty.
    void SetAt(int row, LPCSTR pszText);
    void InsertAt(int row, LPCSTR pszText);
    BOOL RemoveAt(int row);
    // Removes rows first..last inclusive in one move of the tail.
    void RemoveRange(int first, int last);
    BOOL DeleteChars(int row, int start, int count);
    BOOL InsertIntoLine(int row, int offset, LPCSTR pszText, BOOL bCreate, char chPad);
    void RemoveAll();
    // Exchanges the rows of both arrays without copying any.
    void Swap(CKTSyntaxEditLineArray& other) { m_arLines.swap(other.m_arLines); }

private:
    class CRow
    {
    public:
        CRow() = default;
        explicit CRow(LPCSTR pszText);
        int GetLength() const;
        LPCSTR GetText() const;

    private:
        std::unique_ptr<char[]> m_pBlock;  // the length as an int, then the characters and a NUL
    };

    const CRow* Find(int row) const;

    std::vector<CRow> m_arLines;
};
