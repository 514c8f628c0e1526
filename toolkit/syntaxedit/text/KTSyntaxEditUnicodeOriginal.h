// What a UTF-16 file held that its ANSI rows could not: kept so that a save loses none of it.
// Classes: CKTSyntaxEditUnicodeOriginal, CKTSyntaxEditStoreRefused.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

#include "KTSyntaxEditLineArray.h"

// Kept by a buffer only when its rows lost characters on the way from the file. While the rows are as
// they were read, the file's own bytes are what a save writes; once they changed, the file they came
// from must not be overwritten with them.
class CKTSyntaxEditUnicodeOriginal
{
public:
    // The file's bytes and the rows read from them; the file's path, when it has one, to know it again.
    CKTSyntaxEditUnicodeOriginal(std::string bytes, const CKTSyntaxEditLineArray& rows, int nLineEndStyle,
                                 LPCSTR pszPath);

    const std::string& GetBytes() const { return m_bytes; }
    BOOL IsUnchanged(const CKTSyntaxEditLineArray& rows, int nLineEndStyle) const;
    // Whether writing to the path would replace the file the text was read from, or a file these bytes
    // were saved to since; TRUE when the first is not known, since nothing then tells the files apart.
    BOOL IsReadFrom(LPCSTR pszPath) const;
    // The bytes were saved to the path: a save that replaces the file there by another keeps them there.
    void NoteSavedTo(LPCSTR pszPath);

private:
    BOOL IsSavedTo(const CString& strFullPath) const;

    std::string m_bytes;  // the whole file, mark included
    std::string m_rows;   // each row read, followed by a LF (rows hold none)
    int m_nRowCount;
    int m_nLineEndStyle;
    BOOL m_bIdentity = FALSE;  // the file was found: the three fields below name it
    DWORD m_dwVolume = 0;
    DWORD m_dwIndexHigh = 0;
    DWORD m_dwIndexLow = 0;
    std::vector<CString> m_savedTo;  // full paths
};

// Thrown by a save through an archive that was refused; its message says why.
class CKTSyntaxEditStoreRefused : public CException
{
public:
    explicit CKTSyntaxEditStoreRefused(const CString& strWhy) : m_strWhy(strWhy) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

private:
    CString m_strWhy;
};
