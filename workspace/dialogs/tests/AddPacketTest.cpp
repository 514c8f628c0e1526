// The Add Packet dialog driven through its edits.
#include <gtest/gtest.h>

#include "AddPacket.h"
#include "DialogDriver.h"
#include "KestovaDialogsRes.h"
#include "TestApp.h"
#include "model/FixedText.h"

namespace
{

void AddSubmit(PacketRecordArray& packets)
{
    PacketRecord submit;
    CopyFixedText(submit.name, "Submit");
    CopyFixedText(submit.packetType, "0x0000001A");
    packets.Add(submit);
}

DialogStep Enter(const char* pszName, const char* pszType)
{
    return [=](HWND h)
    {
        TypeInto(h, IDC_EDIT_NAME, pszName);
        TypeInto(h, IDC_EDIT_PACKET_TYPE, pszType);
    };
}

}  // namespace

TEST(AddPacket, RefusesMalformedAndDuplicateEntriesWordForWord)
{
    PacketRecordArray packets;
    AddSubmit(packets);
    CAddPacket dlg(MainFrameForTests(), packets);
    DialogRun run = RunDialog(dlg, {Enter("", "1"), Enter("Query", ""), Enter("submit", "2"), Enter("Query", "1a"),
                                    Enter("Query", "0000001A")});
    const std::vector<std::string> expected = {
        "invalid packet name, please reenter again!", "invalid packet type, please reenter again!",
        "submit packet already exist, please reenter again!", "packet type 0x1a already exist, please reenter again!",
        "packet type 0x0000001A already exist, please reenter again!"};
    EXPECT_EQ(expected, run.refusals);
    EXPECT_EQ(IDCANCEL, run.nResult);
}

TEST(AddPacket, ShortTypeIsStoredWithoutPromptsAndWithoutABody)
{
    PacketRecordArray packets;
    AddSubmit(packets);
    CAddPacket dlg(MainFrameForTests(), packets);
    DialogRun run = RunDialog(dlg, {Enter("Query", "12")});
    ASSERT_EQ(IDOK, run.nResult);
    const PacketRecord record = dlg.MakeRecord();
    EXPECT_STREQ("Query", record.name);
    EXPECT_STREQ("0x12", record.packetType);
    EXPECT_EQ(0, record.hasBody);
    EXPECT_EQ(0, record.fields.GetSize());
}
