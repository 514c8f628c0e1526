// CString: formatting, searching, editing, trimming, tokens and direct buffer access.
#include "afxcoll.h"
#include "test_support.h"

TEST(CStringFormat, FollowsPrintfRules)
{
    CString str;
    str.Format("%s=%d 0x%08X %5.2f|%-4s|%c", "n", -42, 0xBEEFu, 3.14159, "ab", 'z');
    EXPECT_STREQ("n=-42 0x0000BEEF  3.14|ab  |z", str);
    str.Format("%lld %llu", -9000000000LL, 18000000000ULL);
    EXPECT_STREQ("-9000000000 18000000000", str);
}

TEST(CStringFormat, LongResultsAndSelfArguments)
{
    CString strLong('x', 5000);
    CString str;
    str.Format("[%s]", (LPCSTR)strLong);
    EXPECT_EQ(5002, str.GetLength());
    // The string's own text as an argument must survive the formatting.
    str = "abc";
    str.Format("%s-%s", (LPCSTR)str, (LPCSTR)str);
    EXPECT_STREQ("abc-abc", str);
    str.AppendFormat("+%d", 7);
    EXPECT_STREQ("abc-abc+7", str);
}

TEST(CStringSearch, FindVariants)
{
    CString str("one,two;three,two");
    EXPECT_EQ(3, str.Find(','));
    EXPECT_EQ(13, str.Find(',', 4));
    EXPECT_EQ(4, str.Find("two"));
    EXPECT_EQ(14, str.Find("two", 5));
    EXPECT_EQ(-1, str.Find("four"));
    EXPECT_EQ(-1, str.Find('o', 100));
    EXPECT_EQ(-1, str.Find('o', -1));
    EXPECT_EQ(13, str.ReverseFind(','));
    EXPECT_EQ(-1, str.ReverseFind('#'));
    EXPECT_EQ(3, str.FindOneOf(";,"));
    EXPECT_EQ(-1, str.FindOneOf("#"));
}

TEST(CStringExtract, MidLeftRightClampToTheString)
{
    CString str("abcdef");
    EXPECT_STREQ("cde", str.Mid(2, 3));
    EXPECT_STREQ("cdef", str.Mid(2));
    EXPECT_STREQ("", str.Mid(10));
    EXPECT_STREQ("ab", str.Mid(-3, 2));
    EXPECT_STREQ("ef", str.Mid(4, 100));
    EXPECT_STREQ("abc", str.Left(3));
    EXPECT_STREQ("abcdef", str.Left(99));
    EXPECT_STREQ("", str.Left(-1));
    EXPECT_STREQ("def", str.Right(3));
    EXPECT_STREQ("abcdef", str.Right(99));
    EXPECT_STREQ("12", CString("12ab3").SpanIncluding("0123456789"));
    EXPECT_STREQ("key", CString("key=value").SpanExcluding("=:"));
}

TEST(CStringEdit, ReplaceRemoveInsertDelete)
{
    CString str("a.b.c");
    EXPECT_EQ(2, str.Replace('.', '/'));
    EXPECT_STREQ("a/b/c", str);
    str = "aaa";
    EXPECT_EQ(3, str.Replace("a", "aa"));
    EXPECT_STREQ("aaaaaa", str);
    EXPECT_EQ(3, str.Replace("aa", ""));
    EXPECT_STREQ("", str);
    str = "x";
    EXPECT_EQ(0, str.Replace("", "y"));
    EXPECT_EQ(0, str.Replace("q", "y"));
    str = "a-b-c";
    EXPECT_EQ(2, str.Remove('-'));
    EXPECT_STREQ("abc", str);
    EXPECT_EQ(4, str.Insert(1, 'X'));
    EXPECT_EQ(7, str.Insert(100, "end"));
    EXPECT_STREQ("aXbcend", str);
    EXPECT_EQ(5, str.Delete(1, 2));
    EXPECT_STREQ("acend", str);
    EXPECT_EQ(2, str.Delete(2, 100));
    EXPECT_STREQ("ac", str);
    EXPECT_EQ(2, str.Delete(5));
}

TEST(CStringEdit, CaseAndComparison)
{
    CString str("MiXeD 1");
    EXPECT_STREQ("MIXED 1", CString(str).MakeUpper());
    EXPECT_STREQ("mixed 1", CString(str).MakeLower());
    EXPECT_STREQ("1 DeXiM", CString(str).MakeReverse());
    EXPECT_EQ(0, str.CompareNoCase("mixed 1"));
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("b").Compare("abc"), 0);
    EXPECT_LT(CString("ABC").CompareNoCase("abd"), 0);
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE("y" != CString("x"));
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_GT(CString("abc").Compare(NULL), 0);
}

TEST(CStringTrim, WhitespaceCharAndSetForms)
{
    EXPECT_STREQ("a b", CString(" \t a b \r\n").Trim());
    EXPECT_STREQ("a b \r\n", CString(" \t a b \r\n").TrimLeft());
    EXPECT_STREQ(" \t a b", CString(" \t a b \r\n").TrimRight());
    EXPECT_STREQ("a*b", CString("**a*b**").Trim('*'));
    EXPECT_STREQ("a*b**", CString("**a*b**").TrimLeft('*'));
    EXPECT_STREQ("**a*b", CString("**a*b**").TrimRight('*'));
    EXPECT_STREQ("b", CString("<[b]>").Trim("<>[]"));
    EXPECT_STREQ("", CString("    ").Trim());
    EXPECT_STREQ("", CString("***").TrimRight('*'));
}

TEST(CStringTokenize, WalksTokensAndEnds)
{
    CString str("  alpha, beta,,gamma  ");
    int nPos = 0;
    CStringArray tokens;
    for (CString token = str.Tokenize(" ,", nPos); nPos != -1; token = str.Tokenize(" ,", nPos))
        tokens.Add(token);
    ASSERT_EQ(3, tokens.GetSize());
    EXPECT_STREQ("alpha", tokens[0]);
    EXPECT_STREQ("beta", tokens[1]);
    EXPECT_STREQ("gamma", tokens[2]);
    nPos = 0;
    EXPECT_STREQ("", CString(",,,").Tokenize(",", nPos));
    EXPECT_EQ(-1, nPos);
}

TEST(CStringTokenize, EmptyDelimitersEndAfterTheRest)
{
    // Without delimiters the rest is one token, and the walk must end.
    CString str("abc def");
    int nPos = 4;
    EXPECT_STREQ("def", str.Tokenize("", nPos));
    EXPECT_NE(-1, nPos);
    EXPECT_STREQ("", str.Tokenize("", nPos));
    EXPECT_EQ(-1, nPos);
}

TEST(CStringBuffer, GetBufferRoundTrips)
{
    CString str("keep");
    LPSTR p = str.GetBuffer(64);
    EXPECT_STREQ("keep", p);  // the old text stays
    std::strcpy(p, "written through the buffer");
    str.ReleaseBuffer();
    EXPECT_STREQ("written through the buffer", str);
    EXPECT_EQ(26, str.GetLength());

    p = str.GetBufferSetLength(3);
    p[0] = 'x';
    str.ReleaseBuffer();
    EXPECT_STREQ("xri", str);

    p = str.GetBuffer(10);
    std::memcpy(p, "0123456789", 10);
    str.ReleaseBuffer(4);
    EXPECT_STREQ("0123", str);
    EXPECT_EQ(4, str.GetLength());
}

TEST(CStringValue, CopiesAreIndependent)
{
    CString a("shared");
    CString b = a;
    b.SetAt(0, 'S');
    b += '!';
    EXPECT_STREQ("shared", a);
    EXPECT_STREQ("Shared!", b);
    EXPECT_STREQ("ab", CString("a") + "b");
    EXPECT_STREQ("ab", "a" + CString("b"));
    EXPECT_STREQ("ab", 'a' + CString("b"));
    EXPECT_STREQ("", CString((LPCSTR)NULL));
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_EQ('h', a[1]);
}

TEST(CStringValue, BadIndexesThrow)
{
    CString str("ab");
    delete CaughtException<CInvalidArgException>([&] { str.GetAt(2); });
    delete CaughtException<CInvalidArgException>([&] { str.SetAt(-1, 'x'); });
    EXPECT_EQ("ab", std::string(str)) << "a refused write leaves the text alone";
}
