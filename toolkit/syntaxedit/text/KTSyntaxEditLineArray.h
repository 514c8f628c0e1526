// The rows of one text: each row's characters in one block, indexed from 1, element 0 never used.
// Classes: CKTSyntaxEditLineArray.
#pragma once

#include <afx.h>

#include <memory>
#include <vector>

// A big file has hundreds of thousands of rows, so a row costs two pointers and
// one block holding its length and characters; an empty row has no block. Rows
// appended to the end (a new text split into rows) have their blocks side by
// side in large arenas of the array: one allocation per row is what splitting
// a big text costs most.
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
    // Adds a row after the last one (row 1 of an empty array).
    void Append(LPCSTR pszText);
    // The same for nLength characters that need not end in a NUL.
    void Append(LPCSTR pText, int nLength);
    BOOL RemoveAt(int row);
    // Removes rows first..last inclusive in one move of the tail.
    void RemoveRange(int first, int last);
    BOOL DeleteChars(int row, int start, int count);
    BOOL InsertIntoLine(int row, int offset, LPCSTR pszText, BOOL bCreate, char chPad);
    void RemoveAll();
    // Exchanges the rows of both arrays without copying any.
    void Swap(CKTSyntaxEditLineArray& other);

private:
    class CRow
    {
    public:
        CRow() = default;
        explicit CRow(LPCSTR pszText);
        // A row whose block lies in the array's arena.
        static CRow InArena(const char* pBlock);
        int GetLength() const;
        LPCSTR GetText() const;

    private:
        const char* Block() const { return m_pBlock ? m_pBlock.get() : m_pArenaBlock; }

        std::unique_ptr<char[]> m_pBlock;     // the length as an int, then the characters and a NUL
        const char* m_pArenaBlock = nullptr;  // the same, kept by the array
    };

    const CRow* Find(int row) const;
    char* ArenaSpace(size_t nBytes);

    std::vector<CRow> m_arLines;
    std::vector<std::unique_ptr<char[]>> m_arenas;
    size_t m_nArenaUsed = 0;  // of the last arena
    size_t m_nArenaSize = 0;
};
