// The application profile in the registry and in an INI file, and the
// recent-file list's order, size and menu items.
#include <gtest/gtest.h>
#include "afxadv.h"
#include "TestApp.h"

namespace
{

// Switches the test application to an INI file for one test.
class IniProfile
{
public:
    IniProfile() : m_pszKey(theApp.m_pszRegistryKey), m_pszProfile(theApp.m_pszProfileName)
    {
        char szPath[MAX_PATH];
        ::GetFullPathName("kfw_window_profile.ini", MAX_PATH, szPath, nullptr);
        ::DeleteFile(szPath);
        m_strPath = szPath;
        theApp.m_pszRegistryKey = nullptr;
        theApp.m_pszProfileName = m_strPath;
    }
    ~IniProfile()
    {
        theApp.m_pszRegistryKey = m_pszKey;
        theApp.m_pszProfileName = m_pszProfile;
    }
    CString m_strPath;

private:
    LPCTSTR m_pszKey;
    LPCTSTR m_pszProfile;
};

void ExpectRoundTrips()
{
    EXPECT_TRUE(theApp.WriteProfileInt("Settings", "Count", -12));
    EXPECT_EQ((UINT)-12, theApp.GetProfileInt("Settings", "Count", 5));
    EXPECT_EQ(5u, theApp.GetProfileInt("Settings", "Missing", 5));
    EXPECT_TRUE(theApp.WriteProfileString("Settings", "Name", "value with spaces"));
    EXPECT_EQ("value with spaces", std::string(theApp.GetProfileString("Settings", "Name")));
    EXPECT_EQ("fallback", std::string(theApp.GetProfileString("Settings", "Missing", "fallback")));
    BYTE data[] = {0x00, 0x7F, 0x80, 0xFF, 0x10};
    EXPECT_TRUE(theApp.WriteProfileBinary("Settings", "Blob", data, sizeof data));
    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(theApp.GetProfileBinary("Settings", "Blob", &pRead, &nBytes));
    ASSERT_EQ(sizeof data, nBytes);
    EXPECT_EQ(0, memcmp(data, pRead, nBytes));
    delete[] pRead;
    EXPECT_FALSE(theApp.GetProfileBinary("Settings", "NoBlob", &pRead, &nBytes));
    EXPECT_EQ(nullptr, pRead);
}

}  // namespace

TEST(Profile, RegistryValuesRoundTrip)
{
    ASSERT_NE(nullptr, theApp.m_pszRegistryKey);
    ExpectRoundTrips();
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Kestova Window Tests\\Window Tests\\Settings",
                                            0, KEY_READ, &hKey));
    ::RegCloseKey(hKey);
}

TEST(Profile, IniValuesRoundTripInThePrivateFile)
{
    IniProfile ini;
    ExpectRoundTrips();
    char szValue[64] = "";
    ::GetPrivateProfileString("Settings", "Name", "", szValue, sizeof szValue, ini.m_strPath);
    EXPECT_STREQ("value with spaces", szValue);

    // A hand-edited binary value with letters outside the form is refused.
    ::WritePrivateProfileString("Settings", "Blob", "AZ", ini.m_strPath);
    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    EXPECT_FALSE(theApp.GetProfileBinary("Settings", "Blob", &pRead, &nBytes));
    EXPECT_EQ(nullptr, pRead);
    EXPECT_EQ(0u, nBytes);
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndBounded)
{
    CRecentFileList list(0, "Test MRU", "File%d", 3);
    list.Add("C:\\a.tst");
    list.Add("C:\\b.tst");
    list.Add("C:\\c.tst");
    list.Add("C:\\A.TST");  // the same file again moves up
    EXPECT_EQ("C:\\A.TST", std::string(list[0]));
    EXPECT_EQ("C:\\c.tst", std::string(list[1]));
    EXPECT_EQ("C:\\b.tst", std::string(list[2]));
    list.Add("C:\\d.tst");
    EXPECT_EQ("C:\\d.tst", std::string(list[0]));
    EXPECT_EQ("C:\\c.tst", std::string(list[2])) << "the oldest fell off";
    list.Remove(0);
    EXPECT_EQ("C:\\A.TST", std::string(list[0]));
    EXPECT_TRUE(list[2].IsEmpty());
}

TEST(RecentFileList, MenuShowsNumberedEntriesOrTheDisabledPlaceholder)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_FILE_NEW, "&New");
    menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    CRecentFileList list(0, "Test MRU", "File%d", 4);
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndex = 1;
    state.m_nID = ID_FILE_MRU_FILE1;
    list.UpdateMenu(&state);
    EXPECT_TRUE(menu.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);

    list.Add("C:\\work\\one.tst");
    list.Add("C:\\work\\two & more.tst");
    state.m_nIndex = 1;
    state.m_nID = ID_FILE_MRU_FILE1;
    list.UpdateMenu(&state);
    ASSERT_EQ(3u, menu.GetMenuItemCount());
    CString strFirst, strSecond;
    menu.GetMenuString(ID_FILE_MRU_FILE1, strFirst, MF_BYCOMMAND);
    menu.GetMenuString(ID_FILE_MRU_FILE1 + 1, strSecond, MF_BYCOMMAND);
    EXPECT_EQ("&1 C:\\work\\two && more.tst", std::string(strFirst));
    EXPECT_EQ("&2 C:\\work\\one.tst", std::string(strSecond));
    EXPECT_FALSE(menu.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}

// Three projects of one name in three folders were all shown as "Z:\...\Road.kvs".
TEST(RecentFileList, LongPathsKeepTheDriveAndAsManyLastFoldersAsFit)
{
    const char* const kPaths[] = {
        "Z:\\home\\designer\\proto\\north\\Road.kvs",          "Z:\\home\\designer\\proto\\south\\Road.kvs",
        "Z:\\home\\designer\\proto\\fourteen-chars\\Road.kvs", "Z:\\home\\designer\\proto\\fifteen-chars-x\\Road.kvs",
        "Z:\\home\\designer\\a-rather-long-project-name.kvs",  "Z:\\short\\Road.kvs"};
    CRecentFileList list(0, "Test MRU", "File%d", _countof(kPaths));
    for (const char* pszPath : kPaths)
        list.Add(pszPath);
    const auto shown = [&](const char* pszPath)
    {
        int nIndex = 0;
        while (nIndex < list.GetSize() && list[nIndex] != pszPath)
            ++nIndex;
        CString strName;
        EXPECT_TRUE(list.GetDisplayName(strName, nIndex, nullptr, 0));
        EXPECT_LE(strName.GetLength(), 30) << (LPCTSTR)strName;
        return std::string(strName);
    };
    EXPECT_EQ("Z:\\...\\proto\\north\\Road.kvs", shown(kPaths[0]));
    EXPECT_EQ("Z:\\...\\proto\\south\\Road.kvs", shown(kPaths[1]));
    EXPECT_EQ("Z:\\...\\fourteen-chars\\Road.kvs", shown(kPaths[2])) << "exactly the limit";
    EXPECT_EQ("Z:\\...\\Road.kvs", shown(kPaths[3])) << "no folder fits";
    EXPECT_EQ("a-rather-long-project-name.kvs", shown(kPaths[4])) << "not even the drive fits: the name alone";
    EXPECT_EQ("Z:\\short\\Road.kvs", shown(kPaths[5])) << "a path that fits stays whole";
}
