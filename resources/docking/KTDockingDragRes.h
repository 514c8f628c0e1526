// KTDockingDragRes.h: resource ids of the docking drag stickers and the window selector (its strings live
// in KTDocking.rc).
#pragma once

#define KT_IDB_DOCKING_STICKERS_BACKGROUND 9451
#define KT_IDB_DOCKING_STICKERS_ARROWS 9452
#define KT_IDB_DOCKING_STICKERS_OLIVE 9453
#define KT_IDB_DOCKING_STICKERS_SILVER 9454
#define KT_IDB_DOCKING_STICKERS_9 9455
#define KT_IDS_DOCKING_ACTIVE_TOOL_WINDOWS 9461
#define KT_IDS_DOCKING_ACTIVE_FILES 9462
