// KBMaskEdit.h: an edit whose text follows an input mask over a literal.
//
// Classes: CKBMaskEditT, CKBMaskEdit.
#pragma once

#include <afxwin.h>

// Mask characters: 'L' a letter, 'A' a letter or digit, 'H' a hexadecimal
// digit; any other mask character is fixed text taken from the literal.
// The window text always shows the whole literal, with the prompt
// character in every input position not filled.
class CKBMaskEditT : public CEdit
{
public:
    CKBMaskEditT();
    ~CKBMaskEditT() override;

    // FALSE when mask and literal differ in length.
    virtual BOOL SetEditMask(LPCSTR lpszMask, LPCSTR lpszLiteral, LPCSTR lpszDefault = NULL);
    void SetPromptChar(char chPrompt);
    char GetPromptChar() const { return m_chPrompt; }
    BOOL IsMaskOn() const { return m_bUseMask; }

    // The literal with the text's characters placed into the input positions.
    CString FitTextToLiteral(LPCSTR lpszText) const;
    // The nearest input position at or after (before, when !bForward) nPos; -1 when none.
    int CorrectPosition(int nPos, BOOL bForward = TRUE) const;
    // Shows the current text again, keeping the shown text for undo when asked.
    void UpdateWindowText(BOOL bSaveUndo = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PreSubclassWindow() override;

    // The grid's in-place edit passes on every key it leaves alone.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    virtual BOOL IsInputPosition(int nPos) const;
    virtual BOOL CheckChar(char ch, int nPos) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bUseMask;          // masking on
    CString m_strMask;        // one mask character a position
    CString m_strLiteral;     // fixed text and prompt positions
    CString m_strDefault;     // the text given with the mask
    CString m_strWindowText;  // what the window shows
    CString m_strUndoText;    // the text before the last edit
    char m_chPrompt;          // shown in unfilled input positions

private:
    // Places text from nStart on, stepping over fixed text it matches; stops
    // at the first character that does not fit. Returns the next position.
    int PlaceText(CString& strTarget, int nStart, LPCSTR lpszText) const;
    void ApplyText(const CString& strText, int nCaret);
    CString TextWithoutRange(int nStart, int nEnd) const;
    void ShowMaskedText();
    void ClearRange(int nStart, int nEnd);
    void DeleteAt(int nPos);
    void InsertChar(char ch);
    void Backspace();
    void DeleteForward();
    BOOL GetSelection(int& nStart, int& nEnd) const;
    // The first input position still showing the prompt; -1 when the input is full.
    int FirstUnfilledPosition() const;
    BOOL IsReadOnly() const;
};

// The masked edit of the dialogs; it destroys its window with itself.
class CKBMaskEdit : public CKBMaskEditT
{
public:
    ~CKBMaskEdit() override;
};
