// Deleting fields and packets: the question asked, and what stays in the lists.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "RecordRemoval.h"
#include "TestApp.h"
#include "model/FixedText.h"

namespace
{

template <class TRecord, class TArray>
void AddNamed(TArray& records, std::initializer_list<const char*> names)
{
    for (const char* pszName : names)
    {
        TRecord record;
        CopyFixedText(record.name, pszName);
        records.Add(record);
    }
}

template <class TArray>
std::vector<std::string> NamesOf(const TArray& records)
{
    std::vector<std::string> names;
    for (INT_PTR i = 0; i < records.GetSize(); i++)
        names.emplace_back(records[i].name);
    return names;
}

}  // namespace

TEST(RecordRemoval, QuestionsAreAskedWordForWordAndCancelKeepsEverything)
{
    BOOL bField = TRUE, bPacket = FALSE;
    EXPECT_EQ("Do you sure delete length field?",
              AnswerQuestion([&] { bField = ConfirmFieldDeletion(MainFrameForTests(), "length"); }, IDCANCEL));
    EXPECT_EQ("Do you sure delete Submit packet? if you do,the fields in this packet will be all deleted too!",
              AnswerQuestion([&] { bPacket = ConfirmPacketDeletion(MainFrameForTests(), "Submit"); }, IDOK));
    EXPECT_FALSE(bField);
    EXPECT_TRUE(bPacket);
}

TEST(RecordRemoval, OnlyTheNamedRecordGoesAndTheOthersKeepTheirOrder)
{
    FieldRecordArray fields;
    AddNamed<FieldRecord>(fields, {"a", "b", "c", "d"});
    RemoveFieldsNamed(fields, "b");
    EXPECT_EQ((std::vector<std::string>{"a", "c", "d"}), NamesOf(fields));

    PacketRecordArray packets;
    AddNamed<PacketRecord>(packets, {"Submit", "Query"});
    packets[0].fields.Copy(fields);
    RemovePacketsNamed(packets, "Submit");
    EXPECT_EQ(std::vector<std::string>{"Query"}, NamesOf(packets));
    EXPECT_EQ(0, packets[0].fields.GetSize());
}
