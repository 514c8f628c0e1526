// Fuzzes the re-parse after edits: the input drives inserts and deletes in
// a text, and after each the incremental result must equal a fresh parse;
// with the C scheme on a C text, with classes that start and end by class,
// and with a file class that ends before the text among tags longer than a
// row, each once in single-byte text and once with lead bytes, whose edits
// may split a double-byte character. Some re-parses are first broken off
// part way, as a key pressed then would, and the screens parsed in between.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "KTLexLeadBytes.h"
#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditSchemaReader.h"
#include "TestText.h"

namespace
{

const char kSample[] = "/* head */\n#include \"a.h\"\nint f(int a) {\n\treturn a + 0x1F; // x\n}\n"
                       "static const char* s = \"q\\\"t\";\nchar c = '\\'';\n/* tail\n */ long g;\n";

// Blocks that begin where another began, and end where another ended.
const char kByClass[] = "lexClass:\nname = file\nparent:file = <*.c>\n"
                        "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n"
                        "lexClass:\nname = after\nparent = file\nstart:class = cm\nend:tag = ';', @eol\n"
                        "lexClass:\nname = str\nparent = file\nprevious:class = after\nstart:tag = '\"'\n"
                        "end:tag = '\"', @eol\n"
                        "lexClass:\nname = word\nparent = file\ntoken:tag = 'int', 'long'\n"
                        "token:start:separators = ' ', @eol\ntoken:end:separators = ' ', '('\n"
                        "lexClass:\nname = use\nparent = file\nstart:class = word\nend:class = str\n";

// The file's class ends at each END; the rest of the text is parsed in
// further blocks of it. A start tag and a token reach over whole rows.
const std::string kRow(70, '=');
const std::string kEnding = "lexClass:\nname = file\nparent:file = <*.c>\nend:tag = 'END'\n"
                            "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n"
                            "lexClass:\nname = br\nparent = file, br\nstart:tag = '{'\nend:tag = '}'\n"
                            "lexClass:\nname = long\nparent = file\nstart:tag = '<<\\r\\n" +
                            kRow + "\\r\\n'\nend:tag = '>>'\n" +
                            "lexClass:\nname = rule\nparent = br\ntoken:tag = '#\\r\\n" + kRow + "\\r\\n#'\n";
const std::string kEndingSample =
    "{ a }\n/* b */ END\n{ c\n}\n<<\n" + kRow + "\nq >> { #\n" + kRow + "\n# }\nEND\nx { y }\n/* z\n*/\n";

CKTSyntaxEditLexTextSchema::Ptr MakeSchema(const std::string& source)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(source, infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("fuzzed");
    schema->LoadClasses(infos);
    return schema;
}

struct KT_FUZZ_SCHEME
{
    CKTSyntaxEditLexTextSchema::Ptr schema;
    std::string sample;
};

const KT_FUZZ_SCHEME& Scheme(int which)
{
    static const KT_FUZZ_SCHEME schemes[] = {{LoadTestSchema("schemes/c.scheme"), kSample},
                                             {MakeSchema(kByClass), kSample},
                                             {MakeSchema(kEnding), kEndingSample}};
    return schemes[which];
}

// Breaks off the pass that reads it at its given row read.
class CBreakingText : public IKTLexTextSource
{
public:
    CBreakingText(const CTestText& text, CKTSyntaxEditLexTextSchema& schema, int reads)
        : m_text(text), m_schema(schema), m_nReads(reads)
    {
    }
    int GetRowCount() const override { return m_text.GetRowCount(); }
    bool GetRowText(int row, std::string& line) const override
    {
        if (--m_nReads == 0)
            m_key.emplace(m_schema);
        return m_text.GetRowText(row, line);
    }
    std::string GetLineEnd() const override { return m_text.GetLineEnd(); }
    std::string GetFileType() const override { return m_text.GetFileType(); }

private:
    const CTestText& m_text;
    CKTSyntaxEditLexTextSchema& m_schema;
    mutable int m_nReads;
    mutable std::optional<CKTSyntaxEditLexTextSchema::CBreak> m_key;
};

// A re-parse broken off leaves a chain that painting reads as it stands, below the edit too.
void ReparseBrokenOff(CKTSyntaxEditLexTextSchema& schema, const CTestText& text, KT_EDIT_LEXPOS at, KT_EDIT_LEXPOS end,
                      int reads)
{
    {
        CBreakingText broken(text, schema, reads);
        CKTSyntaxEditLexCursor cursor(broken);
        schema.RunParseUpdate(true, cursor, &at, &end, false);
    }
    CKTSyntaxEditLexCursor cursor(text);
    CKTLexBlockChain screen;
    schema.RunOnScreen(cursor, at.nRow, at.nRow + 20, screen);
}

KT_EDIT_LEXPOS PositionFrom(const CTestText& text, uint8_t row, uint8_t col)
{
    int r = 1 + row % text.GetRowCount();
    std::string line;
    text.GetRowText(r, line);
    return {r, int(col % (line.size() + 1))};
}

void FuzzEdits(const KT_FUZZ_SCHEME& scheme, const uint8_t* data, size_t size)
{
    const CKTSyntaxEditLexTextSchema& original = *scheme.schema;
    CTestText text(scheme.sample);
    auto schema = original.Clone();
    CKTSyntaxEditLexCursor first(text);
    schema->RunParseUpdate(true, first, nullptr, nullptr, false);
    for (size_t i = 0; i + 3 <= size && text.GetRowCount() < 200; i += 3)
    {
        KT_EDIT_LEXPOS at = PositionFrom(text, data[i], data[i + 1]);
        KT_EDIT_LEXPOS end;
        if (data[i + 2] & 0x80)
        {
            end = PositionFrom(text, uint8_t(data[i] + (data[i + 2] & 1)), data[i + 2]);
            if (end < at)
                std::swap(at, end);
            text.Delete(at, end);
            schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktDelete);
        }
        else
        {
            static const char* const pieces[] = {"/*",  "*/",   "\"", "'",  "\n",     "x",      "#",     "//",
                                                 "1",   "int ", "\\", " ",  "\x82\"", "\x95\\", "\x81/", "\x82",
                                                 "END", "{",    "}",  "<<", "=",      "E"};
            end = text.Insert(at, pieces[data[i + 2] % (sizeof pieces / sizeof pieces[0])]);
            schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        }
        if (data[i + 1] & 0x40)
            ReparseBrokenOff(*schema, text, at, end, 1 + data[i] % 6);
        CKTSyntaxEditLexCursor cursor(text);
        schema->RunParseUpdate(true, cursor, &at, &end, false);
        auto fresh = original.Clone();
        CKTSyntaxEditLexCursor again(text);
        fresh->RunParseUpdate(true, again, nullptr, nullptr, false);
        if (!(schema->GetBlocks() == fresh->GetBlocks()))
            std::abort();  // the re-parse differs from a parse from scratch
    }
}

const CKTLexCharSet& ShiftJisLeadBytes()
{
    static const CKTLexCharSet leadBytes = []
    {
        CKTLexCharSet set;
        for (int c = 0x81; c <= 0xFC; ++c)
            if (c <= 0x9F || c >= 0xE0)
                set.Add(char(c));
        return set;
    }();
    return leadBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const CKTLexCharSet& leadBytes : {CKTLexCharSet(), ShiftJisLeadBytes()})
    {
        CKTLexLeadBytes::Set(leadBytes);
        for (int scheme = 0; scheme < 3; ++scheme)
            FuzzEdits(Scheme(scheme), data, size);
    }
    return 0;
}
