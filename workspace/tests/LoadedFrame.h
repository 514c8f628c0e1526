// The designer's main frame inside a test: loaded and shown, so that its panes make their windows,
// and destroyed at the end of the test.
#pragma once

#include "MainFrame.h"

// Dispatches what is queued and runs the application's idle work, as its message loop does.
void PumpIdle();

struct LoadedFrame
{
    // The frame given (one that records what it does) or the program's own.
    explicit LoadedFrame(CMainFrame* pNewFrame = new CMainFrame);
    ~LoadedFrame();
    LoadedFrame(const LoadedFrame&) = delete;
    LoadedFrame& operator=(const LoadedFrame&) = delete;

    COfficeTreeCtrl& Tree() const { return pFrame->m_wndProjectTree.m_wndTree; }
    // Selects the project item with that caption, passing over the first project on the way.
    void Select(const char* pszProject) const;

    CMainFrame* pFrame;  // NULL when loading failed; the window deletes it
};
