// The New Project, Project Properties and TLV Setting dialogs driven through their controls.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "KestovaDialogsRes.h"
#include "NewProject.h"
#include "ProjectProperties.h"
#include "TestApp.h"
#include "TlvSetting.h"
#include "model/FixedText.h"

namespace
{

ProjectRecord UnixProject()
{
    ProjectRecord project;
    CopyFixedText(project.name, "smpp33");
    project.targetPlatform = 1;
    project.basedProtocol = 1;
    project.libraryType = 0;
    project.folder = "C:\\work\\smpp33\\";
    return project;
}

}  // namespace

TEST(NewProject, RefusesWordForWordAndReturnsTheChoices)
{
    CNewProject dlg(MainFrameForTests(), {"Smpp33"});
    DialogRun run = RunDialog(dlg, {[](HWND h) { TypeInto(h, IDC_EDIT_NAME, ""); },
                                    [](HWND h) { TypeInto(h, IDC_EDIT_NAME, "SMPP33"); },
                                    [](HWND h) { TypeInto(h, IDC_EDIT_NAME, "cmpp2"); },
                                    [](HWND h)
                                    {
                                        ::SetDlgItemText(h, IDC_EDIT_LOCATION, "D:\\typed");
                                        Click(h, IDC_RADIO_UDP);
                                        Choose(h, IDC_COMBO_PLATFORM, "Unix(Linux)");
                                        Choose(h, IDC_COMBO_LIBRARY, "static library");
                                    }});
    const std::vector<std::string> expected = {
        "invalid protocol name, please reenter again!",
        "the SMPP33 protocol already exist in the current projects, please change the name!",
        "please select a location that the protocol project will be saved!"};
    EXPECT_EQ(expected, run.refusals);
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_EQ("cmpp2", std::string(dlg.m_strName));
    EXPECT_EQ("D:\\typed", std::string(dlg.m_strLocation)) << "a typed location stays as typed";
    EXPECT_EQ(1, dlg.m_nProtocolBase);
    EXPECT_EQ(1, dlg.m_nTargetPlatform);
    EXPECT_EQ(1, dlg.m_nLibraryType);
}

// The mask stops typing at 15 characters, but a name set from outside the dialog is not typed.
// Over 240 characters the files made from it cannot be written, and the whole path counts too:
// "D:\typed\<name>\<name>_api_demo.c.tmp" stays within 259 characters up to a name of 117.
TEST(NewProject, RefusesANameTooLongForItsFilesAndTakesTheLongestThatFits)
{
    CNewProject dlg(MainFrameForTests(), {});
    const std::string strLongest(117, 'n');
    DialogRun run = RunDialog(dlg, {[&](HWND h) { ::SetDlgItemText(h, IDC_EDIT_NAME, std::string(241, 'n').c_str()); },
                                    [&](HWND h)
                                    {
                                        ::SetDlgItemText(h, IDC_EDIT_NAME, (strLongest + "n").c_str());
                                        ::SetDlgItemText(h, IDC_EDIT_LOCATION, "D:\\typed");
                                    },
                                    [&](HWND h) { ::SetDlgItemText(h, IDC_EDIT_NAME, strLongest.c_str()); }});
    ASSERT_EQ(2u, run.refusals.size());
    EXPECT_EQ("the protocol name has more than 240 characters, please reenter again!", run.refusals[0]);
    EXPECT_NE(std::string::npos, run.refusals[1].find("_api_demo.c.tmp would have 261 characters, more than the limit "
                                                      "of 259, please reenter again!"))
        << run.refusals[1];
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_EQ(strLongest, std::string(dlg.m_strName));
    EXPECT_EQ("D:\\typed", std::string(dlg.m_strLocation));
}

// A device name stands for no file, in the project's folder or anywhere.
TEST(NewProject, RefusesADeviceNameWithOrWithoutAnExtension)
{
    CNewProject dlg(MainFrameForTests(), {});
    std::vector<DialogStep> steps;
    for (const char* pszName : {"con", "NUL", "com1", "Lpt9", "demo"})
        steps.push_back(
            [pszName](HWND h)
            {
                ::SetDlgItemText(h, IDC_EDIT_NAME, pszName);
                ::SetDlgItemText(h, IDC_EDIT_LOCATION, "D:\\typed\\");
            });
    DialogRun run = RunDialog(dlg, steps);
    ASSERT_EQ(4u, run.refusals.size());
    EXPECT_EQ("\"con\" cannot be a file name: it is the name of a device, please reenter again!", run.refusals[0]);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ("demo", std::string(dlg.m_strName));
}

TEST(ProjectProperties, ListsCurrentValuesFirstAndAppliesOnlyTheSettings)
{
    ProjectRecord project = UnixProject();
    CProjectProperties dlg(MainFrameForTests(), project);
    std::vector<std::string> platforms;
    bool bUdpChecked = false;
    std::string strLocation, strTypedName, strTypedLocation;
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        platforms = ListOf(h, IDC_COMBO_PLATFORM);
                                        bUdpChecked = ::IsDlgButtonChecked(h, IDC_RADIO_UDP) == BST_CHECKED;
                                        strLocation = TextOf(h, IDC_EDIT_LOCATION);
                                        // The dialog neither renames nor moves a project: what is typed there
                                        // would be dropped on OK, so the boxes take no typing.
                                        for (int nId : {IDC_EDIT_NAME, IDC_EDIT_LOCATION})
                                            ::SendDlgItemMessage(h, nId, WM_CHAR, 'z', 0);
                                        strTypedName = TextOf(h, IDC_EDIT_NAME);
                                        strTypedLocation = TextOf(h, IDC_EDIT_LOCATION);
                                        ::SetDlgItemText(h, IDC_EDIT_NAME, "");
                                    },
                                    [](HWND h)
                                    {
                                        ::SetDlgItemText(h, IDC_EDIT_NAME, "renamed");
                                        Choose(h, IDC_COMBO_LIBRARY, "static library");
                                    }});
    EXPECT_EQ((std::vector<std::string>{"Unix(Linux)", "Windows"}), platforms);
    EXPECT_TRUE(bUdpChecked);
    EXPECT_EQ("C:\\work\\smpp33\\", strLocation);
    EXPECT_EQ("smpp33", strTypedName);
    EXPECT_EQ(strLocation, strTypedLocation);
    EXPECT_EQ(std::vector<std::string>{"please input a protocol name!"}, run.refusals);
    ASSERT_EQ(IDOK, run.nResult);
    dlg.ApplyTo(project);
    EXPECT_EQ(1, project.libraryType);
    EXPECT_EQ(1, project.targetPlatform) << "unchanged settings keep the project's values";
    EXPECT_EQ(1, project.basedProtocol);
    EXPECT_STREQ("smpp33", project.name) << "the name is not changed here";
}

TEST(TlvSetting, OffDisablesTheListsAndStoresUnsignedInt)
{
    ProjectRecord project = UnixProject();
    project.tlvSupport = 1;
    CopyFixedText(project.tlvTagType, "unsigned short int");
    CopyFixedText(project.tlvLengthType, "signed int");
    CTlv dlg(MainFrameForTests(), project);
    std::string strShownTag;
    bool bEnabledWhenOff = true;
    DialogRun run = RunDialog(dlg, {[&](HWND h)
                                    {
                                        strShownTag = TextOf(h, IDC_COMBO_TAG_TYPE);
                                        Click(h, IDC_CHECK_BOX);
                                        Choose(h, IDC_COMBO_TAG_TYPE, "unsigned int");
                                        Choose(h, IDC_COMBO_LENGTH_TYPE, "unsigned int");
                                        bEnabledWhenOff =
                                            IsEnabled(h, IDC_COMBO_TAG_TYPE) || IsEnabled(h, IDC_COMBO_LENGTH_TYPE);
                                    }});
    EXPECT_EQ("unsigned short int", strShownTag);
    EXPECT_FALSE(bEnabledWhenOff);
    ASSERT_EQ(IDOK, run.nResult);
    dlg.ApplyTo(project);
    EXPECT_EQ(0, project.tlvSupport);
    EXPECT_STREQ("unsigned int", project.tlvTagType);
    EXPECT_STREQ("unsigned int", project.tlvLengthType);
}

TEST(TlvSetting, ProjectWithoutTlvOpensUncheckedWithDisabledLists)
{
    ProjectRecord project = UnixProject();
    CTlv dlg(MainFrameForTests(), project);
    bool bChecked = true, bEnabled = true;
    std::string strShown;
    RunDialog(dlg, {[&](HWND h)
                    {
                        bChecked = ::IsDlgButtonChecked(h, IDC_CHECK_BOX) == BST_CHECKED;
                        bEnabled = IsEnabled(h, IDC_COMBO_LENGTH_TYPE);
                        strShown = TextOf(h, IDC_COMBO_LENGTH_TYPE);
                    }});
    EXPECT_FALSE(bChecked);
    EXPECT_FALSE(bEnabled);
    EXPECT_EQ("unsigned int", strShown);
}
