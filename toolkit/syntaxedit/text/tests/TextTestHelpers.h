// Helpers of the text engine tests: files on disk, buffers, row dumps.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

#include "KTSyntaxEditBufferManager.h"
#include "TestFolder.h"

namespace kttest
{
// A file in a temporary folder of its own, removed with the object.
class TempFile
{
public:
    explicit TempFile(const std::string& name) : m_name(name), m_path(m_folder.Path(name)) {}

    const std::string& Path() const { return m_path; }
    void Write(const std::string& bytes) const { m_folder.Write(m_name, bytes); }
    std::string Read() const { return m_folder.Read(m_name); }

private:
    CTestFolder m_folder{"kttext"};
    std::string m_name;
    std::string m_path;
};

using BufferPtr = CKTSmartPtr<CKTSyntaxEditBufferManager>;
// A buffer created as the document creates it, with the one reference it is made with.
BufferPtr NewBuffer();

// Loads the bytes through a real file with the given name.
void LoadBytes(CKTSyntaxEditBufferManager& buffer, const std::string& bytes, const std::string& name = "load.txt");
// Stores the buffer through an archive into a file and returns the bytes.
std::string StoreBytes(CKTSyntaxEditBufferManager& buffer, const std::string& name = "store.txt");
std::vector<std::string> Rows(const CKTSyntaxEditBufferManager& buffer);
// Sets the rows directly, without undo records.
void SetRows(CKTSyntaxEditBufferManager& buffer, const std::vector<std::string>& rows);
std::string Utf16(const std::wstring& text);
}  // namespace kttest
