// FoundationTestsRes.h: ids of the foundation tests' resources.
#pragma once

#define IDR_TEST_PIXELS 501
#define IDR_TEST_STRIP 502
#define IDR_TEST_HTML 503
#define IDR_TEST_BITMAP_ONLY 504
#define IDR_TEST_ALPHA_BITMAP 505
#define IDS_TEST_TEXT 601
#define IDS_TEST_NEIGHBOUR 602
#define IDS_TEST_MISSING 603
#define IDD_TEST_DIALOG 701
