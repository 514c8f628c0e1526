// PropertyGridTestsRes.h: the designer's field-page texts, as the grid tests load them.
#pragma once

#define IDS_FIELD_SETTINGS 712
#define IDS_FIELD_NAME 713
#define IDS_FIELD_UNIT 714
#define IDS_FIELD_DATATYPE 715
#define IDS_FIELD_MAXLENGTH 716
#define IDS_FIELD_MAXCOUNT 717
#define IDS_FIELD_RELATEDCOUNT 718
#define IDS_FIELD_TYPE 719
#define IDS_FIELD_ATTRIBUTE 721
#define IDS_FIELD_VARIANT 722
#define IDS_FIELD_RELATEDLENGTH 723
#define IDS_FIELD_TAG 724
