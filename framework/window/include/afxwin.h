// The framework's window layer: geometry, GDI, message maps, windows,
// controls, dialogs, the application, frames, documents and views.
#pragma once
#include "afx.h"
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include "afxres.h"
#include "afxwin_geometry.h"
#include "afxwin_gdi.h"
#include "afxwin_cmdtarget.h"
#include "afxwin_menu.h"
#include "afxwin_wnd.h"
#include "afxwin_msgmacros.h"
#include "afxwin_controls.h"
#include "afxwin_dialog.h"
#include "afxwin_app.h"
#include "afxwin_frame.h"
#include "afxwin_doc.h"
#include "afxwin_miniframe.h"
