// A text buffer's rows as the lexer reads them (Windows only: it builds on the buffer).
// Classes: CKTSyntaxEditBufferText.
#pragma once

#include <mutex>
#include <string>

#include "KTLexTextSource.h"
#include "KTSyntaxEditBufferManager.h"

// A buffer's rows as the lexer's worker reads them, each copied under the row lock.
class CKTSyntaxEditBufferText : public IKTLexTextSource
{
public:
    explicit CKTSyntaxEditBufferText(const CKTSyntaxEditBufferManager& buffer) : m_buffer(buffer) {}

    int GetRowCount() const override;
    bool GetRowText(int row, std::string& text) const override;
    std::string GetLineEnd() const override;
    std::string GetFileType() const override;
    void SetFileType(const std::string& fileType);

private:
    const CKTSyntaxEditBufferManager& m_buffer;
    mutable std::mutex m_lock;  // the worker reads the file type
    std::string m_strFileType;
};
