// SettingsPageItems.h: the items of the settings pane's four pages.
#pragma once
#include "ProtocolSettingsPane.h"

// Adds the page's category and items to a grid just created.
void BuildSettingsPage(CKTPropertyGrid& grid, CProtocolSettingsPane::EPage page);

// TRUE when the item's value is one of its list's texts, compared exactly.
BOOL IsListedValue(CKTPropertyGridItem* pItem);
