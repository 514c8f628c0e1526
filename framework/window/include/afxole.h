// OLE initialisation for the application.
#pragma once
#include "afxwin.h"
#include <ole2.h>
