// KTResourceCursor.h: a cursor made from an image held as raw data (RCDATA: hot spot,
// then the image) in the program's resources, destroyed with its holder.
// Classes: CKTResourceCursor.
#pragma once

#include <windows.h>

class CKTResourceCursor
{
public:
    explicit CKTResourceCursor(UINT nID);
    ~CKTResourceCursor();
    CKTResourceCursor(const CKTResourceCursor&) = delete;
    CKTResourceCursor& operator=(const CKTResourceCursor&) = delete;

    HCURSOR GetHandle() const { return m_hCursor; }

private:
    HCURSOR m_hCursor = NULL;
};
