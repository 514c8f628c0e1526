// Helpers of the text engine tests.
#include "TextTestHelpers.h"

namespace kttest
{
BufferPtr NewBuffer() { return KTMakeCounted<CKTSyntaxEditBufferManager>(); }

void LoadBytes(CKTSyntaxEditBufferManager& buffer, const std::string& bytes, const std::string& name)
{
    TempFile file(name);
    file.Write(bytes);
    CFile source(file.Path().c_str(), CFile::modeRead | CFile::shareDenyNone);
    CArchive ar(&source, CArchive::load);
    buffer.Serialize(ar);
    ar.Close();
    source.Close();
}

std::string StoreBytes(CKTSyntaxEditBufferManager& buffer, const std::string& name)
{
    TempFile file(name);
    {
        CFile target(file.Path().c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&target, CArchive::store);
        buffer.Serialize(ar);
        ar.Close();
        target.Close();
    }
    return file.Read();
}

std::vector<std::string> Rows(const CKTSyntaxEditBufferManager& buffer)
{
    std::vector<std::string> rows;
    for (int row = 1; row <= buffer.GetRowCount(); ++row)
        rows.emplace_back(LPCSTR(buffer.GetLineTextEx(row)));
    return rows;
}

void SetRows(CKTSyntaxEditBufferManager& buffer, const std::vector<std::string>& rows)
{
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i)
        text += rows[i] + (i + 1 < rows.size() ? "\r\n" : "");
    buffer.Close();
    buffer.InsertText(text.c_str(), 1, 1, FALSE);
}

std::string Utf16(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text)
    {
        bytes += char(c & 0xFF);
        bytes += char((c >> 8) & 0xFF);
    }
    return bytes;
}
}  // namespace kttest
