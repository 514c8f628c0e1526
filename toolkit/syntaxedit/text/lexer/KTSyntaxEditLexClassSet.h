// The lex classes of one schema as read, and the two class trees built
// from them: the full tree and the background tree without the classes
// parsed only on screen.
// Defines: CKTSyntaxEditLexClassSet.
#pragma once

#include <string>
#include <vector>

#include "KTSyntaxEditLexClass.h"

class CKTSyntaxEditLexClassSet
{
public:
    using List = CKTSyntaxEditLexClass::List;

    bool Load(const CKTSyntaxEditLexClassInfoArray& infos);
    bool BuildClassTrees();
    void CopyTo(CKTSyntaxEditLexClassSet& target) const;
    void RemoveAll();
    const List& GetAllClasses() const { return m_arAll; }
    const List& GetClassTree(bool background) const { return background ? m_arBackground : m_arFull; }
    List& GetClassTree(bool background) { return background ? m_arBackground : m_arFull; }
    CKTSyntaxEditLexClass::Ptr FindClass(const std::string& name) const;
    // Whether any class begins its blocks where an earlier block began.
    bool StartsByClassAlone() const;
    static CKTSyntaxEditLexClass::Ptr FindClassByID(const List& classes, int id);

private:
    List GetChildClasses(const CKTSyntaxEditLexClass* cls, bool& self) const;
    List GetDynChildClasses(const CKTSyntaxEditLexClass& cls, bool& self) const;
    int IsDynParentName(const std::string& name, const CKTSyntaxEditLexClass& cls,
                        std::vector<const CKTSyntaxEditLexClass*>& visited) const;
    void CollectClassNames(const CKTSyntaxEditLexClass& cls, std::vector<std::string>& names) const;
    // The full tree below a copy of source; the background tree is copied from it.
    void Instantiate(CKTSyntaxEditLexClass& parent, const CKTSyntaxEditLexClass& source, std::vector<std::string>& path,
                     int& nextID);

    List m_arAll;         // as read
    List m_arBackground;  // top classes without the on-screen-only ones
    List m_arFull;        // top classes
};
