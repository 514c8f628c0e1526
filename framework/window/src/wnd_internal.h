// Window-layer internals shared by the files that create windows.
#pragma once
#include <exception>
#include "afxwin.h"

// Makes the next window created on this thread pWnd's window.
void AfxHookWindowCreate(CWnd* pWnd);
// Stops waiting for the window; FALSE when the hook never attached it
// (creation failed before it began).
BOOL AfxEndWindowCreateHook();

// How far the creation of a window for an object came.
enum class AfxCreateOutcome
{
    NeverAttached,        // no window reached the object; PostNcDestroy has run
    DestroyedInCreation,  // the window existed and is gone again with its menu
    Created
};
// Creates pWnd's window from cs after its PreCreateWindow.
AfxCreateOutcome AfxCreateHookedWindow(CWnd* pWnd, CREATESTRUCT& cs);

// Tells the user of the framework exception that ended a handler, and
// deletes it.
void AfxReportHandlerException(CException* e);
// Tells the user of any other exception that ended a handler, and what the
// handler was doing: the standard exception's text, "not enough memory" for
// std::bad_alloc; NULL for an exception of no standard kind.
void AfxReportStandardException(const std::exception* e);

// Runs work so that no exception leaves it: system code that called us
// (window procedures, hooks, COM callbacks) cannot unwind one. FALSE when
// work failed; the user has been told.
template <class F>
BOOL AfxCallGuarded(F&& work)
{
    try
    {
        work();
        return TRUE;
    }
    catch (CException* e)
    {
        AfxReportHandlerException(e);
    }
    catch (const std::exception& e)
    {
        AfxReportStandardException(&e);
    }
    catch (...)
    {
        AfxReportStandardException(nullptr);
    }
    return FALSE;
}

// The top-level window that owns a modal window: the parent given, else the
// main window, else the active one.
HWND AfxGetModalOwner(CWnd* pParentWnd);

// The procedure given to the dialog manager for dialogs that have an object.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
// The dialog template resource lpszName of hInst; nullptr when there is none.
LPCDLGTEMPLATE AfxLoadDialogTemplate(HINSTANCE hInst, LPCTSTR lpszName);
