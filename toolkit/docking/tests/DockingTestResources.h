// DockingTestResources.h: resource ids of the docking tests.
#pragma once

#define KT_IDB_TEST_PANE_ICONS 9490
