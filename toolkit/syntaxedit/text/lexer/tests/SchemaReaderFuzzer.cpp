// Fuzzes the scheme reader and the schema built from what it read: any text
// must read, build and parse a short sample without a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "KTSyntaxEditLexTextSchema.h"
#include "KTSyntaxEditSchemaReader.h"

namespace
{

class CSample : public IKTLexTextSource
{
public:
    int GetRowCount() const override { return 3; }
    bool GetRowText(int row, std::string& text) const override
    {
        static const char* const rows[] = {"/* a */ int x = 0x1F; // b", "\"s\\\"\" 'c' #if 12", "{ return; }"};
        if (row < 1 || row > 3)
            return false;
        text = rows[row - 1];
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(text, infos);
    for (const KT_EDIT_LEXCLASSINFO& info : infos.arClasses)
        for (const KT_EDIT_SCHEMAFILEINFO& property : info.arProperties)
            for (const std::string& value : property.arValues)
                EscapeSchemaValue(value, true);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("fuzz");
    schema->LoadClasses(infos);
    CSample sample;
    CKTSyntaxEditLexCursor cursor(sample);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<KT_EDIT_LEXPIECE> pieces;
    schema->GetRowColors(2, 16, KT_EDIT_LEXSTYLE(), pieces);
    return 0;
}
