// Texts held as resources of the program.
#include "KTLexResources.h"

#ifdef _WIN32
#include "KTResourceManager.h"

bool KTLexLoadResourceText(int id, std::string& text)
{
    if (id < 1 || id > 0xFFFF)  // resource ids are 16-bit
        return false;
    CString resource;
    if (!KTResourceManager()->LoadHTML(&resource, WORD(id)))
        return false;
    text.assign(resource.GetString(), size_t(resource.GetLength()));
    return true;
}
#else
bool KTLexLoadResourceText(int, std::string&) { return false; }
#endif
