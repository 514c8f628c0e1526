// KTPropExchange.h: symmetric loading and storing of toolkit state, with its archive form.
//
// Classes: CKTPropExchange, CKTPropExchangeEnumerator, CKTPropExchangeSection,
// CKTPropExchangeArchive. Functions: PX_Bool, PX_Byte, PX_Short, PX_Int, PX_Long,
// PX_DWord, PX_String, PX_Rect, PX_Size, PX_Serialize.
#pragma once

#include <afx.h>
#include <windows.h>

#include <memory>

class CKTCommandBars;
class CKTImageManager;
class CKTPropExchangeStream;

// What the command bars tell the objects they save or load.
struct KT_PROPEXCHANGE_PARAMS
{
    CKTCommandBars* pCommandBars;   // the bars being saved or loaded
    BOOL bSaveOnlyCustomized;       // store customised bars only
    BOOL bSaveOriginalControls;     // store the controls as first built too
    CKTImageManager* pLoadedIcons;  // loading: custom icons wait here until the whole load succeeds
};

class CKTPropExchangeEnumerator;

// The exchange: while loading every PX_ call reads its value (or takes the
// default), while storing it writes it. Once a read fails, the exchange
// stays failed and every later read gives its default.
class CKTPropExchange
{
public:
    enum
    {
        ktSchemaCurrent = 23,
        ktSchemaUnmarked = 17
    };

    virtual ~CKTPropExchange();
    // Sections and enumerated children are released by whoever asked for them.
    void Release() { delete this; }

    BOOL IsLoading() const { return m_bLoading; }
    UINT GetSchema() const { return m_nSchema; }
    BOOL IsFailed() const;

    // Exchanges one value of the type: VT_BOOL (32 bits), VT_I1, VT_UI1, VT_I2,
    // VT_UI2, VT_I4, VT_UI4 or VT_LPSTR (a CString). pvDefault may be NULL.
    virtual BOOL ExchangeProp(LPCSTR lpszName, VARTYPE vtProp, void* pvProp, const void* pvDefault = NULL);
    // Raw bytes; on loading pData is allocated with new[] for the caller.
    virtual BOOL ExchangeBlobProp(LPCSTR lpszName, BYTE*& pData, DWORD& nBytes);
    // "Schema": stored as the current schema; an archive without the marker loads as 17.
    virtual void ExchangeSchema();
    // Writes or reads the item count of the current section.
    virtual void WriteCount(DWORD dwCount);
    virtual DWORD ReadCount();
    // Stores the object's class name, or creates an object of the stored
    // class on loading (NULL when unknown); TRUE when an object is present.
    virtual BOOL ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pBaseClass);

    virtual CKTPropExchange* GetSection(LPCSTR lpszSection) = 0;
    virtual CKTPropExchangeEnumerator* GetEnumerator(LPCSTR lpszSection);
    virtual void EmptySection() {}
    virtual BOOL OnBeforeExchange() { return !IsFailed(); }
    // The archive to serialise a property through, NULL when none can be given.
    virtual CArchive* GetArchive(LPCSTR lpszName);
    virtual void ReleaseArchive(LPCSTR lpszName, CArchive* pArchive);
    virtual BOOL IsPropExchangeArchive() const { return FALSE; }
    // Whether a value equal to its default may be left out on storing.
    virtual BOOL IsAllowDefaultValues() const { return FALSE; }
    // Whether maps go whole, serialised as one value, instead of item by item in a section.
    BOOL IsUseBlob() const { return m_bUseBlob; }
    void SetUseBlob(BOOL bUseBlob) { m_bUseBlob = bUseBlob; }

    BOOL m_bLoading;                    // TRUE while reading
    UINT m_nSchema;                     // gates optional keys
    KT_PROPEXCHANGE_PARAMS* m_pParams;  // set by the command bars; not owned
    void* m_pCallerData;                // free for the caller; not owned

protected:
    CKTPropExchange(std::shared_ptr<CKTPropExchangeStream> pStream, BOOL bLoading);
    void CopyStateTo(CKTPropExchange* pChild) const;

    std::shared_ptr<CKTPropExchangeStream> m_pStream;  // shared with the sections
    BOOL m_bUseBlob = FALSE;                           // off: stored files hold the item-by-item form
};

// Numbered child sections of one section.
class CKTPropExchangeEnumerator
{
public:
    explicit CKTPropExchangeEnumerator(CKTPropExchange* pContainer);
    ~CKTPropExchangeEnumerator();
    void Release() { delete this; }

    // Stores dwCount, or reads it; NULL when there are no children.
    POSITION GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE);
    // The next child section (released by the caller); the position becomes
    // NULL after the last one.
    CKTPropExchange* GetNext(POSITION& pos);

private:
    CKTPropExchange* m_pContainer;  // not owned
    DWORD m_dwCount;                // children in all
    DWORD m_dwIndex;                // next child to give
};

// Releases a section at the end of a scope.
class CKTPropExchangeSection
{
public:
    explicit CKTPropExchangeSection(CKTPropExchange* pSection) : m_pSection(pSection) {}
    ~CKTPropExchangeSection()
    {
        if (m_pSection)
            m_pSection->Release();
    }
    CKTPropExchangeSection(const CKTPropExchangeSection&) = delete;
    CKTPropExchangeSection& operator=(const CKTPropExchangeSection&) = delete;
    CKTPropExchange* operator->() const { return m_pSection; }
    operator CKTPropExchange*() const { return m_pSection; }

private:
    CKTPropExchange* m_pSection;
};

// The exchange over a framework archive: loading follows the archive's
// mode and values are written in call order, without names.
class CKTPropExchangeArchive : public CKTPropExchange
{
public:
    explicit CKTPropExchangeArchive(CArchive& ar);

    CKTPropExchange* GetSection(LPCSTR lpszSection) override;
    CArchive* GetArchive(LPCSTR lpszName) override;
    BOOL IsPropExchangeArchive() const override { return TRUE; }

private:
    explicit CKTPropExchangeArchive(std::shared_ptr<CKTPropExchangeStream> pStream, BOOL bLoading);
};

BOOL PX_Bool(CKTPropExchange* pPX, LPCSTR lpszName, BOOL& bValue);
BOOL PX_Bool(CKTPropExchange* pPX, LPCSTR lpszName, BOOL& bValue, BOOL bDefault);
BOOL PX_Byte(CKTPropExchange* pPX, LPCSTR lpszName, BYTE& nValue, BYTE nDefault);
BOOL PX_Short(CKTPropExchange* pPX, LPCSTR lpszName, short& nValue, short nDefault);
BOOL PX_Int(CKTPropExchange* pPX, LPCSTR lpszName, int& nValue, int nDefault);
BOOL PX_Long(CKTPropExchange* pPX, LPCSTR lpszName, long& nValue);
BOOL PX_Long(CKTPropExchange* pPX, LPCSTR lpszName, long& nValue, long nDefault);
BOOL PX_DWord(CKTPropExchange* pPX, LPCSTR lpszName, DWORD& nValue, DWORD nDefault);
BOOL PX_String(CKTPropExchange* pPX, LPCSTR lpszName, CString& strValue);
BOOL PX_String(CKTPropExchange* pPX, LPCSTR lpszName, CString& strValue, LPCSTR lpszDefault);
BOOL PX_Rect(CKTPropExchange* pPX, LPCSTR lpszName, RECT& rcValue, const RECT& rcDefault);
BOOL PX_Size(CKTPropExchange* pPX, LPCSTR lpszName, SIZE& szValue, const SIZE& szDefault);
BOOL PX_Serialize(CKTPropExchange* pPX, LPCSTR lpszName, CObject* pObject);
