// HostileInputTests.cpp: damaged images and archives are refused without harm.
#include <gtest/gtest.h>

#include <afx.h>

#include <random>
#include <vector>

#include "FoundationTestsRes.h"
#include "KTAlphaBitmap.h"
#include "KTImageManager.h"
#include "KTPropExchange.h"
#include "KTResourceManager.h"

namespace
{

std::vector<BYTE> ResourceBytes(UINT nID, LPCSTR lpszType)
{
    DWORD cb = 0;
    const BYTE* p =
        static_cast<const BYTE*>(KTResourceManager()->LoadResourceData(MAKEINTRESOURCEA(nID), lpszType, &cb));
    return p ? std::vector<BYTE>(p, p + cb) : std::vector<BYTE>();
}

// A copy with a few bytes changed, cut or both.
std::vector<BYTE> Mutated(const std::vector<BYTE>& original, std::mt19937& random)
{
    std::vector<BYTE> bytes(original);
    int nChanges = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < nChanges && !bytes.empty(); i++)
        bytes[random() % bytes.size()] = static_cast<BYTE>(random());
    if (random() % 3 == 0)
        bytes.resize(random() % (bytes.size() + 1));
    return bytes;
}

}  // namespace

TEST(HostileInput, DamagedPngsNeverCrashTheDecoder)
{
    std::vector<BYTE> original = ResourceBytes(IDR_TEST_PIXELS, "PNG");
    ASSERT_FALSE(original.empty());
    std::mt19937 random(1234);
    int nDecoded = 0;
    for (int i = 0; i < 2000; i++)
    {
        std::vector<BYTE> bytes = Mutated(original, random);
        CKTAlphaBitmap image;
        if (image.LoadPng(bytes.data(), bytes.size()))
        {
            nDecoded++;
            EXPECT_GT(image.GetWidth(), 0);
            EXPECT_LE(image.GetWidth(), 16384);
        }
        else
            EXPECT_TRUE(image.IsEmpty());
    }
    EXPECT_LT(nDecoded, 2000) << "most damage is noticed";
}

TEST(HostileInput, DamagedArchivesLoadWithDefaults)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CKTPropExchangeArchive px(ar);
        px.ExchangeSchema();
        CString strTitle("Properties");
        PX_String(&px, "Title", strTitle);
        CKTPropExchangeEnumerator* pEnum = px.GetEnumerator("Items");
        POSITION pos = pEnum->GetPosition(2);
        while (pos)
        {
            CKTPropExchangeSection item(pEnum->GetNext(pos));
            BYTE data[] = {1, 2, 3};
            BYTE* p = data;
            DWORD n = sizeof(data);
            item->ExchangeBlobProp("Data", p, n);
        }
        pEnum->Release();
    }
    std::vector<BYTE> original(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(original.data(), static_cast<UINT>(original.size()));

    std::mt19937 random(99);
    for (int i = 0; i < 1000; i++)
    {
        std::vector<BYTE> bytes = Mutated(original, random);
        CMemFile damaged(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&damaged, CArchive::load);
        CKTPropExchangeArchive px(ar);
        px.ExchangeSchema();
        CString strTitle;
        PX_String(&px, "Title", strTitle, "");
        CKTPropExchangeEnumerator* pEnum = px.GetEnumerator("Items");
        POSITION pos = pEnum->GetPosition();
        for (int nItems = 0; pos; nItems++)
        {
            ASSERT_LT(nItems, 1 << 20) << "a damaged count ends at the data's end";
            CKTPropExchangeSection item(pEnum->GetNext(pos));
            BYTE* p = NULL;
            DWORD n = 0;
            if (item->ExchangeBlobProp("Data", p, n))
                delete[] p;
        }
        pEnum->Release();
    }
}
