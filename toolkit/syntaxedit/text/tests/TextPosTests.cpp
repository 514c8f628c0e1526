// Text positions and attribute records: order, packed keys, reset and copy.
#include <gtest/gtest.h>

#include "KTSyntaxEditTextPos.h"

namespace
{
TEST(TextPos, OrdersRowFirstThenColumn)
{
    EXPECT_LT(KT_EDIT_TEXTPOS(2, 1), KT_EDIT_TEXTPOS(2, 5));
    EXPECT_LT(KT_EDIT_TEXTPOS(2, 5), KT_EDIT_TEXTPOS(3, 0));
    EXPECT_GT(KT_EDIT_TEXTPOS(3, 0), KT_EDIT_TEXTPOS(2, 999));
    EXPECT_EQ(KT_EDIT_TEXTPOS(2, 5), KT_EDIT_TEXTPOS(2, 5));
    EXPECT_LE(KT_EDIT_TEXTPOS(2, 5), KT_EDIT_TEXTPOS(2, 5));
    EXPECT_GE(KT_EDIT_TEXTPOS(2, -1), KT_EDIT_TEXTPOS(1, 7));
    EXPECT_FALSE(KT_EDIT_TEXTPOS().IsValid());
    KT_EDIT_TEXTPOS pos(4, 4);
    pos.Clear();
    EXPECT_EQ(pos, KT_EDIT_TEXTPOS(0, 0));
}

TEST(TextPos, PackedKeyKeepsTwelveColumnBits)
{
    EXPECT_EQ(KT_EDIT_TEXTPOS(1, 4096).GetPackedKey(), KT_EDIT_TEXTPOS(1, 0).GetPackedKey());
    EXPECT_EQ(KT_EDIT_TEXTPOS(2, 3).GetPackedKey(), 8195u);
}

TEST(TextAttr, ResetLeavesEverythingUnsetAndCopyKeepsIt)
{
    KT_EDIT_TEXTATTR attr;
    EXPECT_EQ(attr.lf.lfWeight, 255);
    EXPECT_EQ(attr.lf.lfItalic, 255);
    EXPECT_STREQ(attr.lf.lfFaceName, "");
    for (int i = 0; i < KT_EDIT_COLORSET::kColorCount; ++i)
        EXPECT_TRUE(attr.clrSet.At(i).IsDefaultValue());
    attr.nStart = 3;
    attr.lf.lfWeight = 700;
    attr.clrSet.At(2).SetStandardValue(RGB(1, 2, 3));
    attr.clrSet.At(2).SetCustomValue(RGB(4, 5, 6));
    KT_EDIT_TEXTATTR copy = attr;
    EXPECT_EQ(copy.nStart, 3);
    EXPECT_EQ(copy.lf.lfWeight, 700);
    EXPECT_EQ(copy.clrSet.clrSelText.GetStandardColor(), RGB(1, 2, 3));
    EXPECT_EQ(COLORREF(copy.clrSet.clrSelText), RGB(4, 5, 6));
    copy.Reset();
    EXPECT_TRUE(copy.clrSet.clrSelText.IsDefaultValue());
}
}  // namespace
