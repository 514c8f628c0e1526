// WrenfoldDoc.h: the document of an editor window.
//
// Classes: CwrenfoldDoc.
#pragma once
#include "KTSyntaxEditDoc.h"

class CwrenfoldDoc : public CKTSyntaxEditDoc
{
    DECLARE_DYNCREATE(CwrenfoldDoc)
public:
    // Saved through "<file>.tmp" like the project file, so that a save killed midway leaves a
    // temporary that the next open or save of the project knows as its own and removes. A failed
    // save says why and leaves the document modified.
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    // The same save, silent: FALSE with why (naming the file) when it failed, for a caller that tells
    // the user of several failures at once.
    BOOL SaveTo(LPCTSTR lpszPathName, CString* pError);

private:
    BOOL WriteRows(LPCTSTR lpszPathName, CString* pError);
    void MarkSaved(LPCTSTR lpszPathName);
};
