// The designer program's one application object.
#include "WrenfoldApp.h"

CwrenfoldApp theApp;
