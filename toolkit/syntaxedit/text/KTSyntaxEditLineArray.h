// The rows of one text: owned strings indexed from 1, element 0 never used.
// Classes: CKTSyntaxEditLineArray.
#pragma once

#include <afx.h>

#include <memory>
#include <vector>

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
    // The row's string, NULL when out of range or never set.
    const CString* PeekAt(int row) const;
    int GetLengthAt(int row) const;
    CString* GetLineAt(int row, BOOL bCreate);
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
    void GrowTo(int size);

    std::vector<std::unique_ptr<CString>> m_arLines;  // NULL elements read as ""
};
