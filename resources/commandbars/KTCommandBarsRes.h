// KTCommandBarsRes.h: resource ids of the command bars.
#pragma once

#define KT_IDB_MDI_SYSCOMMANDS 9102
#define KT_IDS_TOOLBAR_CHANGED 9177
