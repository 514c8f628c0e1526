// Text schema: building from descriptions, copies, file classes and themes.
#include "KTSyntaxEditLexTextSchema.h"

#include <cstdlib>

#include "KTLexStrings.h"

CKTSyntaxEditLexTextSchema::CKTSyntaxEditLexTextSchema(std::string name)
    : m_strName(std::move(name)),
      m_ptrBlockPool(KTMakeCounted<CKTSyntaxEditLexBlockPool>(sizeof(CKTSyntaxEditLexTextBlock)))
{
}

bool CKTSyntaxEditLexTextSchema::LoadClasses(const CKTSyntaxEditLexClassInfoArray& infos)
{
    std::lock_guard<std::timed_mutex> classes(m_classLock);
    DropParseResults();
    bool loaded = m_classes.Load(infos);
    m_bNestedChain = !m_classes.StartsByClassAlone();
    return loaded;
}

CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditLexTextSchema::Clone() const
{
    std::lock_guard<std::timed_mutex> classes(m_classLock);
    return CopyClasses();
}

// The class lock is held.
CKTSyntaxEditLexTextSchema::Ptr CKTSyntaxEditLexTextSchema::CopyClasses() const
{
    Ptr copy = KTMakeCounted<CKTSyntaxEditLexTextSchema>(m_strName);
    m_classes.CopyTo(copy->m_classes);
    copy->m_bNestedChain = m_bNestedChain.load();
    return copy;
}

CKTSyntaxEditLexClass::Ptr CKTSyntaxEditLexTextSchema::FindFileClass(const std::string& fileType) const
{
    std::lock_guard<std::timed_mutex> classes(m_classLock);
    for (const CKTSyntaxEditLexClass::Ptr& top : m_classes.GetClassTree(false))
    {
        CKTSyntaxEditLexValue answer;
        if (top->GetPropertyValue("IsExt=" + fileType, answer) && answer.GetType() == CKTSyntaxEditLexValue::ktInt &&
            answer.GetInt() != 0)
            return top;
    }
    return CKTSyntaxEditLexClass::Ptr();
}

void CKTSyntaxEditLexTextSchema::ApplyThemeTo(const CKTSyntaxEditLexClass::List& classes, const KTLexThemeLookup& theme)
{
    for (const CKTSyntaxEditLexClass::Ptr& cls : classes)
    {
        ApplyThemeTo(cls->GetChildren(), theme);
        ApplyThemeTo(cls->GetChildrenOfSecondKind(), theme);
        // The scheme's own "txt:" values come back before a theme overrides them.
        if (CKTSyntaxEditLexClass::Ptr own = m_classes.FindClass(cls->GetName()))
        {
            cls->RemoveAttributes("txt:");
            for (const auto& attribute : own->GetAttributes())
                if (ktlex::StartsWithNoCase(attribute.first, "txt:"))
                    cls->SetAttribute(attribute.first, attribute.second);
        }
        const std::map<std::string, std::string>* values = theme ? theme(cls->GetName()) : nullptr;
        if (!values)
            continue;
        for (const auto& entry : *values)
        {
            uint32_t number = uint32_t(std::strtoul(entry.second.c_str(), nullptr, 16));
            if (ktlex::StartsWithNoCase(entry.first, "txt:color"))
                number = ((number & 0xFF) << 16) | (number & 0xFF00) | ((number >> 16) & 0xFF);
            cls->SetAttribute(entry.first, CKTSyntaxEditLexValue(int(number)));
        }
    }
}

void CKTSyntaxEditLexTextSchema::ApplyTheme(const KTLexThemeLookup& theme)
{
    std::lock_guard<std::timed_mutex> classes(m_classLock);
    auto data = LockData();
    for (bool background : {false, true})
    {
        ApplyThemeTo(m_classes.GetClassTree(background), theme);
        for (const CKTSyntaxEditLexClass::Ptr& top : m_classes.GetClassTree(background))
            top->Finish();  // children cache inherited colours from their parents
    }
}

CKTSyntaxEditLexTextSchema::CBreak::CBreak(CKTSyntaxEditLexTextSchema& schema) : m_schema(schema)
{
    std::lock_guard<std::mutex> lock(m_schema.m_breakLock);
    if (m_schema.m_nBreaks++ == 0)
        m_schema.m_bBreak = true;
}

CKTSyntaxEditLexTextSchema::CBreak::~CBreak()
{
    std::lock_guard<std::mutex> lock(m_schema.m_breakLock);
    if (--m_schema.m_nBreaks == 0)
        m_schema.m_bBreak = false;
}
