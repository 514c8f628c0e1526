// StateFuzzer.cpp: feeds damaged saved states to the bars' loader: each load succeeds or changes nothing.
//
// The loader needs real bars and windows, so it runs here under Wine rather than in the native fuzz build:
// seeded mutations of the committed corpus, for a bounded number of rounds (KESTOVA_FUZZ_ROUNDS for more).
// An input that breaks the rule is written to the working folder, to be added to the corpus.
#include "CommandBarsTestsRes.h"
#include "FrameFixture.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"
#include "MessagePump.h"
#include "StateArchive.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace
{

const char* const kCorpus[] = {"customised.bin", "user-bars.bin", "fields.bin", "document-menu.bin", "gallery.bin"};

CStateBytes ReadCorpusFile(const char* pszName)
{
    std::ifstream in(std::filesystem::path(KT_STATE_CORPUS_DIR) / pszName, std::ios::binary);
    return CStateBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteCorpusFile(const char* pszName, const CStateBytes& bytes)
{
    std::ofstream(std::filesystem::path(KT_STATE_CORPUS_DIR) / pszName, std::ios::binary)
        .write((const char*)bytes.data(), (std::streamsize)bytes.size());
}

int GetRounds()
{
    const char* pszRounds = getenv("KESTOVA_FUZZ_ROUNDS");
    return pszRounds && atoi(pszRounds) > 0 ? atoi(pszRounds) : 1500;
}

// Changes of the kinds that find faults in readers: counts and ids set to edges, cut, doubled and shifted runs.
void Mutate(CStateBytes& bytes, std::mt19937& random)
{
    static const DWORD kEdges[] = {0, 1, 2, 5, 0x7F, 0x80, 0xFF, 0xFFFF, 0x1000000, 0x1000001, 0x7FFFFFFF, 0xFFFFFFFF};
    if (bytes.size() < 8)
        return;
    const size_t at = random() % (bytes.size() - 4);
    switch (random() % 5)
    {
    case 0:
        bytes[at] ^= (BYTE)(1 << (random() % 8));
        break;
    case 1:
        *reinterpret_cast<DWORD*>(&bytes[at]) = kEdges[random() % (sizeof(kEdges) / sizeof(kEdges[0]))];
        break;
    case 2:
        bytes.erase(bytes.begin() + at, bytes.begin() + at + 1 + random() % (bytes.size() - at - 1));
        break;
    case 3:
    {
        const size_t cb = std::min<size_t>(1 + random() % 32, bytes.size() - at);
        CStateBytes run(bytes.begin() + at, bytes.begin() + at + cb);
        bytes.insert(bytes.begin() + random() % bytes.size(), run.begin(), run.end());
        break;
    }
    default:
        bytes[at] = (BYTE)random();
        break;
    }
}

using StateFuzz = CStateFixture;

}  // namespace

// The committed inputs are states as the bars write them: they must keep loading as the code changes.
TEST_F(StateFuzz, CorpusLoads)
{
    for (const char* pszName : kCorpus)
    {
        CStateBytes bytes = ReadCorpusFile(pszName);
        ASSERT_FALSE(bytes.empty()) << pszName;
        EXPECT_TRUE(LoadBars(m_pCommandBars, bytes)) << pszName;
    }
}

TEST_F(StateFuzz, DamagedStatesLoadWholeOrNotAtAll)
{
    std::vector<CStateBytes> seeds;
    for (const char* pszName : kCorpus)
        seeds.push_back(ReadCorpusFile(pszName));
    const unsigned nSeed = (unsigned)GetTickCount();
    std::mt19937 random(nSeed);
    const int nRounds = GetRounds();
    for (int nRound = 0; nRound < nRounds; nRound++)
    {
        CStateBytes bytes = seeds[random() % seeds.size()];
        for (int n = 1 + (int)(random() % 6); n > 0; n--)
            Mutate(bytes, random);
        const CString strBefore = DescribeBars(m_pCommandBars);
        CKTImageManagerIconSet* pIcons = m_pCommandBars->GetImageManager()->GetIconSet(ID_EDIT_COPY);
        if (LoadBars(m_pCommandBars, bytes))
            continue;
        if (strBefore == DescribeBars(m_pCommandBars) &&
            pIcons == m_pCommandBars->GetImageManager()->GetIconSet(ID_EDIT_COPY))
            continue;
        CString strFile;
        strFile.Format("state-fuzz-%u-%d.bin", nSeed, nRound);
        std::ofstream((LPCSTR)strFile, std::ios::binary)
            .write((const char*)bytes.data(), (std::streamsize)bytes.size());
        FAIL() << "a refused load changed the bars; the input is in " << (LPCSTR)strFile;
    }
    PumpMessages();
}

// Writes the corpus's document-menu state (run by hand once; it leaves the older inputs as they were).
TEST_F(StateFuzz, DISABLED_WriteDocumentMenuCorpus)
{
    Customise();
    CustomiseDocumentMenu();
    WriteCorpusFile(kCorpus[3], SaveBars(m_pCommandBars));
}

// Writes the corpus's gallery state (run by hand once; it leaves the older inputs as they were).
TEST_F(StateFuzz, DISABLED_WriteGalleryCorpus)
{
    AddFields();
    AddGallery();
    WriteCorpusFile(kCorpus[4], SaveBars(m_pCommandBars));
}

// Writes the corpus anew from the bars as the tests set them up (run by hand after a deliberate format change).
TEST_F(StateFuzz, DISABLED_WriteCorpus)
{
    Customise();
    m_pShared->GetControl(0)->SetCustomIconId(ID_EDIT_COPY);
    WriteCorpusFile(kCorpus[0], SaveBars(m_pCommandBars));
    AddUserBars();
    WriteCorpusFile(kCorpus[1], SaveBars(m_pCommandBars));
    AddFields();
    WriteCorpusFile(kCorpus[2], SaveBars(m_pCommandBars));
    AddGallery();
    WriteCorpusFile(kCorpus[4], SaveBars(m_pCommandBars));
}
