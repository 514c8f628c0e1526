// SmartPtrTests.cpp: the counted-reference holder gives back its reference on every path.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "KTSmartPtr.h"

namespace
{

// Counts its own deaths, so that a second delete or a leak shows.
class CCountedProbe : public CCmdTarget
{
public:
    explicit CCountedProbe(int* pDeaths) : m_pDeaths(pDeaths) {}
    ~CCountedProbe() override { ++*m_pDeaths; }
    LONG Refs() const { return m_dwRef; }

private:
    int* m_pDeaths;
};

class CDerivedProbe : public CCountedProbe
{
public:
    using CCountedProbe::CCountedProbe;
};

using ProbePtr = CKTSmartPtr<CCountedProbe>;

void KeepAndThrow(ProbePtr ptr)
{
    ProbePtr ptrCopy = ptr;
    throw std::runtime_error("unwound");
}

}  // namespace

TEST(SmartPtr, CopiesCountAndAssignmentGivesBackTheOldReference)
{
    int nDeaths = 0;
    ProbePtr ptrFirst = KTMakeCounted<CCountedProbe>(&nDeaths);
    EXPECT_EQ(1, ptrFirst->Refs()) << "the fresh object's one reference is adopted, not doubled";
    {
        ProbePtr ptrCopy = ptrFirst;
        EXPECT_EQ(2, ptrFirst->Refs());
    }
    EXPECT_EQ(1, ptrFirst->Refs());

    ProbePtr ptrOther = KTMakeCounted<CCountedProbe>(&nDeaths);
    ptrOther = ptrFirst;
    EXPECT_EQ(1, nDeaths) << "the replaced object lost its only holder";
    EXPECT_EQ(2, ptrFirst->Refs());
    ptrOther = ptrOther;
    EXPECT_EQ(2, ptrFirst->Refs()) << "assigning a holder to itself changes nothing";
    ptrOther = nullptr;
    EXPECT_EQ(1, ptrFirst->Refs());
}

TEST(SmartPtr, MovesHandOverWithoutCounting)
{
    int nDeaths = 0;
    ProbePtr ptrFirst = KTMakeCounted<CCountedProbe>(&nDeaths);
    CCountedProbe* pProbe = ptrFirst;
    ProbePtr ptrMoved = std::move(ptrFirst);
    EXPECT_TRUE(ptrFirst.IsNull());
    EXPECT_EQ(1, pProbe->Refs());

    ProbePtr ptrTarget = KTMakeCounted<CCountedProbe>(&nDeaths);
    ptrTarget = std::move(ptrMoved);
    EXPECT_EQ(1, nDeaths) << "the object the target held went with the move";
    EXPECT_EQ(1, pProbe->Refs());

    CKTSmartPtr<CCmdTarget> ptrBase = KTMakeCounted<CDerivedProbe>(&nDeaths);
    EXPECT_EQ(1, ptrBase->m_dwRef) << "a derived holder hands its reference to the base holder";
    ptrBase.Release();
    EXPECT_EQ(2, nDeaths);
}

TEST(SmartPtr, ReleaseDestructionAndDetachEachEndOneReference)
{
    int nDeaths = 0;
    ProbePtr ptrProbe = KTMakeCounted<CCountedProbe>(&nDeaths);
    ptrProbe.Release();
    EXPECT_EQ(1, nDeaths);
    EXPECT_TRUE(ptrProbe.IsNull());
    ptrProbe.Release();
    EXPECT_EQ(1, nDeaths) << "releasing an empty holder does nothing";

    {
        ProbePtr ptrScoped = KTMakeCounted<CCountedProbe>(&nDeaths);
    }
    EXPECT_EQ(2, nDeaths);

    CCountedProbe* pDetached = KTMakeCounted<CCountedProbe>(&nDeaths).Detach();
    EXPECT_EQ(2, nDeaths) << "a detached reference belongs to the caller";
    ProbePtr ptrAdopted = ProbePtr::Adopt(pDetached);
    EXPECT_EQ(1, pDetached->Refs());
    ptrAdopted = ProbePtr();
    EXPECT_EQ(3, nDeaths);
}

TEST(SmartPtr, ExceptionUnwindingReleasesEveryHolder)
{
    int nDeaths = 0;
    ProbePtr ptrProbe = KTMakeCounted<CCountedProbe>(&nDeaths);
    EXPECT_THROW(KeepAndThrow(ptrProbe), std::runtime_error);
    EXPECT_EQ(1, ptrProbe->Refs()) << "the argument and the copy in the thrown frame were released";

    try
    {
        ProbePtr ptrLast = std::move(ptrProbe);
        throw std::runtime_error("unwound");
    }
    catch (const std::runtime_error&)
    {
    }
    EXPECT_EQ(1, nDeaths) << "the last holder was released by the unwinding";
}

TEST(SmartPtr, AVectorOfHoldersKeepsOneReferencePerEntry)
{
    int nDeaths = 0;
    ProbePtr ptrProbe = KTMakeCounted<CCountedProbe>(&nDeaths);
    std::vector<ProbePtr> arrHolders;
    for (int i = 0; i < 100; ++i)
        arrHolders.push_back(ptrProbe);  // grows several times: moved entries must not count twice
    EXPECT_EQ(101, ptrProbe->Refs());

    arrHolders.erase(arrHolders.begin(), arrHolders.begin() + 40);
    EXPECT_EQ(61, ptrProbe->Refs());
    arrHolders.push_back(KTMakeCounted<CCountedProbe>(&nDeaths));
    arrHolders.clear();
    EXPECT_EQ(1, nDeaths) << "the vector's only reference to the second object went with clear";
    EXPECT_EQ(1, ptrProbe->Refs());
}

TEST(SmartPtr, AnObjectSharedByTwoHoldersDiesOnceWithTheLast)
{
    int nDeaths = 0;
    CCountedProbe* pProbe = new CCountedProbe(&nDeaths);
    ProbePtr ptrFirst = ProbePtr::Adopt(pProbe);
    ProbePtr ptrSecond(pProbe);  // a raw pointer from elsewhere: the holder takes its own reference
    EXPECT_EQ(2, pProbe->Refs());
    ptrFirst.Release();
    EXPECT_EQ(0, nDeaths);
    ptrSecond.Release();
    EXPECT_EQ(1, nDeaths);
}
