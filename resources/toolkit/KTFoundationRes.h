// KTFoundationRes.h: resource ids of the toolkit foundation's own resources.
#pragma once

#define KT_IDC_DIVIDER 9970
#define KT_IDC_SPLITTER 9971
#define KT_IDC_HAND 9973
