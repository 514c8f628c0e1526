// CArchive: values, strings, lines, object graphs with shared references and
// schemas, and damaged archives that must fail with CArchiveException.
#include "afxcoll.h"
#include "test_support.h"

#include <vector>

namespace
{

// A tree node that owns its children and refers to one other node without owning it.
class CNode : public CObject
{
    DECLARE_SERIAL(CNode)
public:
    CNode() { ++s_nAlive; }
    CNode(LPCSTR lpszName, int nValue) : CNode()
    {
        m_strName = lpszName;
        m_nValue = nValue;
    }
    ~CNode()
    {
        --s_nAlive;
        for (INT_PTR i = 0; i < m_children.GetSize(); ++i)
            delete m_children[i];
    }

    CNode* AddChild(LPCSTR lpszName, int nValue)
    {
        CNode* pChild = new CNode(lpszName, nValue);
        m_children.Add(pChild);
        return pChild;
    }
    CNode* Child(INT_PTR i) const { return static_cast<CNode*>(m_children[i]); }

    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
        {
            ar << m_strName << m_nValue << m_pPartner;
        }
        else
        {
            ar >> m_strName >> m_nValue >> m_pPartner;
        }
        m_children.Serialize(ar);
    }

    CString m_strName;
    int m_nValue = 0;
    CNode* m_pPartner = NULL;
    CObArray m_children;
    static int s_nAlive;
};
IMPLEMENT_SERIAL(CNode, CObject, 1)
int CNode::s_nAlive = 0;

class COther : public CObject
{
    DECLARE_SERIAL(COther)
};
IMPLEMENT_SERIAL(COther, CObject, 1)

// Schema 1 stored only m_nA; schema 2 added m_nB.
class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
        {
            ar << m_nA << m_nB;
            return;
        }
        m_nSchemaSeen = ar.GetObjectSchema();
        ar >> m_nA;
        if (m_nSchemaSeen >= 2)
            ar >> m_nB;
    }
    int m_nA = 0;
    int m_nB = -1;
    UINT m_nSchemaSeen = 0;
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 2)

typedef std::vector<BYTE> Bytes;

template <class Store>
Bytes Stored(Store store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Loads from a copy of exactly these bytes, so that reading past them is
// not possible without the archive noticing the end.
template <class Load>
void Loaded(const Bytes& bytes, Load load)
{
    std::vector<BYTE> copy(bytes);
    CMemFile file(copy.data(), (UINT)copy.size());
    CArchive ar(&file, CArchive::load);
    load(ar);
}

void Append(Bytes& bytes, std::initializer_list<int> values)
{
    for (int value : values)
        bytes.push_back((BYTE)value);
}

void AppendText(Bytes& bytes, const char* text) { bytes.insert(bytes.end(), text, text + std::strlen(text)); }

// root -> a, b; b's partner is a (shared), a's partner is root (a cycle).
CNode* MakeGraph()
{
    CNode* pRoot = new CNode("root", 1);
    CNode* pA = pRoot->AddChild("a", 2);
    CNode* pB = pRoot->AddChild("b", 3);
    pB->m_pPartner = pA;
    pA->m_pPartner = pRoot;
    pB->AddChild("b1", 4);
    return pRoot;
}

Bytes StoredGraph()
{
    CNode* pRoot = MakeGraph();
    Bytes bytes = Stored([&](CArchive& ar) { ar << pRoot; });
    delete pRoot;
    return bytes;
}

CNode* LoadGraph(const Bytes& bytes)
{
    CNode* pRoot = NULL;
    Loaded(bytes, [&](CArchive& ar) { ar >> pRoot; });
    return pRoot;
}

size_t Occurrences(const Bytes& bytes, const char* text)
{
    size_t nCount = 0;
    size_t nLength = std::strlen(text);
    for (size_t i = 0; i + nLength <= bytes.size(); ++i)
        nCount += std::memcmp(bytes.data() + i, text, nLength) == 0;
    return nCount;
}

}  // namespace

TEST(ArchiveValues, PrimitivesRoundTripLittleEndian)
{
    Bytes bytes = Stored(
        [](CArchive& ar)
        {
            ar << (BYTE)0xAB << (WORD)0x1234 << (DWORD)0xDEADBEEF << (LONG)-2 << (int)-3 << (short)-4 << 'c' << 1.5f
               << 2.25 << true << (LONGLONG)-5 << (ULONGLONG)0x1122334455667788ULL << (BOOL)TRUE << 7u;
        });
    ASSERT_EQ(1u + 2 + 4 + 4 + 4 + 2 + 1 + 4 + 8 + 1 + 8 + 8 + 4 + 4, bytes.size());
    EXPECT_EQ(0x34, bytes[1]);
    EXPECT_EQ(0x12, bytes[2]);
    EXPECT_EQ(0xEF, bytes[3]);
    Loaded(bytes,
           [](CArchive& ar)
           {
               BYTE b;
               WORD w;
               DWORD dw;
               LONG l;
               int i;
               short s;
               char c;
               float f;
               double d;
               bool flag;
               LONGLONG ll;
               ULONGLONG ull;
               BOOL bl;
               UINT u;
               ar >> b >> w >> dw >> l >> i >> s >> c >> f >> d >> flag >> ll >> ull >> bl >> u;
               EXPECT_EQ(0xAB, b);
               EXPECT_EQ(0x1234, w);
               EXPECT_EQ(0xDEADBEEF, dw);
               EXPECT_EQ(-2, l);
               EXPECT_EQ(-3, i);
               EXPECT_EQ(-4, s);
               EXPECT_EQ('c', c);
               EXPECT_EQ(1.5f, f);
               EXPECT_EQ(2.25, d);
               EXPECT_TRUE(flag);
               EXPECT_EQ(-5, ll);
               EXPECT_EQ(0x1122334455667788ULL, ull);
               EXPECT_EQ(TRUE, bl);
               EXPECT_EQ(7u, u);
           });
}

TEST(ArchiveValues, StringLengthPrefixes)
{
    const int lengths[] = {0, 1, 254, 255, 300, 0xFFFD, 0xFFFE, 70000};
    const size_t prefixes[] = {1, 1, 1, 3, 3, 3, 7, 7};
    for (size_t i = 0; i < std::size(lengths); ++i)
    {
        CString str('s', lengths[i]);
        Bytes bytes = Stored([&](CArchive& ar) { ar << str; });
        EXPECT_EQ(prefixes[i] + (size_t)lengths[i], bytes.size()) << lengths[i];
        CString loaded("old");
        Loaded(bytes, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_EQ(str, loaded);
    }
}

TEST(ArchiveValues, CountsAndLines)
{
    Bytes bytes = Stored(
        [](CArchive& ar)
        {
            ar.WriteCount(5);
            ar.WriteCount(70000);
            ar.WriteString("one\r\ntwo\nthree");
        });
    EXPECT_EQ(2u + 6 + 14, bytes.size());
    Loaded(bytes,
           [](CArchive& ar)
           {
               EXPECT_EQ(5u, ar.ReadCount());
               EXPECT_EQ(70000u, ar.ReadCount());
               CString line;
               EXPECT_TRUE(ar.ReadString(line));
               EXPECT_STREQ("one", line);
               char buffer[16];
               EXPECT_STREQ("two\n", ar.ReadString(buffer, sizeof(buffer)));
               EXPECT_TRUE(ar.ReadString(line));
               EXPECT_STREQ("three", line);
               EXPECT_FALSE(ar.ReadString(line));
           });
}

TEST(ArchiveValues, WrongDirectionThrows)
{
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    int n = 0;
    EXPECT_EQ(CArchiveException::writeOnly, ThrownCause<CArchiveException>([&] { storing >> n; }));
    BYTE data[1] = {0};
    CMemFile input(data, 1);
    CArchive loading(&input, CArchive::load);
    EXPECT_EQ(CArchiveException::readOnly, ThrownCause<CArchiveException>([&] { loading << n; }));
}

TEST(ArchiveObjects, GraphKeepsSharedReferencesAndCycles)
{
    CNode::s_nAlive = 0;
    Bytes bytes = StoredGraph();
    EXPECT_EQ(1u, Occurrences(bytes, "CNode"));     // the class is written once
    EXPECT_EQ(0u, Occurrences(bytes, "CObArray"));  // arrays are members, not objects

    CNode* pRoot = LoadGraph(bytes);
    ASSERT_NE(nullptr, pRoot);
    EXPECT_STREQ("root", pRoot->m_strName);
    ASSERT_EQ(2, pRoot->m_children.GetSize());
    CNode* pA = pRoot->Child(0);
    CNode* pB = pRoot->Child(1);
    EXPECT_STREQ("a", pA->m_strName);
    EXPECT_EQ(3, pB->m_nValue);
    EXPECT_EQ(pA, pB->m_pPartner);
    EXPECT_EQ(pRoot, pA->m_pPartner);
    EXPECT_EQ(nullptr, pRoot->m_pPartner);
    ASSERT_EQ(1, pB->m_children.GetSize());
    EXPECT_STREQ("b1", pB->Child(0)->m_strName);
    EXPECT_EQ(4, CNode::s_nAlive);
    delete pRoot;
    EXPECT_EQ(0, CNode::s_nAlive);
}

TEST(ArchiveObjects, TagLayout)
{
    CNode node("n", 9);
    Bytes bytes = Stored([&](CArchive& ar) { ar << &node << &node << (CObject*)NULL; });
    Bytes expected;
    Append(expected, {0xFF, 0xFF, 1, 0, 5, 0});  // new class, schema 1, name length 5
    AppendText(expected, "CNode");
    Append(expected, {1, 'n', 9, 0, 0, 0, 0, 0, 0, 0});  // name, value, null partner, no children
    Append(expected, {2, 0, 0, 0});                      // object 2 again, then null
    EXPECT_EQ(expected, bytes);
}

TEST(ArchiveObjects, VersionableSchemaIsReported)
{
    CVersioned current;
    current.m_nA = 10;
    current.m_nB = 20;
    CVersioned* pLoaded = NULL;
    Loaded(Stored([&](CArchive& ar) { ar << &current; }), [&](CArchive& ar) { ar >> pLoaded; });
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(2u, pLoaded->m_nSchemaSeen);
    EXPECT_EQ(20, pLoaded->m_nB);
    delete pLoaded;

    Bytes old;
    Append(old, {0xFF, 0xFF, 1, 0, 10, 0});
    AppendText(old, "CVersioned");
    Append(old, {33, 0, 0, 0});
    Loaded(old, [&](CArchive& ar) { ar >> pLoaded; });
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(1u, pLoaded->m_nSchemaSeen);
    EXPECT_EQ(33, pLoaded->m_nA);
    EXPECT_EQ(-1, pLoaded->m_nB);
    delete pLoaded;
}

TEST(ArchiveObjects, ClassAndSchemaProblems)
{
    CNode node("n", 1);
    Bytes bytes = Stored([&](CArchive& ar) { ar << &node; });
    COther* pOther = NULL;
    EXPECT_EQ(CArchiveException::badClass,
              ThrownCause<CArchiveException>([&] { Loaded(bytes, [&](CArchive& ar) { ar >> pOther; }); }));

    Bytes unknown;
    Append(unknown, {0xFF, 0xFF, 1, 0, 6, 0});
    AppendText(unknown, "CNoSuch");
    EXPECT_EQ(CArchiveException::badClass,
              ThrownCause<CArchiveException>([&] { Loaded(unknown, [&](CArchive& ar) { ar.ReadObject(NULL); }); }));

    Bytes wrongSchema = bytes;
    wrongSchema[2] = 7;
    EXPECT_EQ(CArchiveException::badSchema,
              ThrownCause<CArchiveException>([&] { Loaded(wrongSchema, [&](CArchive& ar) { ar.ReadObject(NULL); }); }));

    Bytes badReference;
    Append(badReference, {5, 0});  // object 5 was never loaded
    EXPECT_EQ(
        CArchiveException::badIndex,
        ThrownCause<CArchiveException>([&] { Loaded(badReference, [&](CArchive& ar) { ar.ReadObject(NULL); }); }));

    Bytes classAsObject;
    Append(classAsObject, {0x01, 0x80});  // a reference to class 1 where an object is read
    EXPECT_EQ(
        CArchiveException::badIndex,
        ThrownCause<CArchiveException>([&] { Loaded(classAsObject, [&](CArchive& ar) { ar.ReadObject(NULL); }); }));

    CFile plain;  // not serialisable
    CNotSupportedException* e =
        CaughtException<CNotSupportedException>([&] { Stored([&](CArchive& ar) { ar << &plain; }); });
    EXPECT_NE(nullptr, e);
    delete e;
}

TEST(ArchiveDamage, EveryTruncationThrowsEndOfFileAndFreesPartialObjects)
{
    CNode::s_nAlive = 0;
    Bytes bytes = StoredGraph();
    for (size_t nLength = 0; nLength < bytes.size(); ++nLength)
    {
        Bytes truncated(bytes.begin(), bytes.begin() + (ptrdiff_t)nLength);
        EXPECT_EQ(CArchiveException::endOfFile, ThrownCause<CArchiveException>([&] { delete LoadGraph(truncated); }))
            << "length " << nLength;
        ASSERT_EQ(0, CNode::s_nAlive) << "length " << nLength;
    }
}

TEST(ArchiveDamage, CorruptBytesFailCleanly)
{
    Bytes bytes = StoredGraph();
    int nFailures = 0;
    for (size_t nAt = 0; nAt < bytes.size(); ++nAt)
    {
        for (int value : {0x00, 0x7F, 0x80, 0xFE, 0xFF})
        {
            Bytes corrupt = bytes;
            corrupt[nAt] = (BYTE)value;
            try
            {
                CNode* pRoot = LoadGraph(corrupt);
                // A load that still succeeds gave a graph that can be walked.
                for (INT_PTR i = 0; pRoot != NULL && i < pRoot->m_children.GetSize(); ++i)
                    (void)pRoot->m_children[i];
                delete pRoot;
            }
            catch (CArchiveException* e)
            {
                ++nFailures;
                e->Delete();
            }
        }
    }
    EXPECT_GT(nFailures, 0);
}

TEST(ArchiveDamage, HugeLengthsDoNotClaimMemory)
{
    Bytes hugeString;
    Append(hugeString, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'});
    CString str;
    EXPECT_EQ(CArchiveException::endOfFile,
              ThrownCause<CArchiveException>([&] { Loaded(hugeString, [&](CArchive& ar) { ar >> str; }); }));

    Bytes hugeCount;
    Append(hugeCount, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
    CDWordArray array;
    EXPECT_EQ(CArchiveException::endOfFile,
              ThrownCause<CArchiveException>([&] { Loaded(hugeCount, [&](CArchive& ar) { array.Serialize(ar); }); }));
    EXPECT_LE(array.GetSize(), 4096);
}

TEST(ArchiveFiles, RoundTripThroughARealFile)
{
    TempFolder folder;
    CNode* pRoot = MakeGraph();
    {
        CFile file(folder.Path("graph.dat"), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 16);  // a small buffer forces many flushes
        ar << pRoot;
        ar.Close();
    }
    delete pRoot;
    CFile file(folder.Path("graph.dat"), CFile::modeRead);
    CArchive ar(&file, CArchive::load, 16);
    CNode* pLoaded = NULL;
    ar >> pLoaded;
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(pLoaded->Child(0), pLoaded->Child(1)->m_pPartner);
    ar.Close();
    EXPECT_EQ(file.GetLength(), file.GetPosition());
    delete pLoaded;
}

TEST(ArchiveFiles, ClosingALoadLeavesTheFileAfterTheLastValue)
{
    CMemFile file;
    file.Write("\x05\x00tail", 6);
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        WORD w = 0;
        ar >> w;
        EXPECT_EQ(5, w);
    }
    EXPECT_EQ(2u, file.GetPosition());
    char tail[4];
    EXPECT_EQ(4u, file.Read(tail, 4));
    EXPECT_EQ(0, std::memcmp(tail, "tail", 4));
}
