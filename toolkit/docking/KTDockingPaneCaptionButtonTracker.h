// KTDockingPaneCaptionButtonTracker.h: the modal loop of a caption button held down with the mouse.
//
// Functions: KTTrackCaptionButton.
#pragma once

#include <afxwin.h>

class CKTDockingPaneCaptionButton;

// Captures the mouse for pWnd and follows it until the button is released; TRUE when it is released over the
// button. bClientPoints: the points the window receives are client coordinates (else window coordinates).
BOOL KTTrackCaptionButton(CWnd* pWnd, CKTDockingPaneCaptionButton* pButton, CPoint pt, BOOL bClientPoints);
