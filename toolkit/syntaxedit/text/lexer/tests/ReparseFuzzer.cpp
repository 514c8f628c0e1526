// Fuzzes the re-parse after edits: the input drives inserts and deletes in
// a C text, and after each the incremental result must equal a fresh parse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "KTSyntaxEditLexTextSchema.h"
#include "TestText.h"

namespace
{

const char kSample[] = "/* head */\n#include \"a.h\"\nint f(int a) {\n\treturn a + 0x1F; // x\n}\n"
                       "static const char* s = \"q\\\"t\";\nchar c = '\\'';\n/* tail\n */ long g;\n";

CKTSyntaxEditLexTextSchema::Ptr& Schema()
{
    static CKTSyntaxEditLexTextSchema::Ptr schema = LoadTestSchema("schemes/c.scheme");
    return schema;
}

KT_EDIT_LEXPOS PositionFrom(const CTestText& text, uint8_t row, uint8_t col)
{
    int r = 1 + row % text.GetRowCount();
    std::string line;
    text.GetRowText(r, line);
    return {r, int(col % (line.size() + 1))};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTestText text(kSample);
    auto schema = Schema()->Clone();
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
            static const char* const pieces[] = {"/*", "*/", "\"", "'", "\n", "x", "#", "//", "1", "int ", "\\", " "};
            end = text.Insert(at, pieces[data[i + 2] % 12]);
            schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        }
        CKTSyntaxEditLexCursor cursor(text);
        schema->RunParseUpdate(true, cursor, &at, &end, false);
        auto fresh = Schema()->Clone();
        CKTSyntaxEditLexCursor again(text);
        fresh->RunParseUpdate(true, again, nullptr, nullptr, false);
        if (!(schema->GetBlocks() == fresh->GetBlocks()))
            std::abort();  // the re-parse differs from a parse from scratch
    }
    return 0;
}
