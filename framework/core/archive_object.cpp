// CArchive's object graphs: class tags with schema numbers, object references by index.
//
// Every class and object written gets the next index (0 is the null reference).
// A new class is written as 0xFFFF, its schema (WORD), its name length (WORD)
// and its name; a known class as 0x8000 | index, or for large indexes 0x7FFF
// and a DWORD with the top bit set. A known object is written as its index
// (a WORD, or 0x7FFF and a DWORD).
#include "afx.h"

namespace
{

const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;
const WORD nMaxClassNameLength = 64;

}  // namespace

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLength = (WORD)std::strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema = 0;
    WORD nLength = 0;
    ar >> wSchema >> nLength;
    if (nLength >= nMaxClassNameLength)
        return NULL;
    char szClassName[nMaxClassNameLength];
    ar.EnsureRead(szClassName, nLength);
    szClassName[nLength] = '\0';
    if (pwSchemaNum != NULL)
        *pwSchemaNum = wSchema;
    return FromName(szClassName);
}

void CArchive::WriteTag(DWORD nIndex, bool bClass)
{
    if (nIndex < wBigObjectTag)
    {
        *this << (WORD)(bClass ? (wClassTag | nIndex) : nIndex);
        return;
    }
    *this << wBigObjectTag << (DWORD)(bClass ? (dwBigClassTag | nIndex) : nIndex);
}

DWORD CArchive::AddStoreEntry(const void* pKey)
{
    DWORD nIndex = (DWORD)m_storeMap.size() + 1;
    if (nIndex > nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    m_storeMap.emplace(pKey, nIndex);
    return nIndex;
}

DWORD CArchive::AddLoadEntry(LoadedKind kind, void* pointer, UINT nSchema)
{
    DWORD nIndex = (DWORD)m_loadArray.size();
    if (nIndex > nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    m_loadArray.push_back({kind, pointer, nSchema});
    return nIndex;
}

const CArchive::LoadedEntry& CArchive::LoadedAt(DWORD nIndex, LoadedKind kind) const
{
    if (nIndex >= m_loadArray.size() || m_loadArray[nIndex].kind != kind)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    return m_loadArray[nIndex];
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == NULL)
        AfxThrowInvalidArgException();
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();  // the class has no IMPLEMENT_SERIAL
    auto found = m_storeMap.find(pClassRef);
    if (found != m_storeMap.end())
    {
        WriteTag(found->second, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    AddStoreEntry(pClassRef);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end())
    {
        WriteTag(found->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    AddStoreEntry(pOb);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (pOb != NULL && m_storeMap.find(pOb) == m_storeMap.end())
            AddStoreEntry(pOb);
        return;
    }
    AddLoadEntry(LoadedKind::object, const_cast<CObject*>(pOb), 0);
}

CRuntimeClass* CArchive::LoadNewClass(UINT& nSchema)
{
    CRuntimeClass* pClassRef = CRuntimeClass::Load(*this, &nSchema);
    if (pClassRef == NULL || pClassRef->m_wSchema == 0xFFFF)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    bool bVersionable = (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) != 0;
    if (!bVersionable && pClassRef->m_wSchema != nSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
    AddLoadEntry(LoadedKind::classRef, pClassRef, nSchema);
    return pClassRef;
}

// Reads one tag: a new class (loaded and indexed), a known class, or an
// object reference, for which it returns NULL with obTag the object's index.
CRuntimeClass* CArchive::ReadTag(DWORD& obTag, UINT& nSchema)
{
    WORD wTag = 0;
    *this >> wTag;
    obTag = wTag;
    if (wTag == wNewClassTag)
        return LoadNewClass(nSchema);
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else if (wTag & wClassTag)
        obTag = dwBigClassTag | (wTag & ~wClassTag);
    if ((obTag & dwBigClassTag) == 0)
        return NULL;
    const LoadedEntry& entry = LoadedAt(obTag & ~dwBigClassTag, LoadedKind::classRef);
    nSchema = entry.nSchema;
    return static_cast<CRuntimeClass*>(entry.pointer);
}

// Returns the class of a new object, or NULL with *pObTag set to the index
// of an object already loaded.
CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    DWORD obTag = 0;
    UINT nSchema = 0;
    CRuntimeClass* pClassRef = ReadTag(obTag, nSchema);
    if (pClassRef == NULL && pObTag == NULL)  // a class was asked for, an object reference found
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    if (pObTag != NULL)
        *pObTag = obTag;
    if (pClassRef == NULL)
        return NULL;
    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef, &m_nObjectSchema);
}

// A new object is indexed before it loads its members, so they may refer back
// to it. If loading it fails, it is deleted and its index left empty.
CObject* CArchive::LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema)
{
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    DWORD nIndex = AddLoadEntry(LoadedKind::object, pOb, 0);
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        m_loadArray[nIndex].pointer = NULL;
        m_nObjectSchema = nSchemaSave;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef != NULL)
        return LoadNewObject(pClassRef, nSchema);
    if (obTag == wNullTag)
        return NULL;
    CObject* pOb = static_cast<CObject*>(LoadedAt(obTag, LoadedKind::object).pointer);
    if (pOb == NULL)  // an object whose own loading failed
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    if (pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    return pOb;
}
