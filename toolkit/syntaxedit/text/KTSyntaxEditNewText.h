// A whole new text for a buffer, split into rows aside, a part at a time.
// Classes: CKTSyntaxEditNewText.
#pragma once

#include <afx.h>

#include <memory>

#include "KTSyntaxEditLineArray.h"
#include "KTSyntaxEditTextFile.h"

// Splitting a big text takes a while: its owner may read it in parts, answering its window between
// them, and then hand it to the buffer, which swaps the rows in as one edit.
class CKTSyntaxEditNewText
{
public:
    // The text is read where it is: it must outlive the object. It ends at nLength characters or at
    // a zero character, whichever comes first.
    CKTSyntaxEditNewText(LPCSTR pszText, int nLength);
    CKTSyntaxEditNewText(const CKTSyntaxEditNewText&) = delete;
    CKTSyntaxEditNewText& operator=(const CKTSyntaxEditNewText&) = delete;

    // Splits up to nRows more rows off the text; FALSE once all of it is split.
    BOOL ReadRows(int nRows);
    void ReadAll();
    BOOL IsEmpty() const { return m_nLength == 0; }
    // How much of the text is split, 0 to 100.
    int GetPercentRead() const;

    // The rows once all are split, moved out; the text's first line-end style, -1 when it has none.
    std::unique_ptr<CKTSyntaxEditLineArray> TakeRows();
    int GetLineEndStyle() const { return m_nFirstStyle; }

private:
    void Finish();

    int m_nLength;
    CKTSyntaxEditTextReader m_reader;
    std::unique_ptr<CKTSyntaxEditLineArray> m_pRows = std::make_unique<CKTSyntaxEditLineArray>();
    int m_nRow = 0;
    int m_nFirstStyle = -1;
    int m_nLastStyle = -1;
    BOOL m_bRead = FALSE;
};
