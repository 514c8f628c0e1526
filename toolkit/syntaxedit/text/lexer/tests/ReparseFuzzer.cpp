// Fuzzes the re-parse after edits: the input drives inserts and deletes in
// a C text, and after each the incremental result must equal a fresh parse;
// with the C scheme and with classes that start and end by class, each once
// in single-byte text and once with lead bytes, whose edits may split a
// double-byte character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

CKTSyntaxEditLexTextSchema::Ptr MakeByClassSchema()
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(kByClass, infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("by class");
    schema->LoadClasses(infos);
    return schema;
}

const CKTSyntaxEditLexTextSchema::Ptr& Schema(int which)
{
    static const CKTSyntaxEditLexTextSchema::Ptr schemas[] = {LoadTestSchema("schemes/c.scheme"), MakeByClassSchema()};
    return schemas[which];
}

KT_EDIT_LEXPOS PositionFrom(const CTestText& text, uint8_t row, uint8_t col)
{
    int r = 1 + row % text.GetRowCount();
    std::string line;
    text.GetRowText(r, line);
    return {r, int(col % (line.size() + 1))};
}

void FuzzEdits(const CKTSyntaxEditLexTextSchema& original, const uint8_t* data, size_t size)
{
    CTestText text(kSample);
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
            static const char* const pieces[] = {"/*", "*/",   "\"", "'", "\n",     "x",      "#",     "//",
                                                 "1",  "int ", "\\", " ", "\x82\"", "\x95\\", "\x81/", "\x82"};
            end = text.Insert(at, pieces[data[i + 2] % 16]);
            schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        }
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
        FuzzEdits(*Schema(0), data, size);
        FuzzEdits(*Schema(1), data, size);
    }
    return 0;
}
