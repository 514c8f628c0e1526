// KTControlRecentFileList.cpp: run-time class of the recent-file list's place holder.
#include "KTControlRecentFileList.h"

IMPLEMENT_DYNCREATE(CKTControlRecentFileList, CKTControlButton)
