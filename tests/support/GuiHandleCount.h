// The GDI objects, windows and menus the process holds, counted without GetGuiResources.
#pragma once

#include <windows.h>

#include <map>
#include <string>

// GetGuiResources is a stub under Wine. GDI objects are found by asking the type of every handle
// index (a handle's low word selects its table entry); windows by enumeration, without those the system
// makes for a thread on its own time; menus by index.
struct CGuiHandleCount
{
    std::map<DWORD, int> gdiByType;  // GetObjectType's OBJ_* value -> objects of that type
    int nWindows = 0;
    int nMenus = 0;

    static CGuiHandleCount Take();
    // What this count holds beyond the earlier one, e.g. "1 pen, 2 windows"; empty when nothing.
    std::string GrowthSince(const CGuiHandleCount& before) const;
};
