// TreeView.h: finds a tree view (the designer's project tree, a dialog's folder tree) among another process's windows.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace treeview_detail
{
inline BOOL CALLBACK MatchTree(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    if (lstrcmp(szClass, WC_TREEVIEW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}
}  // namespace treeview_detail

// The first tree view below the frame; NULL while there is none.
inline HWND TreeViewOf(HWND hFrame)
{
    HWND hTree = nullptr;
    ::EnumChildWindows(hFrame, treeview_detail::MatchTree, reinterpret_cast<LPARAM>(&hTree));
    return hTree;
}
