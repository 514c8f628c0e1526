// Character stream over a buffer's rows with look-back and a cancellable seek, for the lexer.
// Classes: CKTSyntaxEditBufferIterator.
#pragma once

#include <afxwin.h>

#include <unordered_map>
#include <vector>

#include "KTSmartPtr.h"
#include "KTSyntaxEditTextPos.h"

class CKTSyntaxEditBufferManager;

class CKTSyntaxEditBufferIterator : public CCmdTarget
{
public:
    enum
    {
        kMinBackOffset = 20,
        kBackOffsetOfBuffer = -1,  // the look-back the buffer's file type asks
    };
    // nBackOffset: bytes of look-back the lexer needs (at least kMinBackOffset are kept).
    explicit CKTSyntaxEditBufferIterator(CKTSyntaxEditBufferManager* pBuffer, int nBackOffset = kBackOffsetOfBuffer);
    ~CKTSyntaxEditBufferIterator() override;

    virtual LPCSTR GetEOL() const;
    virtual void SeekBegin();
    virtual BOOL SeekPos(const KT_EDIT_TEXTPOS& pos, HANDLE hCancelEvent = NULL);
    virtual LPCSTR GetText(int nBytes = 1);
    virtual LPCSTR SeekNext(int nChars = 1, int nBytesWanted = 0);
    virtual BOOL IsEOF() const { return m_bEOF; }
    virtual KT_EDIT_TEXTPOS GetPosition() const { return m_posCurrent; }
    virtual void StepBack(KT_EDIT_TEXTPOS& pos) const;
    virtual void StepForward(KT_EDIT_TEXTPOS& pos, int nChars) const;
    virtual int GetLineLenChars(int nRow, BOOL bWithLineEnd) const;
    virtual int GetLineLenBytes(int nRow, BOOL bWithLineEnd) const;
    virtual void SetStep(int nChars);
    virtual CString GetFileExt() const;

    // Bytes available from the current character to the end of the copied text.
    int GetAvailable() const { return m_nAvail; }

private:
    enum
    {
        kStartOffset = 10,
        kDropThreshold = 512,
        kGrowExtra = 1224,
    };

    BOOL CopyNextRow();
    int CopyRowToWindow(int nRow, int nEnd);
    void EnsureWindow(int nNeeded);
    int CachedLineLen(int nRow) const;
    int RowCount() const;
    int ReadRow(int nRow, char* pDest, int nCapacity) const;
    std::vector<char> ReadRow(int nRow) const;
    void DropConsumed();

    CKTSmartPtr<CKTSyntaxEditBufferManager> m_ptrBuffer;
    KT_EDIT_TEXTPOS m_posCurrent;               // row, 0-based column of the current character
    BOOL m_bEOF = FALSE;                        // no byte left at the read offset
    std::unordered_map<int, int> m_mapLineLen;  // row -> characters copied, line end included
    std::vector<char> m_arWindow;               // copied text with look-back before the read offset
    int m_nAvail = 0;                           // bytes from the read offset to the end of the copy
    int m_nNextRow = 1;                         // next row to copy
    int m_nReadOffset = 0;                      // offset of the current character in the window
    int m_nBackOffset;                          // look-back kept when consumed bytes are dropped
    int m_nLastStepChars = 0;                   // last step set by SetStep
    int m_nLastStepBytes = 0;                   // its size in bytes, negative backwards
};
