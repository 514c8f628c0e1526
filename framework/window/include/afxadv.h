// CRecentFileList: the most-recently-used files, their menu items and their
// profile entries.
#pragma once
#include <vector>
#include "afxwin.h"

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 30);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    virtual void Remove(int nIndex);
    virtual void Add(LPCTSTR lpszPathName);
    // The menu text of one entry: "&1 name", shortened, relative to lpszCurDir.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    CString m_strOriginal;  // the menu text shown while the list is empty

protected:
    int m_nSize;
    std::vector<CString> m_arrNames;
};
