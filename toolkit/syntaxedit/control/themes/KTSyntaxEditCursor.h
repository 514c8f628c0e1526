// A cursor made from an image held as raw data in the program's resources, destroyed with its holder.
// Classes: CKTSyntaxEditCursor.
#pragma once

#include <windows.h>

class CKTSyntaxEditCursor
{
public:
    explicit CKTSyntaxEditCursor(UINT nID);
    ~CKTSyntaxEditCursor();
    CKTSyntaxEditCursor(const CKTSyntaxEditCursor&) = delete;
    CKTSyntaxEditCursor& operator=(const CKTSyntaxEditCursor&) = delete;

    HCURSOR GetHandle() const { return m_hCursor; }

private:
    HCURSOR m_hCursor = NULL;
};
