// The schemes of the syntax configuration.
#include "KTSyntaxEditSchemeSet.h"

#include "KTLexStrings.h"
#include "KTSyntaxEditFileChangesMonitor.h"
#include "KTSyntaxEditSchemaFileManager.h"

void CKTSyntaxEditSchemeSet::RememberScheme(const KT_EDIT_INI_ENTRY& entry)
{
    if (!CKTSyntaxEditIniReader::FindByKey(m_listEntries, entry.strKey))
        m_listEntries.push_back(entry);
}

// Builds a schema only from a read that happened: a file that vanished or
// cannot be read, or a missing resource, leaves the scheme remembered but
// without a schema, rather than built from the descriptions read last.
bool CKTSyntaxEditSchemeSet::LoadScheme(const KT_EDIT_INI_ENTRY& entry, const KTLexThemeLookup& theme)
{
    RememberScheme(entry);
    CKTSyntaxEditSchemaFileManager& files = CKTSyntaxEditSchemaFileManager::Instance();
    CKTSyntaxEditLexClassInfoArray infos;
    bool read = entry.nSchemaFileID != -1 ? files.LoadSchemaResource(entry.nSchemaFileID, infos)
                                          : files.ReadSchemaFile(entry.strValue, true, infos);
    if (!read)
        return false;
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>(entry.strKey);
    schema->LoadClasses(infos);
    schema->ApplyTheme(theme);
    m_mapSchemas[ktlex::Lower(entry.strKey)] = schema;
    return true;
}

bool CKTSyntaxEditSchemeSet::OnSchemeFileChanged(const std::string& path, int change, const KTLexThemeLookup& theme,
                                                 std::string& name)
{
    const KT_EDIT_INI_ENTRY* entry = CKTSyntaxEditIniReader::FindByValue(m_listEntries, path);
    if (!entry)
        return false;
    KT_EDIT_INI_ENTRY scheme = *entry;
    m_mapSchemas.erase(ktlex::Lower(scheme.strKey));
    if (change != CKTSyntaxEditFileChangesMonitor::ktRemoved)
        LoadScheme(scheme, theme);
    name = scheme.strKey;
    return true;
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditSchemeSet::GetSchema(const std::string& name) const
{
    auto it = m_mapSchemas.find(ktlex::Lower(name));
    return it == m_mapSchemas.end() ? CKTSyntaxEditLexTextSchema::Ptr() : it->second;
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditSchemeSet::GetSchemaForFileType(const std::string& fileType) const
{
    if (fileType.empty())
        return CKTSyntaxEditLexTextSchema::Ptr();
    for (const auto& schema : m_mapSchemas)
        if (schema.second->IsFileSupported(fileType))
            return schema.second;
    return CKTSyntaxEditLexTextSchema::Ptr();
}

void CKTSyntaxEditSchemeSet::ApplyThemeToAll(const KTLexThemeLookup& theme)
{
    for (auto& schema : m_mapSchemas)
        schema.second->ApplyTheme(theme);
}

void CKTSyntaxEditSchemeSet::RemoveAll()
{
    m_mapSchemas.clear();
    m_listEntries.clear();
}

std::vector<std::string> CKTSyntaxEditSchemeSet::GetSchemeNames() const
{
    std::vector<std::string> names;
    for (const KT_EDIT_INI_ENTRY& entry : m_listEntries)
        names.push_back(entry.strKey);
    return names;
}
