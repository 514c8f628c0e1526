// The process-wide store of scheme files: reads them into class
// descriptions, keeps a copy per file for the colour options to edit, and
// merges edited descriptions back into the files.
// Defines: CKTSyntaxEditSchemaFileManager.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "KTSyntaxEditSchemaReader.h"

class CKTSyntaxEditSchemaFileManager
{
public:
    enum WriteResult
    {
        ktWriteFailed = -1,
        ktNotModified = 0,
        ktWritten = 1
    };
    using FileRecords = std::map<std::string, CKTSyntaxEditLexClassInfoArray>;

    static CKTSyntaxEditSchemaFileManager& Instance();

    // Reads and parses one file into result; FALSE, with nothing changed,
    // when the file is missing, a folder or unreadable.
    bool ReadSchemaFile(const std::string& path, bool keepCopy, CKTSyntaxEditLexClassInfoArray& result);
    // Reads and parses the scheme text of a resource; FALSE, with nothing
    // changed, when the resource is missing or empty.
    bool LoadSchemaResource(int id, CKTSyntaxEditLexClassInfoArray& result);
    // Parses a scheme text that did not come from a file.
    void ParseSchemaText(const std::string& text, CKTSyntaxEditLexClassInfoArray& result);
    // Copies of every file's descriptions, keyed by the lower-cased path.
    void CopyFileRecords(FileRecords& target) const;
    // Merges descriptions into their file, keeping what was written by hand.
    WriteResult WriteSchemaFile(const std::string& path, const CKTSyntaxEditLexClassInfoArray& descriptions);

private:
    CKTSyntaxEditSchemaFileManager() = default;

    mutable std::mutex m_lock;  // around each whole read and write
    FileRecords m_store;
};
