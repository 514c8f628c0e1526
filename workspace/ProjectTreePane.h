// ProjectTreePane.h: the "Solution Explorer" pane's window: the project tree and its root.
//
// Classes: CProjectTreePane.
#pragma once
#include "OfficeTreeCtrl.h"

class CProjectTreePane : public CWnd
{
public:
    COfficeTreeCtrl m_wndTree;
    CImageList m_imageList;  // the pane's own images, until the frame gives its list
    HTREEITEM m_hRoot = nullptr;

    // The caption of the root item.
    static const char* const kRootCaption;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateImageList();
    void InsertRoot();
};
