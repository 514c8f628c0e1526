// KTCommandBarsRes.h: resource ids of the command bars.
#pragma once

#define KT_IDB_MDI_SYSCOMMANDS 9102
