// KTAcceleratorManager.cpp: the accelerator table, its translation, its saved form and shortcut texts.
#include "KTAcceleratorManager.h"

#include "KTCommandBars.h"
#include "KTPropExchange.h"

CKTAcceleratorManager::CKTAcceleratorManager(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars)
{
    static const struct
    {
        UINT nKey;
        LPCSTR lpszName;
    } names[] = {{0x01, "Left Button"}, {0x02, "Right Button"}, {0x03, "Ctrl+Break"},   {0x04, "Middle Button"},
                 {0x08, "Backspace"},   {0x09, "Tab"},          {0x0C, "Clear"},        {0x0D, "Enter"},
                 {0x10, "Shift"},       {0x11, "Ctrl"},         {0x12, "Alt"},          {0x13, "Pause"},
                 {0x14, "Caps Lock"},   {0x1B, "Esc"},          {0x20, "Space"},        {0x21, "Page Up"},
                 {0x22, "Page Down"},   {0x23, "End"},          {0x24, "Home"},         {0x25, "Left Arrow"},
                 {0x26, "Up Arrow"},    {0x27, "Right Arrow"},  {0x28, "Down Arrow"},   {0x29, "Select"},
                 {0x2A, "Print"},       {0x2B, "Execute"},      {0x2C, "Snapshot"},     {0x2D, "Ins"},
                 {0x2E, "Del"},         {0x2F, "Help"},         {0x5B, "Left Windows"}, {0x5C, "Right Windows"},
                 {0x5D, "Application"}, {0x6A, "Num *"},        {0x6B, "Num +"},        {0x6C, "Separator"},
                 {0x6D, "Num -"},       {0x6E, "Num ."},        {0x6F, "Num /"},        {0x90, "Num Lock"},
                 {0x91, "Scrl Lock"},   {0xF6, "Attn"},         {0xF7, "Crsel"},        {0xF8, "Exsel"},
                 {0xF9, "Ereof"},       {0xFA, "Play"},         {0xFB, "Zoom"},         {0xFC, "No Name"},
                 {0xFD, "Pa1"},         {0xFE, "Oem Clear"}};
    for (const auto& name : names)
        m_keyNames[name.nKey] = name.lpszName;
    CString str;
    for (UINT i = 0; i < 10; i++)
    {
        m_keyNames['0' + i] = CString((char)('0' + i));
        str.Format("Num %u", i);
        m_keyNames[0x60 + i] = str;
    }
    for (UINT c = 'A'; c <= 'Z'; c++)
        m_keyNames[c] = CString((char)c);
    for (UINT i = 0; i < 12; i++)
    {
        str.Format("F%u", i + 1);
        m_keyNames[0x70 + i] = str;
    }
}

CKTAcceleratorManager::~CKTAcceleratorManager()
{
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
    if (m_hOriginalAccelTable)
        ::DestroyAcceleratorTable(m_hOriginalAccelTable);
}

std::vector<ACCEL> CKTAcceleratorManager::CopyEntries(HACCEL hAccel)
{
    std::vector<ACCEL> entries;
    int nCount = hAccel ? ::CopyAcceleratorTable(hAccel, NULL, 0) : 0;
    if (nCount <= 0)
        return entries;
    entries.resize(nCount);
    entries.resize(::CopyAcceleratorTable(hAccel, entries.data(), nCount));
    return entries;
}

BOOL CKTAcceleratorManager::ReplaceTable(const std::vector<ACCEL>& entries)
{
    if (entries.empty())
        return FALSE;
    HACCEL hNew = ::CreateAcceleratorTable(const_cast<ACCEL*>(entries.data()), (int)entries.size());
    if (!hNew)
        return FALSE;
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
    m_hAccelTable = hNew;
    return TRUE;
}

void CKTAcceleratorManager::SetAcceleratorTable(HACCEL hAccel)
{
    std::vector<ACCEL> entries = CopyEntries(hAccel);
    if (!ReplaceTable(entries))
        return;
    if (m_hOriginalAccelTable)
        ::DestroyAcceleratorTable(m_hOriginalAccelTable);
    m_hOriginalAccelTable = ::CreateAcceleratorTable(entries.data(), (int)entries.size());
}

void CKTAcceleratorManager::Reset() { ReplaceTable(CopyEntries(m_hOriginalAccelTable)); }

BOOL CKTAcceleratorManager::TranslateAccelerator(HWND hWnd, MSG* pMsg) const
{
    if (m_nLockAccelerators > 0 || m_bHiddenTemporarily || !m_hAccelTable)
        return FALSE;
    return ::TranslateAccelerator(hWnd, m_hAccelTable, pMsg);
}

BOOL CKTAcceleratorManager::IsAccelAllowed(const ACCEL& accel) const
{
    BOOL bPlainEscape = (accel.fVirt & ~FNOINVERT) == FVIRTKEY && accel.key == VK_ESCAPE;
    return !bPlainEscape || m_bAllowEscapeShortcut;
}

CString CKTAcceleratorManager::GetDriverKeyName(UINT nVirtKey, BOOL bExtended) const
{
    if (nVirtKey == VK_CANCEL)
        return CString();
    UINT nScan = ::MapVirtualKeyEx(nVirtKey, 0, ::GetKeyboardLayout(0));
    LONG lParam = (LONG)(nScan << 16) | 1;
    if (bExtended || (nVirtKey >= 0x21 && nVirtKey <= 0x2F))
        lParam |= 0x1000000;
    char szName[51] = "";
    if (::GetKeyNameTextA(lParam, szName, 50) <= 0)
        return CString();
    CString strName = szName;
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++)
        if (IsCharLowerA(strName[i]))
        {
            strName.SetAt(i, (char)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)strName[i]));
            break;
        }
    return strName;
}

CString CKTAcceleratorManager::GetKeyName(UINT nVirtKey, BOOL bExtended) const
{
    CString strName;
    if (m_bUseSystemKeyNameText)
        strName = GetDriverKeyName(nVirtKey, bExtended);
    if (strName.IsEmpty())
    {
        auto it = m_keyNames.find(nVirtKey);
        if (it != m_keyNames.end())
            strName = it->second;
    }
    if (strName.IsEmpty() && !m_bUseSystemKeyNameText)
        strName = GetDriverKeyName(nVirtKey, bExtended);
    return strName;
}

int CKTAcceleratorManager::FormatShortcut(CString& strShortcut, const ACCEL& accel) const
{
    strShortcut.Empty();
    if (accel.key != VK_CANCEL)
    {
        if (accel.fVirt & FCONTROL)
            strShortcut += GetKeyName(VK_CONTROL) + "+";
        if (accel.fVirt & FSHIFT)
            strShortcut += GetKeyName(VK_SHIFT) + "+";
        if (accel.fVirt & FALT)
            strShortcut += GetKeyName(VK_MENU) + "+";
    }
    if (accel.key == 0)
    {
        if (!strShortcut.IsEmpty())
            strShortcut = strShortcut.Left(strShortcut.GetLength() - 1);
    }
    else if (accel.fVirt & FVIRTKEY)
        strShortcut += GetKeyName(accel.key);
    else if (accel.key != VK_ESCAPE && accel.key != VK_TAB)
        strShortcut += (char)accel.key;
    if (accel.fVirt & FCONTROL)
        return 3;
    if (accel.fVirt & FALT)
        return 2;
    return (accel.fVirt & FSHIFT) ? 1 : 4;
}

HACCEL CKTAcceleratorManager::GetLookupTable() const
{
    if (m_hAccelTable || m_hOriginalAccelTable)
        return m_hAccelTable;
    CFrameWnd* pFrame = m_pCommandBars ? m_pCommandBars->GetFrameSite() : NULL;
    return pFrame ? pFrame->m_hAccelTable : NULL;
}

BOOL CKTAcceleratorManager::GetShortcutText(UINT nId, CString& strShortcut) const
{
    HACCEL hTable = GetLookupTable();
    if (!hTable)
        return FALSE;
    CString strBest;
    int nBestKind = 0;
    for (const ACCEL& accel : CopyEntries(hTable))
    {
        if (accel.cmd != nId)
            continue;
        CString strText;
        int nKind = FormatShortcut(strText, accel);
        if (strText == strShortcut)
            return TRUE;
        if (nKind > nBestKind)
        {
            nBestKind = nKind;
            strBest = strText;
        }
    }
    strShortcut = strBest;
    return nBestKind != 0;
}

void CKTAcceleratorManager::DoPropExchange(CKTPropExchange* pPX)
{
    if (!pPX->IsPropExchangeArchive())
        ExchangeSections(pPX);
    else if (pPX->IsLoading())
        LoadBlob(pPX);
    else
        StoreBlob(pPX);
}

void CKTAcceleratorManager::StoreBlob(CKTPropExchange* pPX)
{
    std::vector<ACCEL> entries = CopyEntries(m_hAccelTable);
    pPX->WriteCount((DWORD)entries.size());
    BYTE* pData = reinterpret_cast<BYTE*>(entries.data());
    DWORD nBytes = (DWORD)(entries.size() * sizeof(ACCEL));
    pPX->ExchangeBlobProp("Data", pData, nBytes);
}

void CKTAcceleratorManager::LoadBlob(CKTPropExchange* pPX)
{
    DWORD nCount = pPX->ReadCount();
    BYTE* pData = NULL;
    DWORD nBytes = 0;
    if (!pPX->ExchangeBlobProp("Data", pData, nBytes))
        return;
    std::unique_ptr<BYTE[]> pOwned(pData);
    // A blob that does not hold exactly the counted entries is not a table.
    if (nCount == 0 || nBytes != nCount * sizeof(ACCEL))
        return;
    std::vector<ACCEL> entries(nCount);
    memcpy(entries.data(), pData, nBytes);
    ReplaceTable(entries);
}

void CKTAcceleratorManager::ExchangeSections(CKTPropExchange* pPX)
{
    std::unique_ptr<CKTPropExchangeEnumerator, void (*)(CKTPropExchangeEnumerator*)> pEnum(
        pPX->GetEnumerator("Accel"), [](CKTPropExchangeEnumerator* p) { p->Release(); });
    std::vector<ACCEL> entries = pPX->IsLoading() ? std::vector<ACCEL>() : CopyEntries(m_hAccelTable);
    POSITION pos = pEnum->GetPosition((DWORD)entries.size(), FALSE);
    for (size_t i = 0; pos; i++)
    {
        CKTPropExchangeSection section(pEnum->GetNext(pos));
        if (!section)
            return;
        if (pPX->IsLoading())
            entries.push_back(ACCEL{});
        short nId = (short)entries[i].cmd, nKey = (short)entries[i].key;
        BYTE fVirt = entries[i].fVirt;
        PX_Short(section, "Id", nId, 0);
        PX_Byte(section, "virt", fVirt, 0);
        PX_Short(section, "key", nKey, 0);
        entries[i] = ACCEL{fVirt, (WORD)nKey, (WORD)nId};
    }
    if (pPX->IsLoading() && !entries.empty() && !pPX->IsFailed())
        ReplaceTable(entries);
}

namespace
{
// The character of a key in a layout, with the current keyboard state or with Shift held.
BOOL LayoutGivesCharacter(HKL hLayout, UINT nVirtKey, TCHAR chAccel)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    UINT nScan = ::MapVirtualKeyEx(nVirtKey, 0, hLayout);
    for (int nPass = 0; nPass < 2; nPass++)
    {
        if (nPass == 1)
            keys[VK_SHIFT] = 0x81;
        WORD wChar = 0;
        if (::ToAsciiEx(nVirtKey, nScan, keys, &wChar, 0, hLayout) != 1)
            continue;
        TCHAR ch = (TCHAR)wChar;
        if (ch == chAccel || ::CharUpperA((LPSTR)(UINT_PTR)(BYTE)ch) == ::CharUpperA((LPSTR)(UINT_PTR)(BYTE)chAccel))
            return TRUE;
    }
    return FALSE;
}
}  // namespace

BOOL CKTAcceleratorManager::CompareAccelKey(TCHAR chAccel, UINT nVirtKey)
{
    if (::MapVirtualKey(nVirtKey, 2) == 0)
        return FALSE;
    TCHAR chUpper = (TCHAR)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)chAccel);
    if ((UINT)(BYTE)chAccel == nVirtKey || (UINT)(BYTE)chUpper == nVirtKey)
        return TRUE;
    int nLayouts = ::GetKeyboardLayoutList(0, NULL);
    if (nLayouts <= 1)
        return FALSE;
    std::vector<HKL> layouts(nLayouts);
    nLayouts = ::GetKeyboardLayoutList(nLayouts, layouts.data());
    for (int i = 0; i < nLayouts; i++)
        if (LayoutGivesCharacter(layouts[i], nVirtKey, chAccel))
            return TRUE;
    return FALSE;
}
