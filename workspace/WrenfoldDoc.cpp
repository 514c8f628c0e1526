// The editor's document: the syntax-edit document under the designer's own class name.
#include "WrenfoldDoc.h"

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)
