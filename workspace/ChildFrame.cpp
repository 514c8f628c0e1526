// The editor's child frame: a plain MDI child; the tab client takes its caption and borders.
#include "ChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
