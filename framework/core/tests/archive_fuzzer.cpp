// Fuzz target: loads arbitrary bytes as an archive of strings, collections and an object graph.
// Any outcome but success or a CArchiveException is a fault.
#include "afxcoll.h"

#include <cstdint>
#include <set>
#include <vector>

namespace
{

// Every node lives in one pool that frees them all after each input, so
// that a damaged graph (any shape of references) cannot leak or double-free.
class CFuzzNode : public CObject
{
    DECLARE_SERIAL(CFuzzNode)
public:
    CFuzzNode() { Pool().insert(this); }
    ~CFuzzNode() { Pool().erase(this); }

    static std::set<CFuzzNode*>& Pool()
    {
        static std::set<CFuzzNode*> s_pool;
        return s_pool;
    }
    static void FreeAll()
    {
        while (!Pool().empty())
            delete *Pool().begin();
    }

    void Serialize(CArchive& ar)
    {
        ar >> m_strName >> m_nValue;
        m_pPartner = ar.ReadObject(RUNTIME_CLASS(CFuzzNode));
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n)
            m_children.push_back(ar.ReadObject(RUNTIME_CLASS(CFuzzNode)));
    }

    CString m_strName;
    int m_nValue = 0;
    CObject* m_pPartner = NULL;
    std::vector<CObject*> m_children;
};
IMPLEMENT_SERIAL(CFuzzNode, CObject, VERSIONABLE_SCHEMA | 1)

void LoadAll(CArchive& ar)
{
    CString str;
    ar >> str;
    CFuzzNode* pNode = NULL;
    ar >> pNode;
    CStringArray strings;
    strings.Serialize(ar);
    CMapStringToString map;
    map.Serialize(ar);
    CDWordArray numbers;
    numbers.Serialize(ar);
    CString line;
    while (ar.ReadString(line))
    {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> copy(data, data + size);  // exactly the input, nothing after it
    CMemFile file(copy.data(), (UINT)copy.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        LoadAll(ar);
    }
    catch (CArchiveException* e)
    {
        e->Delete();
    }
    CFuzzNode::FreeAll();
    return 0;
}
