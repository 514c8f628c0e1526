// The store of scheme files and their reading.
#include "KTSyntaxEditSchemaFileManager.h"

#include "KTLexFiles.h"
#include "KTLexResources.h"
#include "KTLexStrings.h"

CKTSyntaxEditSchemaFileManager& CKTSyntaxEditSchemaFileManager::Instance()
{
    static CKTSyntaxEditSchemaFileManager manager;
    return manager;
}

bool CKTSyntaxEditSchemaFileManager::ReadSchemaFile(const std::string& path, bool keepCopy,
                                                    CKTSyntaxEditLexClassInfoArray& result)
{
    std::string text;
    if (!KTLexReadFile(path, text))
        return false;
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(text, infos);
    std::lock_guard<std::mutex> lock(m_lock);
    if (keepCopy)
        m_store[ktlex::Lower(path)] = infos;
    result = std::move(infos);
    return true;
}

bool CKTSyntaxEditSchemaFileManager::LoadSchemaResource(int id, CKTSyntaxEditLexClassInfoArray& result)
{
    std::string text;
    if (!KTLexLoadResourceText(id, text))
        return false;
    ParseSchemaText(text, result);
    return true;
}

void CKTSyntaxEditSchemaFileManager::ParseSchemaText(const std::string& text, CKTSyntaxEditLexClassInfoArray& result)
{
    CKTSyntaxEditSchemaReader().ParseSource(text, result);
}

void CKTSyntaxEditSchemaFileManager::CopyFileRecords(FileRecords& target) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    target = m_store;
}
