// The collections: growth and removal, list editing, map iteration order and serialisation.
#include "afxcoll.h"
#include "test_support.h"

#include <vector>

namespace
{

template <class T, class A>
std::vector<T> Elements(const CArray<T, A>& array)
{
    return std::vector<T>(array.GetData(), array.GetData() + array.GetSize());
}

std::vector<CString> Elements(const CStringList& list)
{
    std::vector<CString> result;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        result.push_back(list.GetNext(pos));
    return result;
}

// Stores the collection and loads it into a fresh one of the same class.
template <class C>
void RoundTrip(C& source, C& target)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        source.Serialize(ar);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    target.Serialize(ar);
}

}  // namespace

TEST(CArrayTest, GrowsAndKeepsElements)
{
    CArray<int, int> array;
    array.SetSize(0, 3);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(i, array.Add(i * i));
    ASSERT_EQ(100, array.GetSize());
    EXPECT_EQ(99, array.GetUpperBound());
    EXPECT_EQ(81, array[9]);
    array.SetSize(5);
    EXPECT_EQ((std::vector<int>{0, 1, 4, 9, 16}), Elements(array));
    array.SetSize(7);
    EXPECT_EQ(0, array[6]);  // new elements start zeroed
    array.SetAtGrow(9, 42);
    EXPECT_EQ(10, array.GetSize());
    EXPECT_EQ(42, array[9]);
    array.FreeExtra();
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(CArrayTest, InsertAndRemove)
{
    CArray<CString, LPCSTR> array;
    array.Add("a");
    array.Add("d");
    array.InsertAt(1, "b");
    array.InsertAt(2, "c", 2);
    EXPECT_EQ((std::vector<CString>{"a", "b", "c", "c", "d"}), Elements(array));
    array.RemoveAt(2);
    EXPECT_EQ((std::vector<CString>{"a", "b", "c", "d"}), Elements(array));
    array.RemoveAt(0, 3);
    EXPECT_EQ((std::vector<CString>{"d"}), Elements(array));
    array.InsertAt(3, "z");  // past the end grows the array
    EXPECT_EQ((std::vector<CString>{"d", "", "", "z"}), Elements(array));
    delete CaughtException<CInvalidArgException>([&] { array.RemoveAt(3, 2); });
    delete CaughtException<CInvalidArgException>([&] { array.GetAt(4); });
}

TEST(CArrayTest, AddOfOwnElementSurvivesGrowth)
{
    // The argument refers into the array that Add reallocates.
    CStringArray array;
    array.Add("a long string that lives outside any small-string buffer");
    for (int i = 0; i < 40; ++i)
        array.Add(array[0]);
    for (int i = 0; i < array.GetSize(); ++i)
        ASSERT_STREQ(array[0], array[i]);
    CArray<int, const int&> numbers;
    numbers.Add(7);
    for (int i = 0; i < 40; ++i)
        numbers.Add(numbers[i]);
    EXPECT_EQ(7, numbers[40]);
}

TEST(CArrayTest, CopyAppendAndInsertArray)
{
    CDWordArray a;
    CDWordArray b;
    a.Add(1);
    a.Add(2);
    b.Add(9);
    EXPECT_EQ(1, b.Append(a));
    EXPECT_EQ((std::vector<DWORD>{9, 1, 2}), Elements(b));
    b.Append(b);
    EXPECT_EQ((std::vector<DWORD>{9, 1, 2, 9, 1, 2}), Elements(b));
    b.Copy(a);
    EXPECT_EQ((std::vector<DWORD>{1, 2}), Elements(b));
    b.InsertAt(1, &b);
    EXPECT_EQ((std::vector<DWORD>{1, 1, 2, 2}), Elements(b));
}

TEST(CArrayTest, MovingTakesTheElementsAndLeavesAnEmptyArrayThatStillWorks)
{
    CArray<CString, const CString&> source;
    source.Add("a");
    source.Add("b");
    CArray<CString, const CString&> moved(std::move(source));
    EXPECT_EQ((std::vector<CString>{"a", "b"}), Elements(moved));
    EXPECT_EQ(0, source.GetSize());
    source.Add("c");
    EXPECT_EQ((std::vector<CString>{"c"}), Elements(source));
}

TEST(CListTest, HeadTailInsertRemoveFind)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    EXPECT_EQ((std::vector<CString>{"a", "b", "b2", "c", "d"}), Elements(list));
    EXPECT_EQ(posC, list.Find("c"));
    EXPECT_EQ(NULL, list.Find("c", posC));
    EXPECT_EQ(posC, list.FindIndex(3));
    EXPECT_EQ(NULL, list.FindIndex(5));
    list.RemoveAt(posC);
    EXPECT_STREQ("a", list.RemoveHead());
    EXPECT_STREQ("d", list.RemoveTail());
    EXPECT_EQ((std::vector<CString>{"b", "b2"}), Elements(list));
    EXPECT_STREQ("b2", list.GetTail());
    POSITION pos = list.GetTailPosition();
    EXPECT_STREQ("b2", list.GetPrev(pos));
    EXPECT_STREQ("b", list.GetPrev(pos));
    EXPECT_EQ(NULL, pos);
    list.AddTail(&list);
    EXPECT_EQ(4, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    delete CaughtException<CInvalidArgException>([&] { list.RemoveHead(); });
}

TEST(CListTest, NodesFromSmallBlocksAreReused)
{
    for (INT_PTR nBlockSize : {1, 3, 10})
    {
        CList<CString, const CString&> list(nBlockSize);
        for (int round = 0; round < 3; ++round)
        {
            for (int i = 0; i < 25; ++i)
                list.AddTail(CString('x', i));
            for (int i = 0; i < 10; ++i)
                list.RemoveHead();
            EXPECT_EQ(15 * (round + 1), list.GetCount());
        }
        EXPECT_EQ(24, list.GetTail().GetLength());
        while (!list.IsEmpty())
            list.RemoveTail();
        list.AddTail("again");  // the blocks were freed with the last node
        EXPECT_STREQ("again", list.GetHead());
    }
}

TEST(CMapTest, EntriesFromSmallBlocksAreReused)
{
    CMap<int, int, CString, const CString&> map(2);
    for (int round = 0; round < 3; ++round)
    {
        for (int i = 0; i < 40; ++i)
            map[i] = CString('v', i);
        for (int i = 0; i < 40; i += 2)
            map.RemoveKey(i);
        EXPECT_EQ(20, map.GetCount());
    }
    CString value;
    EXPECT_TRUE(map.Lookup(39, value));
    EXPECT_EQ(39, value.GetLength());
    EXPECT_FALSE(map.Lookup(38, value));
}

TEST(CMapTest, LookupSetRemove)
{
    CMapStringToString map;
    map.SetAt("one", "1");
    map["two"] = "2";
    map.SetAt("one", "uno");
    CString value;
    EXPECT_TRUE(map.Lookup("one", value));
    EXPECT_STREQ("uno", value);
    EXPECT_FALSE(map.Lookup("three", value));
    EXPECT_EQ(2, map.GetCount());
    ASSERT_NE(nullptr, map.PLookup("two"));
    EXPECT_STREQ("2", map.PLookup("two")->value);
    EXPECT_TRUE(map.RemoveKey("one"));
    EXPECT_FALSE(map.RemoveKey("one"));
    EXPECT_EQ(1, map.GetCount());
    map.RemoveAll();
    EXPECT_EQ(NULL, map.GetStartPosition());
}

TEST(CMapTest, IterationOrderFollowsBucketsThenNewestFirst)
{
    // Integer keys hash to key >> 4: with 17 buckets, 0..15 share bucket 0,
    // 16 and 17 go to bucket 1, 32 to bucket 2.
    CMap<UINT, UINT, int, int> map;
    for (UINT key : {32u, 1u, 16u, 2u, 17u, 3u})
        map.SetAt(key, (int)key);
    std::vector<UINT> order;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        UINT key;
        int value;
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    EXPECT_EQ((std::vector<UINT>{3, 2, 1, 17, 16, 32}), order);
}

TEST(CMapTest, StringKeysIterateTheSameWayEveryTime)
{
    auto keysInOrder = [](UINT nHashSize)
    {
        CMapStringToPtr map;
        map.InitHashTable(nHashSize);
        for (int i = 0; i < 200; ++i)
        {
            CString key;
            key.Format("key%d", i);
            map.SetAt(key, NULL);
        }
        std::vector<CString> keys;
        for (POSITION pos = map.GetStartPosition(); pos != NULL;)
        {
            CString key;
            void* value;
            map.GetNextAssoc(pos, key, value);
            keys.push_back(key);
        }
        return keys;
    };
    std::vector<CString> first = keysInOrder(101);
    EXPECT_EQ(200u, first.size());
    EXPECT_EQ(first, keysInOrder(101));
    EXPECT_NE(first, keysInOrder(17));
    // "a" hashes to 97 and "b" to 98: with 3 buckets, 97 % 3 = 1 and 98 % 3 = 2.
    CMapStringToPtr small;
    small.InitHashTable(3);
    small.SetAt("b", NULL);
    small.SetAt("a", NULL);
    CString key;
    void* value;
    POSITION pos = small.GetStartPosition();
    small.GetNextAssoc(pos, key, value);
    EXPECT_STREQ("a", key);
}

TEST(CMapTest, ResizingAFilledTableKeepsEntries)
{
    CMap<int, int, int, int> map;
    for (int i = 0; i < 50; ++i)
        map[i * 16] = i;
    map.InitHashTable(7);
    EXPECT_EQ(7u, map.GetHashTableSize());
    EXPECT_EQ(50, map.GetCount());
    for (int i = 0; i < 50; ++i)
    {
        int value = -1;
        ASSERT_TRUE(map.Lookup(i * 16, value));
        EXPECT_EQ(i, value);
    }
}

TEST(CollectionSerialize, ArraysListsAndMapsRoundTrip)
{
    CStringArray strings;
    strings.Add("x");
    strings.Add(CString('y', 300));
    CStringArray loadedStrings;
    RoundTrip(strings, loadedStrings);
    EXPECT_EQ(Elements(strings), Elements(loadedStrings));

    CByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.Add((BYTE)i);
    CByteArray loadedBytes;
    RoundTrip(bytes, loadedBytes);
    EXPECT_EQ(Elements(bytes), Elements(loadedBytes));

    CStringList list;
    list.AddTail("first");
    list.AddTail("second");
    CStringList loadedList;
    RoundTrip(list, loadedList);
    EXPECT_EQ(Elements(list), Elements(loadedList));

    CMapStringToString map;
    map["k1"] = "v1";
    map["k2"] = "v2";
    CMapStringToString loadedMap;
    RoundTrip(map, loadedMap);
    CString value;
    EXPECT_EQ(2, loadedMap.GetCount());
    EXPECT_TRUE(loadedMap.Lookup("k2", value));
    EXPECT_STREQ("v2", value);
}

TEST(CollectionSerialize, MapOfIdsToFlagsIsCountThenPairs)
{
    CMap<UINT, UINT, BOOL, BOOL> hidden;
    hidden[0x8001] = TRUE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        hidden.Serialize(ar);
    }
    ASSERT_EQ(10u, file.GetLength());
    BYTE* pData = file.Detach();
    const BYTE expected[] = {1, 0, 0x01, 0x80, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(expected, pData, sizeof(expected)));
    free(pData);
}

TEST(CTypedPtrTest, WrappersCastToTheElementType)
{
    struct Item
    {
        int n;
    };
    Item a{1};
    Item b{2};
    CTypedPtrArray<CPtrArray, Item*> array;
    array.Add(&a);
    array.Add(&b);
    EXPECT_EQ(2, array[1]->n);
    array.ElementAt(0) = &b;
    EXPECT_EQ(2, array.GetAt(0)->n);

    CTypedPtrList<CPtrList, Item*> list;
    list.AddTail(&a);
    list.AddHead(&b);
    EXPECT_EQ(2, list.GetHead()->n);
    EXPECT_EQ(1, list.RemoveTail()->n);

    CTypedPtrMap<CMapStringToPtr, CString, Item*> map;
    map.SetAt("a", &a);
    Item* pFound = NULL;
    EXPECT_TRUE(map.Lookup("a", pFound));
    EXPECT_EQ(&a, pFound);
    POSITION pos = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(pos, key, pFound);
    EXPECT_STREQ("a", key);
    EXPECT_EQ(&a, pFound);
}
