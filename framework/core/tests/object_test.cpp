// Run-time classes (type tests, creation by class and by name) and the exception macros.
#include "afxcoll.h"
#include "test_support.h"

namespace
{

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CCounted : public CObject
{
    DECLARE_DYNCREATE(CCounted)
public:
    CCounted() { ++s_nAlive; }
    ~CCounted() { --s_nAlive; }
    static int s_nAlive;
};
IMPLEMENT_DYNCREATE(CCounted, CObject)
int CCounted::s_nAlive = 0;

int s_nDeleted = 0;

class CTrackedException : public CException
{
public:
    ~CTrackedException() { ++s_nDeleted; }
};

}  // namespace

TEST(RuntimeClass, KindOfFollowsTheBaseChain)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CFile)));
    EXPECT_EQ(RUNTIME_CLASS(CCircle), circle.GetRuntimeClass());
    EXPECT_STREQ("CCircle", circle.GetRuntimeClass()->m_lpszClassName);
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_TRUE(CStringArray().IsSerializable());
}

TEST(RuntimeClass, CreatesByClassAndByName)
{
    CObject* pOb = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(nullptr, pOb);
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CShape)));
    delete pOb;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());  // not creatable
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CObArray), CRuntimeClass::FromName("CObArray"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    pOb = CRuntimeClass::CreateObject("CStringList");
    ASSERT_NE(nullptr, pOb);
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CStringList)));
    delete pOb;
}

TEST(ExceptionMacros, CatchBlockDeletesTheException)
{
    s_nDeleted = 0;
    bool bCaught = false;
    TRY { throw new CTrackedException; }
    CATCH(CTrackedException, e)
    {
        bCaught = true;
        EXPECT_EQ(0, s_nDeleted);
        e->Delete();  // waits for the end of the block
        EXPECT_EQ(0, s_nDeleted);
    }
    END_CATCH
    EXPECT_TRUE(bCaught);
    EXPECT_EQ(1, s_nDeleted);
}

TEST(ExceptionMacros, AndCatchPicksTheMatchingClass)
{
    int nCause = -1;
    TRY { AfxThrowArchiveException(CArchiveException::badClass); }
    CATCH(CFileException, e) { ADD_FAILURE(); }
    AND_CATCH(CArchiveException, e) { nCause = e->m_cause; }
    END_CATCH
    EXPECT_EQ(CArchiveException::badClass, nCause);
}

TEST(ExceptionMacros, ThrowLastPassesTheSameException)
{
    s_nDeleted = 0;
    CException* pInner = NULL;
    CException* pOuter = NULL;
    TRY{TRY{throw new CTrackedException;
}
CATCH_ALL(e)
{
    pInner = e;
    THROW_LAST();
}
END_CATCH_ALL
}
CATCH_ALL(e)
{
    pOuter = e;
    EXPECT_EQ(0, s_nDeleted);
}
END_CATCH_ALL
EXPECT_EQ(pInner, pOuter);
EXPECT_EQ(1, s_nDeleted);
}

TEST(ExceptionMacros, PlainRethrowIsNotDeletedInFlight)
{
    s_nDeleted = 0;
    try
    {
        TRY { throw new CTrackedException; }
        CATCH_ALL(e) { throw; }
        END_CATCH_ALL
    }
    catch (CException* e)
    {
        EXPECT_EQ(0, s_nDeleted);
        e->Delete();
    }
    EXPECT_EQ(1, s_nDeleted);
}

TEST(ExceptionMacros, MemoryExceptionIsStatic)
{
    CMemoryException* e = CaughtException<CMemoryException>([] { AfxThrowMemoryException(); });
    ASSERT_NE(nullptr, e);
    EXPECT_FALSE(e->m_bAutoDelete);
    e->Delete();  // must not free the static object
    EXPECT_EQ(e, CaughtException<CMemoryException>([] { AfxThrowMemoryException(); }));
}

TEST(ExceptionMacros, AllocationsInsideCatchAreReleased)
{
    CCounted::s_nAlive = 0;
    TRY
    {
        CCounted counted;
        AfxThrowNotSupportedException();
    }
    CATCH(CNotSupportedException, e)
    {
        char szMessage[64];
        EXPECT_TRUE(e->GetErrorMessage(szMessage, sizeof(szMessage)));
    }
    END_CATCH
    EXPECT_EQ(0, CCounted::s_nAlive);
}
