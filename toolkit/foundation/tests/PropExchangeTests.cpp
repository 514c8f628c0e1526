// PropExchangeTests.cpp: round trips through an archive, schema gates and corrupt input.
#include <gtest/gtest.h>

#include <afx.h>

#include "KTPropExchange.h"

namespace
{

// Some state of a toolkit object, exchanged the way such objects do it.
struct CSampleState
{
    BOOL bVisible = FALSE;
    int nWidth = 0;
    long nId = 0;
    short nShort = 0;
    BYTE nByte = 0;
    CString strTitle;
    RECT rcFloat = {0, 0, 0, 0};
    SIZE szItem = {0, 0};
    BOOL bNewInSchema23 = TRUE;

    void Exchange(CKTPropExchange* pPX)
    {
        pPX->ExchangeSchema();
        PX_Bool(pPX, "Visible", bVisible, TRUE);
        PX_Int(pPX, "Width", nWidth, 100);
        PX_Long(pPX, "Id", nId);
        PX_Short(pPX, "Short", nShort, 0);
        PX_Byte(pPX, "Byte", nByte, 0);
        PX_String(pPX, "Title", strTitle);
        PX_Rect(pPX, "Float", rcFloat, RECT{1, 2, 3, 4});
        PX_Size(pPX, "ItemSize", szItem, SIZE{0, 0});
        if (pPX->GetSchema() > 17)
            PX_Bool(pPX, "New", bNewInSchema23, TRUE);
    }
};

// Runs fn over an archive that stores into memory, then over one that loads it back.
template <class TStore, class TLoad>
void RoundTrip(TStore store, TLoad load)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        store(&px);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    load(&px);
}

}  // namespace

TEST(PropExchangeArchive, RoundTripKeepsEveryValue)
{
    CSampleState saved;
    saved.bVisible = TRUE;
    saved.nWidth = -7;
    saved.nId = 123456789;
    saved.nShort = -300;
    saved.nByte = 200;
    saved.strTitle = "Solution Explorer";
    saved.rcFloat = RECT{10, 20, 230, 160};
    saved.szItem = SIZE{16, 15};
    saved.bNewInSchema23 = FALSE;
    CSampleState loaded;
    RoundTrip(
        [&](CKTPropExchange* px)
        {
            EXPECT_FALSE(px->IsLoading());
            saved.Exchange(px);
        },
        [&](CKTPropExchange* px)
        {
            EXPECT_TRUE(px->IsLoading());
            EXPECT_TRUE(px->IsPropExchangeArchive());
            loaded.Exchange(px);
            EXPECT_EQ(23u, px->GetSchema());
            EXPECT_FALSE(px->IsFailed());
        });
    EXPECT_EQ(saved.bVisible, loaded.bVisible);
    EXPECT_EQ(-7, loaded.nWidth);
    EXPECT_EQ(123456789, loaded.nId);
    EXPECT_EQ(-300, loaded.nShort);
    EXPECT_EQ(200, loaded.nByte);
    EXPECT_STREQ("Solution Explorer", loaded.strTitle);
    EXPECT_EQ(230, loaded.rcFloat.right);
    EXPECT_EQ(160, loaded.rcFloat.bottom);
    EXPECT_EQ(15, loaded.szItem.cy);
    EXPECT_FALSE(loaded.bNewInSchema23);
}

TEST(PropExchangeArchive, BoolIsStoredAsThirtyTwoBits)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        BOOL b = TRUE;
        PX_Bool(&px, "b", b, FALSE);
    }
    EXPECT_EQ(4u, file.GetLength());
}

TEST(PropExchangeArchive, ArchiveWithoutMarkerLoadsAsSchema17)
{
    // Written without ExchangeSchema: the reader's first value is not a marker.
    int nWidth = 0;
    RoundTrip(
        [](CKTPropExchange* px)
        {
            int n = 42;
            PX_Int(px, "Width", n, 0);
        },
        [&](CKTPropExchange* px)
        {
            px->ExchangeSchema();
            EXPECT_EQ(17u, px->GetSchema());
            PX_Int(px, "Width", nWidth, 0);
            EXPECT_FALSE(px->IsFailed());
        });
    EXPECT_EQ(42, nWidth) << "the bytes looked at for the marker are read again";
}

TEST(PropExchangeArchive, SectionsAndEnumeratorsShareTheSchema)
{
    std::vector<int> loaded;
    RoundTrip(
        [](CKTPropExchange* px)
        {
            px->ExchangeSchema();
            CKTPropExchangeEnumerator* pEnum = px->GetEnumerator("Bars");
            POSITION pos = pEnum->GetPosition(3);
            for (int i = 0; pos; i++)
            {
                CKTPropExchangeSection item(pEnum->GetNext(pos));
                EXPECT_EQ(23u, item->GetSchema());
                int n = i * 10;
                PX_Int(item, "Value", n, 0);
            }
            pEnum->Release();
        },
        [&](CKTPropExchange* px)
        {
            px->ExchangeSchema();
            CKTPropExchangeEnumerator* pEnum = px->GetEnumerator("Bars");
            POSITION pos = pEnum->GetPosition();
            while (pos)
            {
                CKTPropExchangeSection item(pEnum->GetNext(pos));
                int n = -1;
                PX_Int(item, "Value", n, -1);
                loaded.push_back(n);
            }
            pEnum->Release();
        });
    EXPECT_EQ((std::vector<int>{0, 10, 20}), loaded);
}

TEST(PropExchangeArchive, BlobAndSerializedObject)
{
    CString strName;
    BYTE* pLoaded = NULL;
    DWORD nLoaded = 0;
    RoundTrip(
        [](CKTPropExchange* px)
        {
            BYTE bytes[] = {1, 2, 3, 250};
            BYTE* p = bytes;
            DWORD n = sizeof(bytes);
            EXPECT_TRUE(px->ExchangeBlobProp("Data", p, n));
            CArchive* pAr = px->GetArchive("Raw");
            ASSERT_NE(nullptr, pAr);
            *pAr << CString("through the archive");
            px->ReleaseArchive("Raw", pAr);
        },
        [&](CKTPropExchange* px)
        {
            EXPECT_TRUE(px->ExchangeBlobProp("Data", pLoaded, nLoaded));
            CArchive* pAr = px->GetArchive("Raw");
            ASSERT_NE(nullptr, pAr);
            *pAr >> strName;
            px->ReleaseArchive("Raw", pAr);
        });
    ASSERT_EQ(4u, nLoaded);
    EXPECT_EQ(250, pLoaded[3]);
    delete[] pLoaded;
    EXPECT_STREQ("through the archive", strName);
}

TEST(PropExchangeArchive, TruncatedArchiveFailsCleanlyWithDefaults)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.ExchangeSchema();
        CString strLong("a title long enough to be cut");
        PX_String(&px, "Title", strLong);
    }
    file.SetLength(file.GetLength() - 5);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    px.ExchangeSchema();
    CString strTitle("old");
    EXPECT_FALSE(PX_String(&px, "Title", strTitle, "fallback"));
    EXPECT_STREQ("fallback", strTitle);
    EXPECT_TRUE(px.IsFailed());
    EXPECT_FALSE(px.OnBeforeExchange());
    int nWidth = 5;
    EXPECT_FALSE(PX_Int(&px, "Width", nWidth, 99));
    EXPECT_EQ(99, nWidth);
    EXPECT_EQ(nullptr, px.GetArchive("Raw"));
}

TEST(PropExchangeArchive, HugeLengthIsTakenForCorruption)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        DWORD dwHuge = 0xFFFFFFF0;
        ar << dwHuge;
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CKTPropExchangeArchive px(ar);
    BYTE* pData = reinterpret_cast<BYTE*>(1);
    DWORD n = 7;
    EXPECT_FALSE(px.ExchangeBlobProp("Data", pData, n));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, n);
}

namespace
{
class CExchangedThing : public CObject
{
    DECLARE_DYNCREATE(CExchangedThing)
};
IMPLEMENT_DYNCREATE(CExchangedThing, CObject)
}  // namespace

TEST(PropExchangeArchive, ObjectInstanceByClassName)
{
    CObject* pLoaded = NULL;
    CObject* pMissing = reinterpret_cast<CObject*>(1);
    RoundTrip(
        [](CKTPropExchange* px)
        {
            CExchangedThing thing;
            CObject* p = &thing;
            EXPECT_TRUE(px->ExchangeObjectInstance(p, RUNTIME_CLASS(CObject)));
            CObject* pNone = NULL;
            EXPECT_FALSE(px->ExchangeObjectInstance(pNone, RUNTIME_CLASS(CObject)));
        },
        [&](CKTPropExchange* px)
        {
            EXPECT_TRUE(px->ExchangeObjectInstance(pLoaded, RUNTIME_CLASS(CObject)));
            EXPECT_FALSE(px->ExchangeObjectInstance(pMissing, RUNTIME_CLASS(CObject)));
        });
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CExchangedThing)));
    delete pLoaded;
    EXPECT_EQ(nullptr, pMissing);
}
