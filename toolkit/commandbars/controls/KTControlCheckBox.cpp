// KTControlCheckBox.cpp: the run-time classes of the mark controls; the paint manager draws their marks.
#include "KTControlCheckBox.h"

IMPLEMENT_DYNCREATE(CKTControlCheckBox, CKTControlButton)
IMPLEMENT_DYNCREATE(CKTControlRadioButton, CKTControlButton)
