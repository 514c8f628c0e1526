// An editable in-memory text for the lexer tests, and file helpers.
#include "TestText.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "KTLexStrings.h"
#include "KTSyntaxEditSchemaReader.h"

CTestText::CTestText(const std::string& text, std::string fileType) : m_strFileType(std::move(fileType))
{
    SetText(text);
}

void CTestText::SetText(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::string plain = text;
    ktlex::ReplaceAll(plain, "\r\n", "\n");
    m_rows = ktlex::Split(plain, '\n');
}

std::string CTestText::GetText() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return ktlex::Join(m_rows, "\r\n");
}

int CTestText::GetRowCount() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return int(m_rows.size());
}

bool CTestText::GetRowText(int row, std::string& text) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (row < 1 || row > int(m_rows.size()))
        return false;
    text = m_rows[size_t(row - 1)];
    return true;
}

KT_EDIT_LEXPOS CTestText::Insert(KT_EDIT_LEXPOS pos, const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::string& row = m_rows[size_t(pos.nRow - 1)];
    std::string tail = row.substr(size_t(pos.nCol));
    row.erase(size_t(pos.nCol));
    std::vector<std::string> lines = ktlex::Split(text, '\n');
    row += lines[0];
    for (size_t i = 1; i < lines.size(); ++i)
        m_rows.insert(m_rows.begin() + pos.nRow - 1 + long(i), lines[i]);
    int lastRow = pos.nRow + int(lines.size()) - 1;
    std::string& last = m_rows[size_t(lastRow - 1)];
    KT_EDIT_LEXPOS end{lastRow, int(last.size())};
    last += tail;
    return end;
}

void CTestText::Delete(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end)
{
    std::lock_guard<std::mutex> lock(m_lock);
    std::string head = m_rows[size_t(start.nRow - 1)].substr(0, size_t(start.nCol));
    std::string tail = m_rows[size_t(end.nRow - 1)].substr(size_t(end.nCol));
    m_rows.erase(m_rows.begin() + start.nRow, m_rows.begin() + end.nRow);
    m_rows[size_t(start.nRow - 1)] = head + tail;
}

std::string ReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteTestFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ConfigPath(const std::string& relative) { return std::string(KT_TEST_CONFIG_DIR) + "/" + relative; }

CKTSyntaxEditLexTextSchema::Ptr LoadTestSchema(const std::string& relative)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(ReadTestFile(ConfigPath(relative)), infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>(relative);
    schema->LoadClasses(infos);
    return schema;
}

void PrintTo(const KT_EDIT_LEXBLOCKINFO& block, std::ostream* out)
{
    *out << block.strClass << " " << block.posStart.nRow << ":" << block.posStart.nCol << "-" << block.posEnd.nRow
         << ":" << block.posEnd.nCol << " depth " << block.nDepth;
}

std::string DescribeRow(const CKTSyntaxEditLexTextSchema& schema, const CTestText& text, int row,
                        const CKTLexBlockChain* chain)
{
    std::string line;
    text.GetRowText(row, line);
    std::vector<KT_EDIT_LEXPIECE> pieces;
    schema.GetRowColors(row, int(line.size()), KT_EDIT_LEXSTYLE(), pieces, chain);
    std::string out;
    for (const KT_EDIT_LEXPIECE& piece : pieces)
    {
        char run[64];
        uint32_t c = piece.style.clrText;
        if (c == KT_EDIT_LEXSTYLE::ktNoColor)
            std::snprintf(run, sizeof(run), "%d-%d:-", piece.nStart, piece.nEnd);
        else  // shown as written in scheme files, 0xRRGGBB
            std::snprintf(run, sizeof(run), "%d-%d:%02X%02X%02X", piece.nStart, piece.nEnd, c & 0xFF, (c >> 8) & 0xFF,
                          (c >> 16) & 0xFF);
        out += (out.empty() ? "" : " ") + std::string(run);
    }
    return out;
}

std::string DescribeParse(const CKTSyntaxEditLexTextSchema& schema, const CTestText& text)
{
    std::string out;
    for (const KT_EDIT_LEXBLOCKINFO& b : schema.GetBlocks())
    {
        char line[160];
        std::snprintf(line, sizeof(line), "%s %d:%d-%d:%d %d\n", b.strClass.c_str(), b.posStart.nRow, b.posStart.nCol,
                      b.posEnd.nRow, b.posEnd.nCol, b.nDepth);
        out += line;
    }
    for (int row = 1; row <= text.GetRowCount(); ++row)
        out += std::to_string(row) + " " + DescribeRow(schema, text, row) + "\n";
    return out;
}

std::string GenerateCText(int rows, unsigned seed)
{
    static const char* const pieces[] = {"int ",
                                         "return ",
                                         "x",
                                         "value_1",
                                         " ",
                                         "\t",
                                         "(",
                                         ")",
                                         "{",
                                         "}",
                                         ";",
                                         "+",
                                         "0x1F",
                                         "42",
                                         "3.5e+2",
                                         "\"text\"",
                                         "\"a\\\"b\"",
                                         "'c'",
                                         "'\\''",
                                         "/* note */",
                                         "/*",
                                         "*/",
                                         "// line",
                                         "#include <a.h>",
                                         "#define M(a) a",
                                         "\\",
                                         "\"open",
                                         "'",
                                         "struct ",
                                         "char* ",
                                         "if ",
                                         "else ",
                                         "while ",
                                         ",",
                                         "==",
                                         "->"};
    const unsigned count = sizeof(pieces) / sizeof(pieces[0]);
    std::string text;
    for (int row = 0; row < rows; ++row)
    {
        for (int n = 0; n < 8; ++n)
        {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % count];
        }
        text += '\n';
    }
    return text;
}
