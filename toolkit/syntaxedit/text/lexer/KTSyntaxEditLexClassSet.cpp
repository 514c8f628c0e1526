// The lex classes of one schema and the two class trees built from them.
#include <algorithm>

#include "KTLexStrings.h"
#include "KTSyntaxEditLexClassSet.h"

namespace
{

bool ContainsNoCase(const std::vector<std::string>& names, const std::string& name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return ktlex::EqualsNoCase(ktlex::Trim(n), name); });
}

using Ptr = CKTSyntaxEditLexClass::Ptr;

// Scheme files are user input: classes that contain one another with a high
// "RecurrenceDepth" would grow a tree without practical end, deeper than any
// stack. Real schemes stay far below both limits.
const size_t kMaxTreeDepth = 32;
const int kMaxTreeClasses = 5000;

// A deep copy of a class and its subtree; the background copy leaves out
// the classes parsed only on screen.
Ptr CopySubtree(const CKTSyntaxEditLexClass& source, bool background)
{
    Ptr copy = source.Clone();
    for (bool second : {false, true})
    {
        const CKTSyntaxEditLexClass::List& children = second ? source.GetChildrenOfSecondKind() : source.GetChildren();
        for (const Ptr& child : children)
            if (!background || !child->IsParseOnScreen())
                copy->AddChild(CopySubtree(*child, background), second);
    }
    if (source.HasSelfChild())
        copy->AddChild(copy, false);
    return copy;
}

}  // namespace

void CKTSyntaxEditLexClassSet::RemoveAll()
{
    m_arAll.clear();
    m_arBackground.clear();
    m_arFull.clear();
}

bool CKTSyntaxEditLexClassSet::Load(const CKTSyntaxEditLexClassInfoArray& infos)
{
    RemoveAll();
    for (const KT_EDIT_LEXCLASSINFO& info : infos.arClasses)
    {
        Ptr cls = KTMakeCounted<CKTSyntaxEditLexClass>();
        cls->SetName(ktlex::Trim(info.strName));
        for (const KT_EDIT_SCHEMAFILEINFO& property : info.arProperties)
            cls->SetProperty(property);
        m_arAll.push_back(cls);
    }
    return BuildClassTrees();
}

CKTSyntaxEditLexClass::Ptr CKTSyntaxEditLexClassSet::FindClass(const std::string& name) const
{
    for (const Ptr& cls : m_arAll)
        if (ktlex::EqualsNoCase(cls->GetName(), name))
            return cls;
    return Ptr();
}

CKTSyntaxEditLexClass::List CKTSyntaxEditLexClassSet::GetChildClasses(const CKTSyntaxEditLexClass* cls,
                                                                      bool& self) const
{
    List result;
    self = false;
    if (cls && cls->GetChildrenKind() == CKTSyntaxEditLexClass::ktChildrenNone)
        return result;
    for (const Ptr& m : m_arAll)
    {
        if (!cls)
        {
            if (m->GetParentKind() == CKTSyntaxEditLexClass::ktParentFile)
                result.push_back(m);
            continue;
        }
        if (m->GetParentKind() != CKTSyntaxEditLexClass::ktParentNamed ||
            !ContainsNoCase(m->GetParentNames(), cls->GetName()))
            continue;
        if (cls->GetChildrenKind() == CKTSyntaxEditLexClass::ktChildrenList &&
            !ContainsNoCase(cls->GetChildrenNames(), m->GetName()))
            continue;
        if (m.GetInterface() == cls)
            self = true;
        else
            result.push_back(m);
    }
    return result;
}

// 1 when a class's dynamic parents reach name, 0 when they do not, -1
// without dynamic parents. Each class is visited once, so circles end.
int CKTSyntaxEditLexClassSet::IsDynParentName(const std::string& name, const CKTSyntaxEditLexClass& cls,
                                              std::vector<const CKTSyntaxEditLexClass*>& visited) const
{
    if (cls.GetParentKind() != CKTSyntaxEditLexClass::ktParentDyn)
        return -1;
    if (ContainsNoCase(cls.GetParentNames(), name))
        return 1;
    visited.push_back(&cls);
    for (const std::string& parentName : cls.GetParentNames())
    {
        Ptr parent = FindClass(ktlex::Trim(parentName));
        if (!parent || std::find(visited.begin(), visited.end(), parent.GetInterface()) != visited.end())
            continue;
        if (IsDynParentName(name, *parent, visited) != 0)
            return 1;
    }
    return 0;
}

void CKTSyntaxEditLexClassSet::CollectClassNames(const CKTSyntaxEditLexClass& cls,
                                                 std::vector<std::string>& names) const
{
    if (ContainsNoCase(names, cls.GetName()))
        return;
    names.push_back(cls.GetName());
    for (const std::string& parentName : cls.GetParentNames())
        if (Ptr parent = FindClass(ktlex::Trim(parentName)))
            CollectClassNames(*parent, names);
}

CKTSyntaxEditLexClass::List CKTSyntaxEditLexClassSet::GetDynChildClasses(const CKTSyntaxEditLexClass& cls,
                                                                         bool& self) const
{
    List result;
    self = false;
    if (cls.GetChildrenKind() == CKTSyntaxEditLexClass::ktChildrenNone)
        return result;
    std::vector<std::string> names;
    CollectClassNames(cls, names);
    for (const Ptr& m : m_arAll)
    {
        if (cls.GetChildrenKind() == CKTSyntaxEditLexClass::ktChildrenList &&
            !ContainsNoCase(cls.GetChildrenNames(), m->GetName()))
            continue;
        std::vector<const CKTSyntaxEditLexClass*> visited;
        int r = IsDynParentName(cls.GetName(), *m, visited);
        if (r == 1 && ktlex::EqualsNoCase(m->GetName(), cls.GetName()))
        {
            self = true;
            continue;
        }
        bool add = r == 1;
        for (size_t i = 0; r == 0 && !add && i < names.size(); ++i)
        {
            visited.clear();
            add = IsDynParentName(names[i], *m, visited) != 0;
        }
        if (add)
            result.push_back(m);
    }
    return result;
}

void CKTSyntaxEditLexClassSet::Instantiate(CKTSyntaxEditLexClass& parent, const CKTSyntaxEditLexClass& source,
                                           std::vector<std::string>& path, int& nextID)
{
    for (bool second : {false, true})
    {
        bool self = false;
        List children = second ? GetDynChildClasses(source, self) : GetChildClasses(&source, self);
        if (self)
            parent.AddChild(Ptr(&parent), second);
        for (const Ptr& child : children)
        {
            long count = std::count_if(path.begin(), path.end(),
                                       [&](const std::string& n) { return ktlex::EqualsNoCase(n, child->GetName()); });
            if (count >= child->GetAttributeInt("RecurrenceDepth", false, 1))
                continue;  // cuts classes that contain each other without end
            if (path.size() >= kMaxTreeDepth || nextID > kMaxTreeClasses)
                return;
            path.push_back(child->GetName());
            Ptr copy = child->Clone();
            copy->SetAttribute("ClassID", CKTSyntaxEditLexValue(nextID++));
            parent.AddChild(copy, second);
            Instantiate(*copy, *child, path, nextID);
            path.pop_back();
        }
    }
}

bool CKTSyntaxEditLexClassSet::BuildClassTrees()
{
    m_arFull.clear();
    m_arBackground.clear();
    int nextID = 1;
    bool self = false;
    for (const Ptr& top : GetChildClasses(nullptr, self))
    {
        Ptr copy = top->Clone();
        copy->SetAttribute("ClassID", CKTSyntaxEditLexValue(nextID++));
        std::vector<std::string> path{top->GetName()};
        Instantiate(*copy, *top, path, nextID);
        m_arFull.push_back(copy);
    }
    // The background tree is a copy of the full one, so the two share "ClassID"s.
    for (const Ptr& top : m_arFull)
        if (!top->IsParseOnScreen())
            m_arBackground.push_back(CopySubtree(*top, true));
    for (List* tree : {&m_arFull, &m_arBackground})
        for (const Ptr& top : *tree)
            top->Finish();
    return true;
}

void CKTSyntaxEditLexClassSet::CopyTo(CKTSyntaxEditLexClassSet& target) const
{
    target.RemoveAll();
    for (const Ptr& cls : m_arAll)
        target.m_arAll.push_back(cls->Clone());
    for (bool background : {false, true})
    {
        for (const Ptr& top : GetClassTree(background))
        {
            Ptr copy = CopySubtree(*top, false);
            copy->Finish();
            target.GetClassTree(background).push_back(copy);
        }
    }
}

CKTSyntaxEditLexClass::Ptr CKTSyntaxEditLexClassSet::FindClassByID(const List& classes, int id)
{
    for (const Ptr& cls : classes)
    {
        if (cls->GetAttributeInt("ClassID", false, 0) == id)
            return cls;
        for (const List* list : {&cls->GetChildren(), &cls->GetChildrenOfSecondKind()})
            if (Ptr found = FindClassByID(*list, id))
                return found;
    }
    return Ptr();
}

bool CKTSyntaxEditLexClassSet::StartsByClassAlone() const
{
    return std::any_of(m_arAll.begin(), m_arAll.end(), [](const Ptr& cls) { return cls->StartsByClassAlone(); });
}
