// KTPropertyGridRes.h: resource ids of the property grid.
#pragma once

#define KT_IDR_PROPERTYGRID_TOOLBAR 9500
#define KT_ID_PROPERTYGRID_CATEGORIZED 9501
#define KT_ID_PROPERTYGRID_ALPHABETICAL 9502
