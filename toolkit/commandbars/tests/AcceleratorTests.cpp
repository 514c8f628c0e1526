// AcceleratorTests.cpp: shortcut texts, their choice, refused keys, locking and the saved table.
#include "KTAcceleratorManager.h"
#include "KTPropExchange.h"
#include "TestSurface.h"

#include <afx.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
HACCEL MakeTable(std::vector<ACCEL> entries) { return ::CreateAcceleratorTable(entries.data(), (int)entries.size()); }

int CountEntries(HACCEL hAccel) { return hAccel ? ::CopyAcceleratorTable(hAccel, NULL, 0) : 0; }

// Stores a count and a blob as the saved form does, for loading.
std::vector<BYTE> SavedForm(DWORD dwCount, const void* pData, DWORD nBytes)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.WriteCount(dwCount);
        BYTE* pBytes = (BYTE*)pData;
        px.ExchangeBlobProp("Data", pBytes, nBytes);
    }
    std::vector<BYTE> bytes;
    bytes.resize((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void Load(CKTAcceleratorManager& manager, std::vector<BYTE>& bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    manager.DoPropExchange(&px);
}
// A named exchange over an archive: the values go in call order as in the compact form, and the names of the
// values and sections asked for are kept, as a store of named sections would see them.
class CNamedExchange : public CKTPropExchangeArchive
{
public:
    CNamedExchange(CArchive& ar, std::vector<CString>& names) : CKTPropExchangeArchive(ar), m_ar(ar), m_names(names) {}

    BOOL IsPropExchangeArchive() const override { return FALSE; }
    CKTPropExchange* GetSection(LPCSTR lpszSection) override
    {
        m_names.push_back(CString("[") + lpszSection + "]");
        return new CNamedExchange(m_ar, m_names);
    }
    BOOL ExchangeProp(LPCSTR lpszName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override
    {
        m_names.push_back(lpszName);
        return CKTPropExchangeArchive::ExchangeProp(lpszName, vtProp, pvProp, pvDefault);
    }

private:
    CArchive& m_ar;
    std::vector<CString>& m_names;
};
}  // namespace

TEST(ShortcutTexts, ModifiersInTheirOrderThenTheKey)
{
    CKTAcceleratorManager manager(NULL);
    CString str;
    EXPECT_EQ(3, manager.FormatShortcut(str, ACCEL{FVIRTKEY | FCONTROL | FSHIFT, 'S', 1}));
    EXPECT_EQ(CString("Ctrl+Shift+S"), str);
    manager.FormatShortcut(str, ACCEL{FVIRTKEY | FCONTROL | FSHIFT | FALT, 'S', 1});
    EXPECT_EQ(CString("Ctrl+Shift+Alt+S"), str);
    manager.FormatShortcut(str, ACCEL{FCONTROL, 0, 1});
    EXPECT_EQ(CString("Ctrl"), str);
    EXPECT_EQ(2, manager.FormatShortcut(str, ACCEL{FVIRTKEY | FALT, VK_BACK, 1}));
    EXPECT_EQ(CString("Alt+Backspace"), str);
    EXPECT_EQ(4, manager.FormatShortcut(str, ACCEL{FVIRTKEY, VK_F12, 1}));
    EXPECT_EQ(CString("F12"), str);
    EXPECT_EQ(1, manager.FormatShortcut(str, ACCEL{FVIRTKEY | FSHIFT, VK_DELETE, 1}));
    EXPECT_EQ(CString("Shift+Del"), str);
    manager.FormatShortcut(str, ACCEL{0, 'q', 1});
    EXPECT_EQ(CString("q"), str) << "a character key is itself";
}

TEST(ShortcutTexts, PlainKeysWinThenCtrlAndTheCallersOwnChoiceStays)
{
    CKTAcceleratorManager manager(NULL);
    HACCEL hTable = MakeTable({{FVIRTKEY | FCONTROL, 'O', 7},
                               {FVIRTKEY, VK_F12, 7},
                               {FVIRTKEY | FSHIFT, VK_F5, 8},
                               {FVIRTKEY | FCONTROL, 'R', 8}});
    manager.SetAcceleratorTable(hTable);
    ::DestroyAcceleratorTable(hTable);
    CString str;
    EXPECT_TRUE(manager.GetShortcutText(7, str));
    EXPECT_EQ(CString("F12"), str);
    str = "Ctrl+O";
    EXPECT_TRUE(manager.GetShortcutText(7, str));
    EXPECT_EQ(CString("Ctrl+O"), str);
    str.Empty();
    EXPECT_TRUE(manager.GetShortcutText(8, str));
    EXPECT_EQ(CString("Ctrl+R"), str);
    str = "Something";
    EXPECT_FALSE(manager.GetShortcutText(9, str));
    EXPECT_TRUE(str.IsEmpty());
}

TEST(ShortcutTexts, PlainEscapeIsRefusedUntilAllowed)
{
    CKTAcceleratorManager manager(NULL);
    EXPECT_FALSE(manager.IsAccelAllowed(ACCEL{FVIRTKEY, VK_ESCAPE, 1}));
    EXPECT_TRUE(manager.IsAccelAllowed(ACCEL{FVIRTKEY | FSHIFT, VK_ESCAPE, 1}));
    manager.m_bAllowEscapeShortcut = TRUE;
    EXPECT_TRUE(manager.IsAccelAllowed(ACCEL{FVIRTKEY, VK_ESCAPE, 1}));
}

TEST(AcceleratorTable, LockedTwiceAndUnlockedOnceTranslatesNothing)
{
    CTestParent window;
    CKTAcceleratorManager manager(NULL);
    HACCEL hTable = MakeTable({{FVIRTKEY, VK_F12, 7}});
    manager.SetAcceleratorTable(hTable);
    ::DestroyAcceleratorTable(hTable);
    MSG msg = {};
    msg.hwnd = window.GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F12;
    EXPECT_TRUE(manager.TranslateAccelerator(window.GetSafeHwnd(), &msg));
    manager.LockAccelerators(TRUE);
    manager.LockAccelerators(TRUE);
    manager.LockAccelerators(FALSE);
    EXPECT_FALSE(manager.TranslateAccelerator(window.GetSafeHwnd(), &msg));
    manager.LockAccelerators(FALSE);
    EXPECT_TRUE(manager.TranslateAccelerator(window.GetSafeHwnd(), &msg));
}

TEST(AcceleratorTable, SavedTableLoadsOnlyWhenItsSizeMatchesItsCount)
{
    CKTAcceleratorManager manager(NULL);
    HACCEL hTable = MakeTable({{FVIRTKEY | FCONTROL, 'O', 7}, {FVIRTKEY, VK_F12, 7}});
    manager.SetAcceleratorTable(hTable);
    ::DestroyAcceleratorTable(hTable);
    ACCEL saved[3] = {{FVIRTKEY, VK_F2, 1}, {FVIRTKEY, VK_F3, 2}, {FVIRTKEY, VK_F4, 3}};

    std::vector<BYTE> shortBlob = SavedForm(3, saved, 2 * sizeof(ACCEL));
    Load(manager, shortBlob);
    CString strKept;
    EXPECT_TRUE(manager.GetShortcutText(7, strKept)) << "a blob shorter than its count is refused";
    EXPECT_EQ(CString("F12"), strKept);
    std::vector<BYTE> longBlob = SavedForm(1, saved, 3 * sizeof(ACCEL));
    Load(manager, longBlob);
    EXPECT_EQ(2, CountEntries(manager.GetDefaultAccelerator())) << "and so is a longer one";

    std::vector<BYTE> good = SavedForm(3, saved, sizeof(saved));
    Load(manager, good);
    EXPECT_EQ(3, CountEntries(manager.GetDefaultAccelerator()));
    CString str;
    EXPECT_TRUE(manager.GetShortcutText(2, str));
    EXPECT_EQ(CString("F3"), str);
    manager.Reset();
    EXPECT_EQ(2, CountEntries(manager.GetDefaultAccelerator())) << "reset brings the original back";
}

TEST(AcceleratorTable, SavingWritesTheCurrentEntries)
{
    CKTAcceleratorManager manager(NULL);
    HACCEL hTable = MakeTable({{FVIRTKEY | FCONTROL, 'O', 7}, {FVIRTKEY, VK_F12, 9}});
    manager.SetAcceleratorTable(hTable);
    ::DestroyAcceleratorTable(hTable);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        manager.DoPropExchange(&px);
    }
    std::vector<BYTE> bytes;
    bytes.resize((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    CKTAcceleratorManager other(NULL);
    Load(other, bytes);
    CString str;
    EXPECT_TRUE(other.GetShortcutText(9, str));
    EXPECT_EQ(CString("F12"), str);
}

TEST(AccessLetters, CharactersMatchTheirKeysInEitherCase)
{
    EXPECT_TRUE(CKTAcceleratorManager::CompareAccelKey('f', 'F'));
    EXPECT_TRUE(CKTAcceleratorManager::CompareAccelKey('F', 'F'));
    EXPECT_TRUE(CKTAcceleratorManager::CompareAccelKey('7', '7'));
    EXPECT_FALSE(CKTAcceleratorManager::CompareAccelKey('g', 'F'));
    EXPECT_FALSE(CKTAcceleratorManager::CompareAccelKey('f', VK_F1)) << "a key without a character";
}

TEST(AcceleratorTable, TheNamedFormStoresASectionPerEntryAndLoadsTheTableBack)
{
    const std::vector<ACCEL> entries = {{FVIRTKEY | FCONTROL, 'S', 57603}, {FVIRTKEY, VK_F5, 32771}};
    CKTAcceleratorManager saved(NULL);
    HACCEL hTable = MakeTable(entries);
    saved.SetAcceleratorTable(hTable);
    ::DestroyAcceleratorTable(hTable);
    CMemFile file;
    std::vector<CString> names;
    {
        CArchive ar(&file, CArchive::store);
        CNamedExchange px(ar, names);
        saved.DoPropExchange(&px);
    }
    const std::vector<CString> expected = {"[Accel]", "[Item0]", "Id", "virt", "key", "[Item1]", "Id", "virt", "key"};
    EXPECT_EQ(expected, names);

    file.SeekToBegin();
    CKTAcceleratorManager loaded(NULL);
    std::vector<CString> loadNames;
    {
        CArchive ar(&file, CArchive::load);
        CNamedExchange px(ar, loadNames);
        loaded.DoPropExchange(&px);
    }
    ASSERT_EQ(2, CountEntries(loaded.GetDefaultAccelerator()));
    std::vector<ACCEL> back(2);
    ::CopyAcceleratorTable(loaded.GetDefaultAccelerator(), back.data(), 2);
    for (size_t i = 0; i < entries.size(); i++)
    {
        EXPECT_EQ(entries[i].cmd, back[i].cmd);
        EXPECT_EQ(entries[i].key, back[i].key);
        EXPECT_EQ(entries[i].fVirt, back[i].fVirt & ~0x80) << "Windows marks the last entry";
    }
}
