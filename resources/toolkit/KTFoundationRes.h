// KTFoundationRes.h: resource ids of the toolkit foundation's own resources.
#pragma once

#define KT_IDC_DIVIDER 9970
#define KT_IDC_SPLITTER 9971
// Over the edge of a bar control whose width a customise drag changes.
#define KT_IDC_CUSTOMIZE_RESIZE 9972
#define KT_IDC_HAND 9973
