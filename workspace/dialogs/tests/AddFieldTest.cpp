// The Add Field dialog driven through its controls: refusals, enable states and the record it makes.
#include <gtest/gtest.h>

#include "AddField.h"
#include "ClipboardText.h"
#include "DialogDriver.h"
#include "KestovaDialogsRes.h"
#include "TestApp.h"
#include "model/FixedText.h"

namespace
{

FieldRecord Field(const char* pszName, const char* pszType, int nUnit = 0, const char* pszTag = "0x00000000")
{
    FieldRecord field;
    CopyFixedText(field.name, pszName);
    CopyFixedText(field.dataType, pszType);
    CopyFixedText(field.tlvTag, pszTag);
    field.unit = nUnit;
    return field;
}

class AddFieldTest : public ::testing::Test
{
protected:
    FieldRecordArray m_fields;

    void SetUp() override
    {
        m_fields.Add(Field("version", "unsigned char"));
        m_fields.Add(Field("text", "char []"));
        m_fields.Add(Field("count", "unsigned int"));
        m_fields.Add(Field("tagged", "unsigned int", 2, "0x0000001A"));
    }

    DialogRun Run(CAddField& dlg, std::vector<DialogStep> attempts) { return RunDialog(dlg, std::move(attempts)); }
};

void NameAndType(HWND hDlg, const char* pszName, const char* pszUnit, const char* pszType)
{
    TypeInto(hDlg, IDC_EDIT_NAME, pszName);
    Choose(hDlg, IDC_COMBO_UNIT, pszUnit);
    if (pszType)
        Choose(hDlg, IDC_COMBO_DATATYPE, pszType);
}

// Pasting passes the digits-only style that typing keeps to.
void PasteInto(HWND hDlg, int nID, const char* pszText)
{
    HWND hEdit = ::GetDlgItem(hDlg, nID);
    ASSERT_TRUE(SetClipboardText(hDlg, pszText));
    ::SendMessage(hEdit, EM_SETSEL, 0, -1);
    ::SendMessage(hEdit, WM_PASTE, 0, 0);
}

}  // namespace

TEST_F(AddFieldTest, HeaderRefusalsComeWordForWordInTheirOrder)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h) { NameAndType(h, "", "byte", "unsigned int"); },
                              [](HWND h) { NameAndType(h, "version", "byte", nullptr); },
                              [](HWND h) { NameAndType(h, "flags", "bit", nullptr); },
                              [](HWND h) { TypeInto(h, IDC_EDIT_MAX_LENGTH, "40"); },
                              [](HWND h)
                              {
                                  Choose(h, IDC_COMBO_UNIT, "TLV");
                                  Choose(h, IDC_COMBO_FIELD_TYPE, "packet type");
                              },
                              [](HWND h)
                              {
                                  Choose(h, IDC_COMBO_FIELD_TYPE, "normal data");
                                  TypeInto(h, IDC_EDIT_TAG, "1A");
                              },
                              [](HWND h)
                              {
                                  NameAndType(h, "body", "byte", "char []");
                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "0");
                              },
                              [](HWND h)
                              {
                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "16");
                                  Choose(h, IDC_COMBO_FIELD_TYPE, "header length");
                              },
                              [](HWND h)
                              {
                                  Choose(h, IDC_COMBO_FIELD_TYPE, "normal data");
                                  Choose(h, IDC_COMBO_ATTRIBUTE, "variant length");
                                  Choose(h, IDC_COMBO_VARIANT, "select a related field");
                              },
                              [](HWND h) { Choose(h, IDC_COMBO_DATATYPE, "char *"); },
                              [](HWND h) { TypeInto(h, IDC_EDIT_MAX_COUNT, "4"); },
                              [](HWND h) { Choose(h, IDC_COMBO_RELATED_COUNT, "count"); },
                              // But for what the project file cannot hold.
                              [](HWND h)
                              {
                                  ::SetDlgItemText(h, IDC_EDIT_MAX_COUNT, "4\x01");
                                  Choose(h, IDC_COMBO_RELATED_LENGTH, "count");
                              },
                              // A count is kept as typed, as the settings pane keeps it: the design check names it.
                              [](HWND h)
                              {
                                  ::SetDlgItemText(h, IDC_EDIT_MAX_COUNT, "4x");
                                  Choose(h, IDC_COMBO_RELATED_LENGTH, "count");
                              }});
    const std::vector<std::string> expected = {
        "invalid field name, please reenter again!",
        "field version already exist in header, please reenter again!",
        "invalid max length, please reenter again!",
        "the field unit you choose is bit,the value of max length can't be larger than 31!",
        "the \"Unit\" you choose is \"TLV\",the \"Type\" you must select is \"normal data\"!",
        "tag value 0x1A already exist in header, please reenter again!",
        "invalid max length, please reenter again!",
        "the field type you choose is \"header length\",the data type you select must be integer!",
        "the data type you choose is char [],you must select a related field as length depend on your selected "
        "variant way!",
        "the data type you choose is char *,you must input the max count!",
        "the data type you choose is char *,you must choose a related field as count!",
        "the data type you choose is char *,you must select a related field as length depend on your selected "
        "variant way!",
        "invalid max count, please reenter again!"};
    EXPECT_EQ(expected, run.refusals);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ("4x", std::string(dlg.m_strMaxCount));
}

TEST_F(AddFieldTest, PacketRefusalsNameThePacket)
{
    CAddField dlg(MainFrameForTests(), m_fields, "Submit");
    DialogRun run = Run(dlg, {[](HWND h) { NameAndType(h, "text", "byte", nullptr); },
                              [](HWND h)
                              {
                                  NameAndType(h, "other", "TLV", nullptr);
                                  TypeInto(h, IDC_EDIT_TAG, "0000001a");
                              }});
    const std::vector<std::string> expected = {
        "field text already exist in packet Submit, please reenter again!",
        "tag value 0x0000001a already exist in packet Submit,please reenter again!"};
    EXPECT_EQ(expected, run.refusals);
}

TEST_F(AddFieldTest, RelatedListsOfferOnlyNonStringFields)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    std::vector<std::string> counts, lengths;
    Run(dlg, {[&](HWND h)
              {
                  counts = ListOf(h, IDC_COMBO_RELATED_COUNT);
                  lengths = ListOf(h, IDC_COMBO_RELATED_LENGTH);
              }});
    const std::vector<std::string> expected = {"version", "count", "tagged"};
    EXPECT_EQ(expected, counts);
    EXPECT_EQ(expected, lengths);
}

TEST_F(AddFieldTest, ControlsFollowUnitDataTypeAttributeAndVariant)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    Run(dlg, {[](HWND h)
              {
                  EXPECT_EQ("byte", TextOf(h, IDC_COMBO_UNIT)) << "a new field starts as bytes";
                  EXPECT_FALSE(IsEnabled(h, IDC_EDIT_MAX_LENGTH)) << "an integer has its own length";
                  EXPECT_FALSE(IsEnabled(h, IDC_COMBO_ATTRIBUTE));
                  EXPECT_FALSE(IsEnabled(h, IDC_EDIT_TAG));

                  Choose(h, IDC_COMBO_DATATYPE, "char *");
                  EXPECT_TRUE(IsEnabled(h, IDC_EDIT_MAX_LENGTH) && IsEnabled(h, IDC_EDIT_MAX_COUNT) &&
                              IsEnabled(h, IDC_COMBO_RELATED_COUNT) && IsEnabled(h, IDC_COMBO_ATTRIBUTE));
                  EXPECT_FALSE(IsEnabled(h, IDC_COMBO_VARIANT)) << "fix length has no variant";

                  Choose(h, IDC_COMBO_ATTRIBUTE, "variant length");
                  EXPECT_TRUE(IsEnabled(h, IDC_COMBO_VARIANT));
                  EXPECT_FALSE(IsEnabled(h, IDC_COMBO_RELATED_LENGTH)) << "a terminating zero needs no length";
                  Choose(h, IDC_COMBO_VARIANT, "select a related field,additional binary 0 at end");
                  EXPECT_TRUE(IsEnabled(h, IDC_COMBO_RELATED_LENGTH));

                  Choose(h, IDC_COMBO_UNIT, "TLV");
                  EXPECT_EQ("unsigned int", TextOf(h, IDC_COMBO_DATATYPE));
                  auto types = ListOf(h, IDC_COMBO_DATATYPE);
                  EXPECT_EQ(types.end(), std::find(types.begin(), types.end(), "char *"));
                  EXPECT_TRUE(IsEnabled(h, IDC_EDIT_TAG));
                  Choose(h, IDC_COMBO_DATATYPE, "char []");
                  EXPECT_FALSE(IsEnabled(h, IDC_COMBO_ATTRIBUTE)) << "a TLV string takes its length from the TLV";

                  Choose(h, IDC_COMBO_UNIT, "bit");
                  EXPECT_EQ(10u, ListOf(h, IDC_COMBO_DATATYPE).size()) << "\"char *\" comes back";
                  EXPECT_FALSE(IsEnabled(h, IDC_COMBO_DATATYPE));
                  EXPECT_TRUE(IsEnabled(h, IDC_EDIT_MAX_LENGTH));
                  EXPECT_FALSE(IsEnabled(h, IDC_EDIT_TAG) || IsEnabled(h, IDC_COMBO_VARIANT));
              }});
}

TEST_F(AddFieldTest, BitWidthChoosesTheCarryingType)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "flags", "bit", nullptr);
                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "12");
                              }});
    ASSERT_EQ(IDOK, run.nResult);
    const FieldRecord record = dlg.MakeRecord();
    EXPECT_STREQ("unsigned short int", record.dataType);
    EXPECT_STREQ("12", record.maxLength);
    EXPECT_EQ(1, record.unit);
}

TEST_F(AddFieldTest, IntegerKeepsItsOwnWidthWhateverWasTyped)
{
    CAddField dlg(MainFrameForTests(), m_fields, "Submit");
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "port", "byte", "char *");
                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "77");
                                  Choose(h, IDC_COMBO_RELATED_COUNT, "count");
                                  Choose(h, IDC_COMBO_DATATYPE, "signed short int");
                              }});
    ASSERT_EQ(IDOK, run.nResult);
    const FieldRecord record = dlg.MakeRecord();
    EXPECT_STREQ("2", record.maxLength);
    EXPECT_STREQ("", record.relatedCountField) << "only a pointer field has a count";
    EXPECT_STREQ("0x00000000", record.tlvTag);
}

TEST_F(AddFieldTest, AnIntegerOrABitFieldIsNotRefusedForTheCountItsDisabledBoxStillShows)
{
    const std::vector<DialogStep> integers = {[](HWND h)
                                              {
                                                  NameAndType(h, "port", "byte", "char *");
                                                  ::SetDlgItemText(h, IDC_EDIT_MAX_COUNT, "4x");
                                                  Choose(h, IDC_COMBO_DATATYPE, "unsigned short int");
                                              },
                                              [](HWND h)
                                              {
                                                  NameAndType(h, "flags", "byte", "char *");
                                                  ::SetDlgItemText(h, IDC_EDIT_MAX_COUNT, "4x");
                                                  Choose(h, IDC_COMBO_UNIT, "bit");
                                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "12");
                                              }};
    for (const DialogStep& step : integers)
    {
        CAddField dlg(MainFrameForTests(), m_fields, "Submit");
        DialogRun run = Run(dlg, {step});
        ASSERT_EQ(IDOK, run.nResult) << (run.refusals.empty() ? "" : run.refusals[0]);
        EXPECT_STREQ("", dlg.MakeRecord().maxCount);
    }
    CAddField wide(MainFrameForTests(), m_fields, "Submit");
    DialogRun run = Run(wide, {[](HWND h)
                               {
                                   NameAndType(h, "flags", "byte", "char *");
                                   ::SetDlgItemText(h, IDC_EDIT_MAX_COUNT, "4x");
                                   Choose(h, IDC_COMBO_UNIT, "bit");
                                   TypeInto(h, IDC_EDIT_MAX_LENGTH, "40");
                               }});
    EXPECT_EQ(
        std::vector<std::string>{"the field unit you choose is bit,the value of max length can't be larger than 31!"},
        run.refusals);
}

TEST_F(AddFieldTest, FixedLengthStoresNoVariantWhateverTheHiddenBoxShows)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "body", "byte", "char []");
                                  TypeInto(h, IDC_EDIT_MAX_LENGTH, "64");
                                  Choose(h, IDC_COMBO_ATTRIBUTE, "variant length");
                                  Choose(h, IDC_COMBO_VARIANT, "select a related field");
                                  Choose(h, IDC_COMBO_ATTRIBUTE, "fix length");
                              }});
    ASSERT_EQ(IDOK, run.nResult) << (run.refusals.empty() ? "" : run.refusals[0]);
    const FieldRecord record = dlg.MakeRecord();
    EXPECT_EQ(0, record.attribute);
    EXPECT_EQ(0, record.variantWay);
    EXPECT_STREQ("64", record.maxLength);
}

TEST_F(AddFieldTest, NewTagIsStoredWithoutItsPrompts)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "option", "TLV", nullptr);
                                  TypeInto(h, IDC_EDIT_TAG, "1B");
                              }});
    ASSERT_EQ(IDOK, run.nResult);
    const FieldRecord record = dlg.MakeRecord();
    EXPECT_STREQ("0x1B", record.tlvTag);
    EXPECT_EQ(2, record.unit);
    EXPECT_STREQ("unsigned int", record.dataType);
}

// A width is the number its text starts with; only no number, or 0, is an invalid length.
TEST_F(AddFieldTest, BitWidthIsTheNumberItsTextStartsWith)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "flags", "bit", nullptr);
                                  PasteInto(h, IDC_EDIT_MAX_LENGTH, "-5");
                              },
                              [](HWND h) { PasteInto(h, IDC_EDIT_MAX_LENGTH, "x5"); },
                              [](HWND h) { PasteInto(h, IDC_EDIT_MAX_LENGTH, "99999999999"); },
                              [](HWND h) { PasteInto(h, IDC_EDIT_MAX_LENGTH, "12abc"); }});
    const std::vector<std::string> expected = {
        "the field unit you choose is bit,the value of max length can't be smaller than 0!",
        "invalid max length, please reenter again!",
        "the field unit you choose is bit,the value of max length can't be larger than 31!"};
    EXPECT_EQ(expected, run.refusals);
    ASSERT_EQ(IDOK, run.nResult);
    const FieldRecord record = dlg.MakeRecord();
    EXPECT_STREQ("12", record.maxLength);
    EXPECT_STREQ("unsigned short int", record.dataType);
}

TEST_F(AddFieldTest, ATextLengthMustBeAboveZero)
{
    CAddField dlg(MainFrameForTests(), m_fields, nullptr);
    DialogRun run = Run(dlg, {[](HWND h)
                              {
                                  NameAndType(h, "body", "byte", "char []");
                                  PasteInto(h, IDC_EDIT_MAX_LENGTH, "-5");
                              },
                              [](HWND h) { PasteInto(h, IDC_EDIT_MAX_LENGTH, "64 bytes"); }});
    EXPECT_EQ(std::vector<std::string>{"invalid max length, please reenter again!"}, run.refusals);
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("64", dlg.MakeRecord().maxLength);
}
