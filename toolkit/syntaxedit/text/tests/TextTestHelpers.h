// Helpers of the text engine tests: files on disk, buffers, row dumps.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

#include "KTSyntaxEditBufferManager.h"

namespace kttest
{
// A file in the temporary folder, removed with the object.
class TempFile
{
public:
    explicit TempFile(const std::string& name);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return m_path; }
    void Write(const std::string& bytes) const;
    std::string Read() const;

private:
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
