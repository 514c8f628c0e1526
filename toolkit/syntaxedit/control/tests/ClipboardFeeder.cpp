// Another program's clipboard text: the bytes of the first argument, in a block without a terminating zero.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2 || !::OpenClipboard(NULL))
        return 1;
    ::EmptyClipboard();
    SIZE_T nBytes = strlen(argv[1]);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    void* pData = hData ? ::GlobalLock(hData) : NULL;
    if (pData)
    {
        memcpy(pData, argv[1], nBytes);
        ::GlobalUnlock(hData);
    }
    BOOL bSet = pData && ::SetClipboardData(CF_TEXT, hData) != NULL;
    ::CloseClipboard();
    return bSet ? 0 : 1;
}
