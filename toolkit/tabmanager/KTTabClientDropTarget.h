// KTTabClientDropTarget.h: what the tab client does while something is dragged over it by OLE drag and drop.
//
// Classes: CKTTabClientDropTarget.
#pragma once

#include <afxole.h>

class CKTTabClientWnd;

// Hovering a tab that is not selected brings its child forward, so a drag can reach into that child; the
// client itself takes no drop.
class CKTTabClientDropTarget : public COleDropTarget
{
public:
    explicit CKTTabClientDropTarget(CKTTabClientWnd* pClient) : m_pClient(pClient) {}

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

private:
    CKTTabClientWnd* m_pClient;  // owns this target
};
