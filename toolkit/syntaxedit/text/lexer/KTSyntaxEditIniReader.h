// Reading the sections of INI files: the syntax configuration and its themes.
// Defines: KT_EDIT_INI_ENTRY, CKTSyntaxEditIniReader.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct KT_EDIT_INI_ENTRY
{
    std::string strKey;
    std::string strValue;
    std::string strComment;
    int nSchemaFileID = -1;  // a resource that holds the scheme text, -1 when the file holds it
};

class CKTSyntaxEditIniReader
{
public:
    using Entries = std::vector<KT_EDIT_INI_ENTRY>;
    using Sections = std::vector<std::pair<std::string, Entries>>;

    // Every section in file order, read in one pass; a name may come twice.
    static Sections ReadSections(const std::string& file);
    static std::vector<std::string> GetSectionNames(const std::string& file);
    // The lines of the first section of that name, in file order; names compare without case.
    static Entries ReadSection(const std::string& section, const std::string& file);
    static KT_EDIT_INI_ENTRY ParseEntry(const std::string& line);
    static const KT_EDIT_INI_ENTRY* FindByKey(const Entries& entries, const std::string& key);
    static const KT_EDIT_INI_ENTRY* FindByValue(const Entries& entries, const std::string& value);
};
