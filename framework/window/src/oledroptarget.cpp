// Drop targets: the registered COM object forwards a drag to its window,
// in the window's client co-ordinates.
#include "afxole.h"
#include "ole_internal.h"
#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

// Owned by its COleDropTarget, which revokes it before going.
class COleDropTarget::XDropTarget final : public IDropTarget
{
public:
    explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        return AfxQueryOneInterface<IDropTarget>(this, riid, IID_IDropTarget, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // No exception may unwind through the system's drag loop: a failing
    // handler is reported and the drag refused.
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        pDataObj->AddRef();
        m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
        *pdwEffect &=
            Guarded([&](CWnd* pWnd)
                    { return m_pOwner->OnDragEnter(pWnd, &m_pOwner->m_dataObject, grfKeyState, ClientPoint(pt)); });
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        *pdwEffect &=
            Guarded([&](CWnd* pWnd)
                    { return m_pOwner->OnDragOver(pWnd, &m_pOwner->m_dataObject, grfKeyState, ClientPoint(pt)); });
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        Guarded(
            [&](CWnd* pWnd)
            {
                m_pOwner->OnDragLeave(pWnd);
                return DROPEFFECT_NONE;
            });
        m_pOwner->m_dataObject.Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        m_pOwner->m_dataObject.Release();
        pDataObj->AddRef();
        m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
        DWORD dwAllowed = *pdwEffect;
        *pdwEffect = Guarded([&](CWnd* pWnd) { return DropOn(pWnd, grfKeyState, ClientPoint(pt), dwAllowed); });
        m_pOwner->m_dataObject.Release();
        return S_OK;
    }

private:
    CWnd* Window() const { return CWnd::FromHandle(m_pOwner->m_hWnd); }
    // The handler's effect for the registered window; none without one, or
    // when the handler failed.
    template <class F>
    DROPEFFECT Guarded(F&& handler) const
    {
        CWnd* pWnd = Window();
        DROPEFFECT dropEffect = DROPEFFECT_NONE;
        if (pWnd)
            AfxCallGuarded([&] { dropEffect = handler(pWnd); });
        return dropEffect;
    }
    DROPEFFECT DropOn(CWnd* pWnd, DWORD grfKeyState, CPoint point, DWORD dwAllowed)
    {
        DROPEFFECT dropEffect = m_pOwner->OnDragOver(pWnd, &m_pOwner->m_dataObject, grfKeyState, point) & dwAllowed;
        if (dropEffect == DROPEFFECT_NONE)
        {
            m_pOwner->OnDragLeave(pWnd);
            return DROPEFFECT_NONE;
        }
        DROPEFFECT dropResult = m_pOwner->OnDropEx(pWnd, &m_pOwner->m_dataObject, dropEffect, dwAllowed, point);
        if (dropResult != (DROPEFFECT)-1)
            return dropResult;
        return m_pOwner->OnDrop(pWnd, &m_pOwner->m_dataObject, dropEffect, point) ? dropEffect : DROPEFFECT_NONE;
    }
    CPoint ClientPoint(POINTL pt) const
    {
        CPoint point(pt.x, pt.y);
        ::ScreenToClient(m_pOwner->m_hWnd, &point);
        return point;
    }
    COleDropTarget* m_pOwner;
};

COleDropTarget::COleDropTarget() : m_pDropTarget(new XDropTarget(this)) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    delete m_pDropTarget;
}

IDropTarget* COleDropTarget::GetDropTarget() { return m_pDropTarget; }

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (!pWnd || !pWnd->m_hWnd)
        return FALSE;
    Revoke();
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, m_pDropTarget)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_hWnd)
        return;
    // The window may be gone already; the registration goes with it then.
    if (::IsWindow(m_hWnd))
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CView* pView = dynamic_cast<CView*>(pWnd);
    return pView ? pView->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CView* pView = dynamic_cast<CView*>(pWnd);
    return pView ? pView->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CView* pView = dynamic_cast<CView*>(pWnd);
    return pView && pView->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    CView* pView = dynamic_cast<CView*>(pWnd);
    return pView ? pView->OnDropEx(pDataObject, dropDefault, dropList, point) : (DROPEFFECT)-1;
}

void COleDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (CView* pView = dynamic_cast<CView*>(pWnd))
        pView->OnDragLeave();
}
