// The module that string resources come from, and CString::LoadString.
#include "afx.h"

namespace
{

HINSTANCE g_hResourceHandle = NULL;

}  // namespace

HINSTANCE AfxGetResourceHandle() { return g_hResourceHandle != NULL ? g_hResourceHandle : ::GetModuleHandleA(NULL); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResourceHandle = hInstResource; }

// A string resource may be longer than any first guess: grow until it fits.
BOOL CString::LoadString(UINT nID)
{
    for (int nSize = 256; nSize <= 65536; nSize *= 4)
    {
        std::string buffer((size_t)nSize, '\0');
        int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, &buffer[0], nSize);
        if (nLength <= 0)
            return FALSE;
        if (nLength < nSize - 1)
        {
            m_str.assign(buffer.data(), (size_t)nLength);
            return TRUE;
        }
    }
    return FALSE;
}
