// Per-type sets of marked rows (bookmarks, breakpoints, collapsed blocks) that follow row edits.
// Classes: KT_EDIT_LINEMARK_PARAM, KT_EDIT_LINEMARK_ENTRY, CKTSyntaxEditLineMarksList,
// CKTSyntaxEditLineMarksManager.
#pragma once

#include <afxwin.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "KTSmartPtr.h"

class CKTSyntaxEditLineMarkPtrBox;

struct KT_EDIT_LINEMARK_PARAM
{
    typedef void (*PFNRELEASE)(void* p);

    enum Type : DWORD
    {
        lmpNone = 0,
        lmpInt = 1,
        lmpDouble = 2,
        lmpPtr = 3,
    };

    // Out of line, where the box's type is complete; copies share the box.
    KT_EDIT_LINEMARK_PARAM();
    KT_EDIT_LINEMARK_PARAM(const KT_EDIT_LINEMARK_PARAM& other);
    KT_EDIT_LINEMARK_PARAM& operator=(const KT_EDIT_LINEMARK_PARAM& other);
    ~KT_EDIT_LINEMARK_PARAM();

    void Clear();
    void SetInt(int nValue);
    void SetDouble(double dValue);
    // The box frees the pointer when its last holder lets go: with the release
    // function when one is given, else with the plain memory release.
    void SetPtr(void* p, PFNRELEASE pfnRelease = NULL);
    void* GetPtr() const;

    DWORD dwType;
    union
    {
        int nValue;
        double dValue;
    };
    CKTSmartPtr<CKTSyntaxEditLineMarkPtrBox> ptrBox;
};

struct KT_EDIT_LINEMARK_ENTRY
{
    int nLine = 0;
    KT_EDIT_LINEMARK_PARAM lmParam;
};

class CKTSyntaxEditLineMarksList : public CCmdTarget
{
public:
    CKTSyntaxEditLineMarksList() = default;

    int GetCount() const { return int(m_arMarks.size()); }
    KT_EDIT_LINEMARK_ENTRY* GetAt(int index) const;

    int FindExact(int nLine) const;
    int FindAtOrBefore(int nLine) const;
    int FindAtOrAfter(int nLine) const;
    void Add(int nLine, const KT_EDIT_LINEMARK_PARAM& param);
    void RemoveAt(int index);
    void RemoveAll() { m_arMarks.clear(); }
    void Adjust(int nLo, int nHi, int nDelta, BOOL bDelete);

private:
    std::vector<std::unique_ptr<KT_EDIT_LINEMARK_ENTRY>> m_arMarks;  // ascending rows, one per row
};

class CKTSyntaxEditLineMarksManager : public CCmdTarget
{
    DECLARE_DYNAMIC(CKTSyntaxEditLineMarksManager)
public:
    enum Action
    {
        actInsert = 1,
        actDelete = 2,
    };

    CKTSyntaxEditLineMarksManager() = default;
    ~CKTSyntaxEditLineMarksManager() override = default;

    void AddLineMark(int nLine, LPCSTR pszType, const KT_EDIT_LINEMARK_PARAM* pParam = NULL);
    void DeleteLineMark(int nLine, LPCSTR pszType);
    void ToggleLineMark(int nLine, LPCSTR pszType, const KT_EDIT_LINEMARK_PARAM* pParam = NULL);
    BOOL HasLineMark(int nLine, LPCSTR pszType, KT_EDIT_LINEMARK_PARAM* pParam = NULL) const;
    int FindPrevLineMark(int& nLine, LPCSTR pszType) const;
    int FindNextLineMark(int& nLine, LPCSTR pszType) const;
    int FindLastLineMark(LPCSTR pszType) const;
    int HasMarksOfType(LPCSTR pszType) const;
    KT_EDIT_LINEMARK_ENTRY* GetNextLineMark(int& nPosition, LPCSTR pszType) const;
    KT_EDIT_LINEMARK_ENTRY* GetLineMarkAt(int nPosition, LPCSTR pszType) const;
    int GetCount(LPCSTR pszType) const;
    void RemoveAll(LPCSTR pszType);
    virtual void AdjustLineMarks(int nLine1, int nLine2, int nAction);

private:
    using ListPtr = CKTSmartPtr<CKTSyntaxEditLineMarksList>;

    ListPtr Find(LPCSTR pszType) const;
    ListPtr FindOrCreate(LPCSTR pszType);

    std::map<std::string, ListPtr> m_mapLists;  // type name (case-sensitive) -> marks
};
