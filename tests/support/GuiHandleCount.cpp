// The GDI objects, windows and menus the process holds, counted without GetGuiResources.
#include "GuiHandleCount.h"

#include <sstream>

namespace
{

const DWORD kHandleIndices = 0x10000;

std::map<DWORD, int> CountGdiObjects()
{
    std::map<DWORD, int> counts;
    for (DWORD nIndex = 0; nIndex < kHandleIndices; nIndex++)
        if (const DWORD dwType = ::GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(nIndex))))
            counts[dwType]++;
    return counts;
}

int CountMenus()
{
    // User handles advance by two; an odd low word names the same entry as the even one before it.
    int nCount = 0;
    for (DWORD nIndex = 0; nIndex < kHandleIndices; nIndex += 2)
        nCount += ::IsMenu(reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(nIndex))) ? 1 : 0;
    return nCount;
}

bool IsOwn(HWND hWnd)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    return dwProcess == ::GetCurrentProcessId();
}

// Windows the system makes for a thread on its own: the input method's default window with the thread's
// first window, and the COM apartment's window, which Wine's input method makes when it starts COM for the
// thread at its first activation. That activation may come late, from the display's focus event, so the
// window appears whenever it does; both go with the thread's last window. No code under test makes them.
bool IsMadeBySystem(HWND hWnd)
{
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return lstrcmpA(szClass, "IME") == 0 || lstrcmpA(szClass, "OleMainThreadWndClass") == 0;
}

BOOL CALLBACK CountChild(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountTree(HWND hWnd, LPARAM lParam)
{
    if (!IsOwn(hWnd) || IsMadeBySystem(hWnd))
        return TRUE;
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}

int CountWindows()
{
    int nCount = 0;
    ::EnumWindows(CountTree, reinterpret_cast<LPARAM>(&nCount));
    for (HWND hWnd = ::FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); hWnd;
         hWnd = ::FindWindowExA(HWND_MESSAGE, hWnd, nullptr, nullptr))
        CountTree(hWnd, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

const char* GdiTypeName(DWORD dwType)
{
    static const char* const kNames[] = {"?",
                                         "pen",
                                         "brush",
                                         "DC",
                                         "metafile DC",
                                         "palette",
                                         "font",
                                         "bitmap",
                                         "region",
                                         "metafile",
                                         "memory DC",
                                         "extended pen",
                                         "enhanced metafile DC",
                                         "enhanced metafile",
                                         "colour space"};
    return dwType < sizeof kNames / sizeof kNames[0] ? kNames[dwType] : "?";
}

void AddGrowth(std::ostringstream& text, int nGrowth, const char* pszWhat)
{
    if (nGrowth <= 0)
        return;
    text << (text.tellp() > 0 ? ", " : "") << nGrowth << " " << pszWhat;
}

}  // namespace

CGuiHandleCount CGuiHandleCount::Take()
{
    // Windows first: the first enumeration of a thread may make objects of its own.
    CGuiHandleCount count;
    count.nWindows = CountWindows();
    count.nMenus = CountMenus();
    count.gdiByType = CountGdiObjects();
    return count;
}

std::string CGuiHandleCount::GrowthSince(const CGuiHandleCount& before) const
{
    std::ostringstream text;
    for (const auto& [dwType, nCount] : gdiByType)
    {
        const auto itBefore = before.gdiByType.find(dwType);
        AddGrowth(text, nCount - (itBefore == before.gdiByType.end() ? 0 : itBefore->second), GdiTypeName(dwType));
    }
    AddGrowth(text, nWindows - before.nWindows, "window(s)");
    AddGrowth(text, nMenus - before.nMenus, "menu(s)");
    return text.str();
}
