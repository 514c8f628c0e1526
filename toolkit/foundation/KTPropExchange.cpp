// KTPropExchange.cpp: the exchange's typed values, sections, enumerators and archive stream.
#include "KTPropExchange.h"

#include <string.h>

#include <vector>

namespace
{

// Marks an archive written with a schema number; archives without it are older.
const DWORD g_dwSchemaMarker = 0x4D484353;
// Longer strings or blobs are taken for corruption rather than allocated.
const DWORD g_dwMaxLength = 64 * 1024 * 1024;

UINT SizeOfType(VARTYPE vtProp)
{
    switch (vtProp)
    {
    case VT_I1:
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_UI2:
        return 2;
    case VT_BOOL:
    case VT_I4:
    case VT_UI4:
        return 4;
    default:
        return 0;
    }
}

}  // namespace

// The bytes under every section of one exchange: the archive, a few bytes
// read ahead and given back, and whether a read has failed.
class CKTPropExchangeStream
{
public:
    explicit CKTPropExchangeStream(CArchive* pArchive) : m_pArchive(pArchive), m_bFailed(FALSE) {}

    BOOL Write(const void* pData, UINT cb)
    {
        if (m_bFailed)
            return FALSE;
        try
        {
            m_pArchive->Write(pData, cb);
            return TRUE;
        }
        catch (CException* e)
        {
            e->Delete();
            m_bFailed = TRUE;
            return FALSE;
        }
    }

    BOOL Read(void* pData, UINT cb)
    {
        if (m_bFailed)
            return FALSE;
        BYTE* pOut = static_cast<BYTE*>(pData);
        UINT cbAhead = static_cast<UINT>(m_readAhead.size()) < cb ? static_cast<UINT>(m_readAhead.size()) : cb;
        memcpy(pOut, m_readAhead.data(), cbAhead);
        m_readAhead.erase(m_readAhead.begin(), m_readAhead.begin() + cbAhead);
        try
        {
            if (cb > cbAhead)
                m_pArchive->EnsureRead(pOut + cbAhead, cb - cbAhead);
            return TRUE;
        }
        catch (CException* e)
        {
            e->Delete();
            m_bFailed = TRUE;
            return FALSE;
        }
    }

    void GiveBack(const void* pData, UINT cb)
    {
        const BYTE* p = static_cast<const BYTE*>(pData);
        m_readAhead.insert(m_readAhead.begin(), p, p + cb);
    }

    // The archive itself is safe to hand out only when nothing was read ahead.
    CArchive* GetArchive() const { return m_readAhead.empty() && !m_bFailed ? m_pArchive : NULL; }
    BOOL IsFailed() const { return m_bFailed; }
    void SetFailed() { m_bFailed = TRUE; }

private:
    CArchive* m_pArchive;  // not owned
    std::vector<BYTE> m_readAhead;
    BOOL m_bFailed;
};

CKTPropExchange::CKTPropExchange(std::shared_ptr<CKTPropExchangeStream> pStream, BOOL bLoading)
    : m_bLoading(bLoading), m_nSchema(ktSchemaCurrent), m_pParams(NULL), m_pCallerData(NULL),
      m_pStream(std::move(pStream))
{
}

CKTPropExchange::~CKTPropExchange() = default;

BOOL CKTPropExchange::IsFailed() const { return m_pStream->IsFailed(); }

void CKTPropExchange::CopyStateTo(CKTPropExchange* pChild) const
{
    pChild->m_nSchema = m_nSchema;
    pChild->m_pParams = m_pParams;
    pChild->m_pCallerData = m_pCallerData;
    pChild->m_bUseBlob = m_bUseBlob;
}

BOOL CKTPropExchange::ExchangeProp(LPCSTR /*lpszName*/, VARTYPE vtProp, void* pvProp, const void* pvDefault)
{
    if (!pvProp)
        return FALSE;
    if (vtProp == VT_LPSTR)
    {
        CString& str = *static_cast<CString*>(pvProp);
        DWORD dwLength = static_cast<DWORD>(str.GetLength());
        if (!m_bLoading)
            return m_pStream->Write(&dwLength, sizeof(dwLength)) && m_pStream->Write((LPCSTR)str, dwLength);
        if (m_pStream->Read(&dwLength, sizeof(dwLength)) && dwLength <= g_dwMaxLength)
        {
            std::vector<char> text(dwLength + 1, '\0');
            if (m_pStream->Read(text.data(), dwLength))
            {
                str = text.data();
                return TRUE;
            }
        }
        m_pStream->SetFailed();
        str = pvDefault ? static_cast<LPCSTR>(pvDefault) : "";
        return FALSE;
    }
    UINT cb = SizeOfType(vtProp);
    if (cb == 0)
        return FALSE;
    if (!m_bLoading)
        return m_pStream->Write(pvProp, cb);
    if (m_pStream->Read(pvProp, cb))
        return TRUE;
    if (pvDefault)
        memcpy(pvProp, pvDefault, cb);
    return FALSE;
}

BOOL CKTPropExchange::ExchangeBlobProp(LPCSTR /*lpszName*/, BYTE*& pData, DWORD& nBytes)
{
    if (!m_bLoading)
        return m_pStream->Write(&nBytes, sizeof(nBytes)) && (nBytes == 0 || m_pStream->Write(pData, nBytes));
    pData = NULL;
    DWORD dwLength = 0;
    nBytes = 0;
    if (!m_pStream->Read(&dwLength, sizeof(dwLength)) || dwLength > g_dwMaxLength)
    {
        m_pStream->SetFailed();
        return FALSE;
    }
    std::unique_ptr<BYTE[]> pBytes(new BYTE[dwLength ? dwLength : 1]);
    if (!m_pStream->Read(pBytes.get(), dwLength))
        return FALSE;
    pData = pBytes.release();
    nBytes = dwLength;
    return TRUE;
}

void CKTPropExchange::ExchangeSchema()
{
    DWORD dwMarker = g_dwSchemaMarker;
    if (!m_bLoading)
    {
        m_nSchema = ktSchemaCurrent;
        m_pStream->Write(&dwMarker, sizeof(dwMarker)) && m_pStream->Write(&m_nSchema, sizeof(m_nSchema));
        return;
    }
    m_nSchema = ktSchemaUnmarked;
    if (!m_pStream->Read(&dwMarker, sizeof(dwMarker)))
        return;
    if (dwMarker != g_dwSchemaMarker)
    {
        m_pStream->GiveBack(&dwMarker, sizeof(dwMarker));  // older data: those bytes are its own
        return;
    }
    UINT nSchema = 0;
    if (m_pStream->Read(&nSchema, sizeof(nSchema)))
        m_nSchema = nSchema;
}

void CKTPropExchange::WriteCount(DWORD dwCount)
{
    if (!m_bLoading)
        m_pStream->Write(&dwCount, sizeof(dwCount));
}

DWORD CKTPropExchange::ReadCount()
{
    DWORD dwCount = 0;
    if (m_bLoading && !m_pStream->Read(&dwCount, sizeof(dwCount)))
        return 0;
    return dwCount;
}

BOOL CKTPropExchange::ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pBaseClass)
{
    CString strClass;
    if (!m_bLoading)
    {
        if (pObject)
            strClass = pObject->GetRuntimeClass()->m_lpszClassName;
        ExchangeProp("Class", VT_LPSTR, &strClass);
        return pObject != NULL;
    }
    pObject = NULL;
    if (!ExchangeProp("Class", VT_LPSTR, &strClass) || strClass.IsEmpty())
        return FALSE;
    CRuntimeClass* pClass = CRuntimeClass::FromName(strClass);
    // Only a creatable class of the expected kind is made: the name comes from a file.
    if (!pClass || !pClass->m_pfnCreateObject || (pBaseClass && !pClass->IsDerivedFrom(pBaseClass)))
        return FALSE;
    pObject = pClass->CreateObject();
    return pObject != NULL;
}

CKTPropExchangeEnumerator* CKTPropExchange::GetEnumerator(LPCSTR lpszSection)
{
    return new CKTPropExchangeEnumerator(GetSection(lpszSection));
}

CArchive* CKTPropExchange::GetArchive(LPCSTR /*lpszName*/) { return NULL; }

void CKTPropExchange::ReleaseArchive(LPCSTR /*lpszName*/, CArchive* /*pArchive*/) {}

CKTPropExchangeEnumerator::CKTPropExchangeEnumerator(CKTPropExchange* pContainer)
    : m_pContainer(pContainer), m_dwCount(0), m_dwIndex(0)
{
}

CKTPropExchangeEnumerator::~CKTPropExchangeEnumerator()
{
    if (m_pContainer)
        m_pContainer->Release();
}

POSITION CKTPropExchangeEnumerator::GetPosition(DWORD dwCount, BOOL /*bCompactMode*/)
{
    m_dwIndex = 0;
    if (!m_pContainer)
        return NULL;
    if (m_pContainer->IsLoading())
        dwCount = m_pContainer->ReadCount();
    else
        m_pContainer->WriteCount(dwCount);
    m_dwCount = dwCount;
    return m_dwCount ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1)) : NULL;
}

CKTPropExchange* CKTPropExchangeEnumerator::GetNext(POSITION& pos)
{
    if (!pos || !m_pContainer || m_dwIndex >= m_dwCount)
    {
        pos = NULL;
        return NULL;
    }
    CString strSection;
    strSection.Format("Item%u", static_cast<unsigned>(m_dwIndex));
    m_dwIndex++;
    // A corrupt count must not make the caller loop over nothing for long.
    if (m_dwIndex >= m_dwCount || m_pContainer->IsFailed())
        pos = NULL;
    return m_pContainer->GetSection(strSection);
}

CKTPropExchangeArchive::CKTPropExchangeArchive(CArchive& ar)
    : CKTPropExchange(std::make_shared<CKTPropExchangeStream>(&ar), ar.IsLoading())
{
}

CKTPropExchangeArchive::CKTPropExchangeArchive(std::shared_ptr<CKTPropExchangeStream> pStream, BOOL bLoading)
    : CKTPropExchange(std::move(pStream), bLoading)
{
}

CKTPropExchange* CKTPropExchangeArchive::GetSection(LPCSTR /*lpszSection*/)
{
    auto* pSection = new CKTPropExchangeArchive(m_pStream, m_bLoading);
    CopyStateTo(pSection);
    return pSection;
}

CArchive* CKTPropExchangeArchive::GetArchive(LPCSTR /*lpszName*/) { return m_pStream->GetArchive(); }

BOOL PX_Bool(CKTPropExchange* pPX, LPCSTR lpszName, BOOL& bValue)
{
    return pPX->ExchangeProp(lpszName, VT_BOOL, &bValue);
}

BOOL PX_Bool(CKTPropExchange* pPX, LPCSTR lpszName, BOOL& bValue, BOOL bDefault)
{
    return pPX->ExchangeProp(lpszName, VT_BOOL, &bValue, &bDefault);
}

BOOL PX_Byte(CKTPropExchange* pPX, LPCSTR lpszName, BYTE& nValue, BYTE nDefault)
{
    return pPX->ExchangeProp(lpszName, VT_UI1, &nValue, &nDefault);
}

BOOL PX_Short(CKTPropExchange* pPX, LPCSTR lpszName, short& nValue, short nDefault)
{
    return pPX->ExchangeProp(lpszName, VT_I2, &nValue, &nDefault);
}

BOOL PX_Int(CKTPropExchange* pPX, LPCSTR lpszName, int& nValue, int nDefault)
{
    static_assert(sizeof(int) == 4, "ints are exchanged as 32 bits");
    return pPX->ExchangeProp(lpszName, VT_I4, &nValue, &nDefault);
}

BOOL PX_Long(CKTPropExchange* pPX, LPCSTR lpszName, long& nValue)
{
    static_assert(sizeof(long) == 4, "longs are exchanged as 32 bits");
    return pPX->ExchangeProp(lpszName, VT_I4, &nValue);
}

BOOL PX_Long(CKTPropExchange* pPX, LPCSTR lpszName, long& nValue, long nDefault)
{
    return pPX->ExchangeProp(lpszName, VT_I4, &nValue, &nDefault);
}

BOOL PX_DWord(CKTPropExchange* pPX, LPCSTR lpszName, DWORD& nValue, DWORD nDefault)
{
    return pPX->ExchangeProp(lpszName, VT_UI4, &nValue, &nDefault);
}

BOOL PX_String(CKTPropExchange* pPX, LPCSTR lpszName, CString& strValue)
{
    return pPX->ExchangeProp(lpszName, VT_LPSTR, &strValue);
}

BOOL PX_String(CKTPropExchange* pPX, LPCSTR lpszName, CString& strValue, LPCSTR lpszDefault)
{
    return pPX->ExchangeProp(lpszName, VT_LPSTR, &strValue, lpszDefault);
}

BOOL PX_Rect(CKTPropExchange* pPX, LPCSTR lpszName, RECT& rcValue, const RECT& rcDefault)
{
    CKTPropExchangeSection section(pPX->GetSection(lpszName));
    BOOL bOk = PX_Long(section, "Left", rcValue.left, rcDefault.left);
    bOk = PX_Long(section, "Top", rcValue.top, rcDefault.top) && bOk;
    bOk = PX_Long(section, "Right", rcValue.right, rcDefault.right) && bOk;
    return PX_Long(section, "Bottom", rcValue.bottom, rcDefault.bottom) && bOk;
}

BOOL PX_Size(CKTPropExchange* pPX, LPCSTR lpszName, SIZE& szValue, const SIZE& szDefault)
{
    CKTPropExchangeSection section(pPX->GetSection(lpszName));
    BOOL bOk = PX_Long(section, "cx", szValue.cx, szDefault.cx);
    return PX_Long(section, "cy", szValue.cy, szDefault.cy) && bOk;
}

BOOL PX_Serialize(CKTPropExchange* pPX, LPCSTR lpszName, CObject* pObject)
{
    CArchive* pArchive = pPX->GetArchive(lpszName);
    if (!pArchive || !pObject)
        return FALSE;
    BOOL bOk = TRUE;
    try
    {
        pObject->Serialize(*pArchive);
    }
    catch (CException* e)
    {
        e->Delete();
        bOk = FALSE;
    }
    pPX->ReleaseArchive(lpszName, pArchive);
    return bOk;
}
