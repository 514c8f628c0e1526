// The schemes of the syntax configuration: a text schema per loaded scheme
// and the entry of every scheme the configuration names, loaded or not.
// Its owner guards it with its own lock.
// Defines: CKTSyntaxEditSchemeSet.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "KTSyntaxEditIniReader.h"
#include "KTSyntaxEditLexTextSchema.h"

class CKTSyntaxEditSchemeSet
{
public:
    // Remembers the entry and builds its schema from the resource or else the
    // file the entry names; FALSE, with no schema, when neither can be read.
    bool LoadScheme(const KT_EDIT_INI_ENTRY& entry, const KTLexThemeLookup& theme);
    void RememberScheme(const KT_EDIT_INI_ENTRY& entry);
    // FALSE when no scheme has the file; else name receives the scheme's
    // name, and its schema is built again unless the file was removed.
    bool OnSchemeFileChanged(const std::string& path, int change, const KTLexThemeLookup& theme, std::string& name);
    CKTSyntaxEditLexTextSchema::Ptr GetSchema(const std::string& name) const;
    // The first schema, in name order, that colours the file type.
    CKTSyntaxEditLexTextSchema::Ptr GetSchemaForFileType(const std::string& fileType) const;
    void ApplyThemeToAll(const KTLexThemeLookup& theme);
    void RemoveAll();
    // In the order the configuration was read.
    const CKTSyntaxEditIniReader::Entries& GetEntries() const { return m_listEntries; }
    std::vector<std::string> GetSchemeNames() const;

private:
    std::map<std::string, CKTSyntaxEditLexTextSchema::Ptr> m_mapSchemas;  // lower-cased scheme names
    CKTSyntaxEditIniReader::Entries m_listEntries;
};
