// ItemTests.cpp: items, their tree, values, flags and constraints, with no window.
#include <gtest/gtest.h>

#include "KTPropertyGridItem.h"
#include "PropertyGridTestsRes.h"

namespace
{

// Counts its own destruction and its constraint changes.
class CCountedItem : public CKTPropertyGridItem
{
public:
    CCountedItem(LPCSTR lpszCaption, int* pnDestroyed = nullptr)
        : CKTPropertyGridItem(lpszCaption, ""), m_pnDestroyed(pnDestroyed)
    {
    }
    ~CCountedItem() override
    {
        if (m_pnDestroyed)
            ++*m_pnDestroyed;
    }
    void OnConstraintsChanged() override { m_nConstraintChanges++; }

    int* m_pnDestroyed;
    int m_nConstraintChanges = 0;
};

using ItemPtr = CKTSmartPtr<CKTPropertyGridItem>;

std::vector<UINT> ButtonIds(CKTPropertyGridItem* pItem)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pItem->GetInplaceButtons()->GetCount(); i++)
        ids.push_back(pItem->GetInplaceButtons()->GetAt(i)->GetID());
    return ids;
}

}  // namespace

TEST(PropertyGridItem, CaptionAndDescriptionComeFromTheStringResource)
{
    ItemPtr pName = ItemPtr::Adopt(new CKTPropertyGridItem(IDS_FIELD_NAME, "len"));
    EXPECT_STREQ("Name", pName->GetCaption());
    EXPECT_STREQ("The field's name: a letter, then letters or digits.", pName->GetDescription());
    EXPECT_EQ(static_cast<UINT>(IDS_FIELD_NAME), pName->GetID());

    ItemPtr pUnit = ItemPtr::Adopt(new CKTPropertyGridItem(IDS_FIELD_UNIT, "byte"));
    EXPECT_STREQ("Unit", pUnit->GetCaption());
    EXPECT_STREQ("", pUnit->GetDescription());

    ItemPtr pText = ItemPtr::Adopt(new CKTPropertyGridItem("Size\nIn bytes", "4"));
    EXPECT_STREQ("Size", pText->GetCaption());
    EXPECT_STREQ("In bytes", pText->GetDescription());
    EXPECT_EQ(0u, pText->GetID());
}

TEST(PropertyGridItem, ValueDefaultAndBoundString)
{
    CString strBound = "stale";
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Unit", "byte", &strBound));
    EXPECT_STREQ("byte", strBound);
    EXPECT_FALSE(pItem->IsValueChanged());

    pItem->SetValue("Byte");  // case counts
    EXPECT_TRUE(pItem->IsValueChanged());
    EXPECT_STREQ("Byte", strBound);

    strBound = "bit";
    pItem->SyncBoundString();
    EXPECT_STREQ("bit", pItem->GetValue());
    pItem->ResetValue();
    EXPECT_STREQ("byte", pItem->GetValue());
    EXPECT_STREQ("byte", strBound);
}

TEST(PropertyGridItem, PasswordShowsOneCharacterPerCharacter)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Key", "abc"));
    pItem->SetPassword(TRUE);
    EXPECT_STREQ("***", pItem->GetViewValue());
    EXPECT_STREQ("abc", pItem->GetValue());
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | ES_AUTOHSCROLL | ES_PASSWORD), pItem->GetEditStyle());
    pItem->SetMultiLinesCount(2);
    pItem->SetEditStyle(ES_WANTRETURN);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | ES_AUTOHSCROLL | ES_PASSWORD | ES_MULTILINE | ES_WANTRETURN),
              pItem->GetEditStyle());
}

TEST(PropertyGridItem, RowHeightFollowsLinesOrFixedHeight)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Notes", ""));
    MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 0, 0, 0, 18, 0};
    pItem->OnMeasureItem(&mis);
    EXPECT_EQ(18u, mis.itemHeight);
    pItem->SetMultiLinesCount(3);
    pItem->OnMeasureItem(&mis);
    EXPECT_EQ(46u, mis.itemHeight);
    pItem->SetHeight(30);
    mis.itemHeight = 18;
    pItem->OnMeasureItem(&mis);
    EXPECT_EQ(30u, mis.itemHeight);
}

TEST(PropertyGridItem, FlagsRebuildTheInplaceButtons)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Unit", "byte"));
    EXPECT_EQ(static_cast<UINT>(KTPGF_HASEDIT), pItem->GetFlags());
    EXPECT_TRUE(ButtonIds(pItem).empty());
    pItem->SetFlags(KTPGF_HASEXPANDBUTTON | KTPGF_HASCOMBOBUTTON);
    EXPECT_EQ((std::vector<UINT>{100, 101}), ButtonIds(pItem));
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASCOMBOBUTTON);
    EXPECT_EQ((std::vector<UINT>{101}), ButtonIds(pItem));
    pItem->SetFlags(KTPGF_HASEDIT);
    EXPECT_TRUE(ButtonIds(pItem).empty());
}

TEST(PropertyGridItem, ChildrenAppendAtAnyIndexOutsideTheList)
{
    ItemPtr pParent = ItemPtr::Adopt(new CKTPropertyGridItem("Parent", ""));
    CKTPropertyGridItem* pFirst = pParent->AddChildItem(new CKTPropertyGridItem("First", ""));
    CKTPropertyGridItem* pLast = pParent->InsertChildItem(-1, new CKTPropertyGridItem("Second", ""));
    CKTPropertyGridItem* pBeyond = pParent->InsertChildItem(7, new CKTPropertyGridItem("Third", ""));
    CKTPropertyGridItem* pFront = pParent->InsertChildItem(0, new CKTPropertyGridItem("Zeroth", ""));
    EXPECT_EQ(nullptr, pParent->AddChildItem(nullptr));

    CKTPropertyGridItems* pChilds = pParent->GetChilds();
    ASSERT_EQ(4, pChilds->GetCount());
    EXPECT_EQ(pFront, pChilds->GetAt(0));
    EXPECT_EQ(pFirst, pChilds->GetAt(1));
    EXPECT_EQ(pLast, pChilds->GetAt(2));
    EXPECT_EQ(pBeyond, pChilds->GetAt(3));
    EXPECT_EQ(pParent.GetInterface(), pFirst->GetParentItem());
    EXPECT_EQ(1, pFirst->GetIndent());
    EXPECT_TRUE(pFirst->IsChildOf(pParent));
    EXPECT_FALSE(pParent->IsChildOf(pFirst));
    EXPECT_THROW(pChilds->GetAt(4), CInvalidArgException*);
}

TEST(PropertyGridItem, SubtreeTakesItsLevelFromTheNewParent)
{
    ItemPtr pRoot = ItemPtr::Adopt(new CKTPropertyGridItem("Root", ""));
    CKTPropertyGridItem* pBranch = new CKTPropertyGridItem("Branch", "");
    CKTPropertyGridItem* pLeaf = pBranch->AddChildItem(new CKTPropertyGridItem("Leaf", ""));
    EXPECT_EQ(1, pLeaf->GetIndent());
    pRoot->AddChildItem(pBranch);
    EXPECT_EQ(2, pLeaf->GetIndent());
}

TEST(PropertyGridItem, FindsDepthFirstByIdAndExactCaption)
{
    CKTPropertyGridItems categories;
    CKTPropertyGridItem* pA = new CKTPropertyGridItem("A", "");
    categories.InsertAt(-1, pA);
    CKTPropertyGridItem* pInner = pA->AddChildItem(new CKTPropertyGridItem("Name", ""));
    pInner->SetID(5);
    CKTPropertyGridItem* pDeep = pInner->AddChildItem(new CKTPropertyGridItem("Deep", ""));
    pDeep->SetID(7);
    CKTPropertyGridItem* pB = new CKTPropertyGridItem("B", "");
    categories.InsertAt(-1, pB);
    CKTPropertyGridItem* pLater = pB->AddChildItem(new CKTPropertyGridItem("name", ""));
    pLater->SetID(5);

    EXPECT_EQ(pInner, categories.FindItem(5));
    EXPECT_EQ(pDeep, categories.FindItem(7));
    EXPECT_EQ(nullptr, categories.FindItem(99));
    EXPECT_EQ(pInner, categories.FindItemByCaption("Name"));
    EXPECT_EQ(pLater, categories.FindItemByCaption("name"));
    EXPECT_EQ(nullptr, categories.FindItemByCaption("NAME"));
}

// AddTail shares the items: each collection holds them until it lets go, and each item goes once.
TEST(PropertyGridItem, AddTailAppendsTheItemsOfAnotherCollectionInOrder)
{
    int nDestroyed = 0;
    {
        CKTPropertyGridItems target;
        CKTPropertyGridItem* pFirst = new CCountedItem("First", &nDestroyed);
        target.InsertAt(-1, pFirst);
        CKTPropertyGridItem* pX = new CCountedItem("X", &nDestroyed);
        CKTPropertyGridItem* pY = new CCountedItem("Y", &nDestroyed);
        {
            CKTPropertyGridItems source;
            source.InsertAt(-1, pX);
            source.InsertAt(-1, pY);
            target.AddTail(&source);
            target.AddTail(nullptr);
            EXPECT_EQ(2, source.GetCount()) << "the source keeps its items";
        }
        EXPECT_EQ(0, nDestroyed) << "the target still holds what the source let go";
        ASSERT_EQ(3, target.GetCount());
        EXPECT_EQ(pFirst, target.GetAt(0));
        EXPECT_EQ(pX, target.GetAt(1));
        EXPECT_EQ(pY, target.GetAt(2));

        target.AddTail(&target);
        ASSERT_EQ(6, target.GetCount()) << "a collection appended to itself doubles";
        EXPECT_EQ(pY, target.GetAt(5));
    }
    EXPECT_EQ(3, nDestroyed);
}

TEST(PropertyGridItem, ClearingReleasesTheWholeTree)
{
    int nDestroyed = 0;
    {
        CKTPropertyGridItems categories;
        CKTPropertyGridItem* pCategory = new CCountedItem("Category", &nDestroyed);
        categories.InsertAt(0, pCategory);
        CKTPropertyGridItem* pChild = pCategory->AddChildItem(new CCountedItem("Child", &nDestroyed));
        pChild->AddChildItem(new CCountedItem("Grandchild", &nDestroyed));
        categories.Clear();
        EXPECT_EQ(3, nDestroyed);
        EXPECT_EQ(0, categories.GetCount());
    }
    EXPECT_EQ(3, nDestroyed);
}

TEST(PropertyGridItem, AHolderKeepsAnItemItsCollectionLetGo)
{
    int nDestroyed = 0;
    CKTPropertyGridItems categories;
    CKTPropertyGridItem* pItem = new CCountedItem("Kept", &nDestroyed);
    categories.InsertAt(0, pItem);
    ItemPtr pHolder(pItem);
    categories.Clear();
    EXPECT_EQ(0, nDestroyed);
    pHolder.Release();
    EXPECT_EQ(1, nDestroyed);
}

TEST(PropertyGridItemConstraints, FindIgnoresCaseAndOutOfRangeIsEmpty)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem(IDS_FIELD_UNIT, "byte"));
    CKTPropertyGridItemConstraints* pConstraints = pItem->GetConstraints();
    pConstraints->AddConstraint("BYTE");
    pConstraints->AddConstraint("bit", 42, 3);
    EXPECT_EQ(0, pConstraints->FindConstraint("byte"));
    EXPECT_EQ(1, pConstraints->FindConstraint("Bit"));
    EXPECT_EQ(-1, pConstraints->FindConstraint("TLV"));
    EXPECT_STREQ("", pConstraints->GetAt(2));
    EXPECT_STREQ("", pConstraints->GetAt(-1));
    CKTPropertyGridItemConstraint* pBit = pConstraints->GetConstraintAt(1);
    EXPECT_EQ(42u, pBit->m_dwData);
    EXPECT_EQ(3, pBit->m_nImage);
    EXPECT_EQ(pItem.GetInterface(), pBit->m_pItem);
    EXPECT_EQ(-1, pConstraints->GetCurrent());
}

TEST(PropertyGridItemConstraints, RemovingRenumbersAndTellsTheItem)
{
    CKTSmartPtr<CCountedItem> pItem = KTMakeCounted<CCountedItem>("Data Type");
    CKTPropertyGridItemConstraints* pConstraints = pItem->GetConstraints();
    for (const char* psz : {"unsigned int", "char []", "char *", "signed char"})
        pConstraints->AddConstraint(psz);
    EXPECT_EQ(4, pItem->m_nConstraintChanges);

    pConstraints->RemoveAt(pConstraints->FindConstraint("char []"));
    EXPECT_EQ(5, pItem->m_nConstraintChanges);
    ASSERT_EQ(3, pConstraints->GetCount());
    for (int i = 0; i < pConstraints->GetCount(); i++)
        EXPECT_EQ(i, pConstraints->GetConstraintAt(i)->m_nIndex);
    EXPECT_STREQ("char *", pConstraints->GetAt(1));

    EXPECT_THROW(pConstraints->RemoveAt(3), CInvalidArgException*);
    EXPECT_THROW(pConstraints->RemoveAt(-1), CInvalidArgException*);
    EXPECT_EQ(3, pConstraints->GetCount());

    pConstraints->RemoveAll();
    EXPECT_EQ(0, pConstraints->GetCount());
    EXPECT_EQ(6, pItem->m_nConstraintChanges);
}

TEST(PropertyGridItemConstraints, SortIsCaseSensitive)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Order", ""));
    CKTPropertyGridItemConstraints* pConstraints = pItem->GetConstraints();
    for (const char* psz : {"b", "a", "B"})
        pConstraints->AddConstraint(psz);
    pConstraints->Sort();
    EXPECT_STREQ("B", pConstraints->GetAt(0));
    EXPECT_STREQ("a", pConstraints->GetAt(1));
    EXPECT_STREQ("b", pConstraints->GetAt(2));
    EXPECT_EQ(2, pConstraints->GetConstraintAt(2)->m_nIndex);
}

// A double click on an item that is not edited in place steps through its constraints.
TEST(PropertyGridItemConstraints, DoubleClickWithoutEditWrapsToTheFirst)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem("Pick", "c"));
    pItem->SetFlags(0);
    for (const char* psz : {"a", "b", "c"})
        pItem->GetConstraints()->AddConstraint(psz);
    pItem->OnLButtonDblClk(0, CPoint(0, 0));
    EXPECT_STREQ("a", pItem->GetValue());
    EXPECT_EQ(0, pItem->GetConstraints()->GetCurrent());
    pItem->OnLButtonDblClk(0, CPoint(0, 0));
    EXPECT_STREQ("b", pItem->GetValue());

    pItem->SetValue("x");
    pItem->OnLButtonDblClk(0, CPoint(0, 0));
    EXPECT_STREQ("a", pItem->GetValue());

    pItem->SetReadOnly(TRUE);
    pItem->OnLButtonDblClk(0, CPoint(0, 0));
    EXPECT_STREQ("a", pItem->GetValue());
}

TEST(PropertyGridItem, MaskAndTextLimitAreKept)
{
    ItemPtr pItem = ItemPtr::Adopt(new CKTPropertyGridItem(IDS_FIELD_TAG, ""));
    EXPECT_FALSE(pItem->IsMaskOn());
    EXPECT_EQ(0, pItem->GetMaxLength());
    pItem->SetMask("0xHHHHHHHH", "0x________", '_');
    pItem->SetMaxLength(10);
    EXPECT_TRUE(pItem->IsMaskOn());
    EXPECT_STREQ("0xHHHHHHHH", pItem->GetMask());
    EXPECT_STREQ("0x________", pItem->GetLiteral());
    EXPECT_EQ('_', pItem->GetPromptChar());
    EXPECT_EQ(10, pItem->GetMaxLength());
}
