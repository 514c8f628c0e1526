// Window-layer internals shared by the files that create windows.
#pragma once
#include "afxwin.h"

// Makes the next window created on this thread pWnd's window.
void AfxHookWindowCreate(CWnd* pWnd);
// FALSE when the hook never saw the window (creation failed before it began).
BOOL AfxUnhookWindowCreate();

// The top-level window that owns a modal window: the parent given, else the
// main window, else the active one.
HWND AfxGetModalOwner(CWnd* pParentWnd);

// The procedure given to the dialog manager for dialogs that have an object.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
// The dialog template resource lpszName of hInst; nullptr when there is none.
LPCDLGTEMPLATE AfxLoadDialogTemplate(HINSTANCE hInst, LPCTSTR lpszName);
