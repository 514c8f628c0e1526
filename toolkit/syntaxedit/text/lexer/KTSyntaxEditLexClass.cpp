// Lex classes: filling from descriptions, attributes, copies and finishing.
#include "KTSyntaxEditLexClass.h"

#include <algorithm>
#include <cstdlib>

#include "KTLexStrings.h"

namespace
{

const char* const kPropertyNames[] = {"previous:class",
                                      "previous:tag",
                                      "previous:tag:separators",
                                      "start:class",
                                      "start:tag",
                                      "end:class",
                                      "end:tag",
                                      "end:separators",
                                      "token:tag",
                                      "token:start:separators",
                                      "token:end:separators",
                                      "skip:tag",
                                      "_active_tags"};

CKTSyntaxEditLexClass::Group GroupOf(int prop)
{
    if (prop <= CKTSyntaxEditLexClass::ktPrevTagSep)
        return CKTSyntaxEditLexClass::ktGroupPrevious;
    if (prop <= CKTSyntaxEditLexClass::ktStartTag)
        return CKTSyntaxEditLexClass::ktGroupStart;
    if (prop <= CKTSyntaxEditLexClass::ktEndSep)
        return CKTSyntaxEditLexClass::ktGroupEnd;
    if (prop <= CKTSyntaxEditLexClass::ktTokenEndSep)
        return CKTSyntaxEditLexClass::ktGroupToken;
    return CKTSyntaxEditLexClass::ktGroupSkip;
}

bool IsQuotedValue(const std::string& text, std::string& inner)
{
    std::string trimmed = ktlex::Trim(text);
    inner.clear();
    if (trimmed.size() < 2 || trimmed.front() != '\'' || trimmed.back() != '\'')
        return false;
    inner = trimmed.substr(1, trimmed.size() - 2);
    return true;
}

bool IsSpecialValue(const std::string& text)
{
    std::string trimmed = ktlex::Trim(text);
    return trimmed.size() >= 2 && trimmed[0] == '@';
}

// Turns the values of a tag line into string lists, class names and special tokens.
CKTLexValues MakeTagValues(const KT_EDIT_SCHEMAFILEINFO& property)
{
    std::string last = ktlex::Lower(property.arNameParts.back());
    bool tags = last == "tag" || last == "separators";
    CKTLexValues values;
    int openType = CKTSyntaxEditLexValue::ktEmpty;
    for (const std::string& text : property.arValues)
    {
        std::string inner;
        int type = CKTSyntaxEditLexValue::ktEmpty;
        if (tags && IsQuotedValue(text, inner))
            type = CKTSyntaxEditLexValue::ktStrings;
        else if (tags && IsSpecialValue(text))
            type = CKTSyntaxEditLexValue::ktSpecial;
        else if (last == "class" && !IsQuotedValue(text, inner) && !IsSpecialValue(text))
        {
            type = CKTSyntaxEditLexValue::ktString;
            inner = ktlex::Trim(text);
        }
        if (type == CKTSyntaxEditLexValue::ktEmpty)
            continue;
        if (type == CKTSyntaxEditLexValue::ktSpecial)
            values.push_back(CKTSyntaxEditLexValue::MakeSpecialToken(ktlex::Trim(text)));
        else if (type == openType)
            values.back().GetStrings().push_back(inner);
        else
            values.push_back(type == CKTSyntaxEditLexValue::ktStrings
                                 ? CKTSyntaxEditLexValue(std::vector<std::string>{inner})
                                 : CKTSyntaxEditLexValue(inner, CKTSyntaxEditLexValue::ktString));
        openType = type;
    }
    return values;
}

// Colours are written 0xRRGGBB; the system keeps 0x00BBGGRR.
uint32_t SwapRedBlue(uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

bool NoCaseLess(const std::string& a, const std::string& b) { return ktlex::Lower(a) < ktlex::Lower(b); }

}  // namespace

void KT_EDIT_LEXSTYLE::Overlay(const KT_EDIT_LEXSTYLE& other)
{
    if (other.clrText != ktNoColor)
        clrText = other.clrText;
    if (other.clrBack != ktNoColor)
        clrBack = other.clrBack;
    if (other.clrSelText != ktNoColor)
        clrSelText = other.clrSelText;
    if (other.clrSelBack != ktNoColor)
        clrSelBack = other.clrSelBack;
    if (other.nWeight != 255)
        nWeight = other.nWeight;
    if (other.nItalic != 255)
        nItalic = other.nItalic;
    if (other.nUnderline != 255)
        nUnderline = other.nUnderline;
}

bool KT_EDIT_LEXSTYLE::operator==(const KT_EDIT_LEXSTYLE& o) const
{
    return clrText == o.clrText && clrBack == o.clrBack && clrSelText == o.clrSelText && clrSelBack == o.clrSelBack &&
           nWeight == o.nWeight && nItalic == o.nItalic && nUnderline == o.nUnderline;
}

int CKTSyntaxEditLexClass::PropertyIndex(const std::string& name)
{
    for (int i = 0; i < ktPropCount; ++i)
        if (ktlex::EqualsNoCase(name, kPropertyNames[i]))
            return i;
    return -1;
}

bool CKTSyntaxEditLexClass::SetProperty(const KT_EDIT_SCHEMAFILEINFO& property)
{
    if (property.arNameParts.empty())
        return false;
    bool handled = false;
    if (!SetParentChildren(property, handled))
        return false;
    if (handled)
        return true;
    if (!SetTagProperty(property, handled))
        return false;
    if (handled)
        return true;
    SetAttributeFromProperty(property, handled);
    return handled;
}

bool CKTSyntaxEditLexClass::SetParentChildren(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled)
{
    const std::vector<std::string>& parts = property.arNameParts;
    if (ktlex::EqualsNoCase(parts[0], "parent"))
    {
        int kind = ktParentNamed;
        if (parts.size() > 1)
            kind = ktlex::EqualsNoCase(parts[1], "file")  ? ktParentFile
                   : ktlex::EqualsNoCase(parts[1], "dyn") ? ktParentDyn
                                                          : ktParentNone;
        if (kind == ktParentNone)
            return false;
        m_nParentKind = kind;
        m_arParentNames.insert(m_arParentNames.end(), property.arValues.begin(), property.arValues.end());
        handled = true;
        return true;
    }
    if (ktlex::EqualsNoCase(parts[0], "children"))
    {
        if (property.arValues.empty() || ktlex::Trim(property.arValues[0]) == "0")
        {
            m_nChildrenKind = ktChildrenNone;
        }
        else
        {
            m_nChildrenKind = ktChildrenList;
            m_arChildrenNames.insert(m_arChildrenNames.end(), property.arValues.begin(), property.arValues.end());
        }
        handled = true;
    }
    return true;
}

bool CKTSyntaxEditLexClass::SetTagProperty(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled)
{
    int prop = PropertyIndex(ktlex::Join(property.arNameParts, ":"));
    if (prop < 0)
        return true;
    CKTLexValues values = MakeTagValues(property);
    CKTLexValues& target = m_props[prop].values;
    target.insert(target.end(), values.begin(), values.end());
    // The working tag list belongs to no group; Finish builds it again anyway.
    if (prop != ktActiveTags)
        m_bGroupEmpty[GroupOf(prop)] = false;
    handled = true;
    return true;
}

void CKTSyntaxEditLexClass::SetAttributeFromProperty(const KT_EDIT_SCHEMAFILEINFO& property, bool& handled)
{
    std::string name = ktlex::Lower(ktlex::Join(property.arNameParts, ":"));
    const std::vector<std::string>& values = property.arValues;
    std::string inner;
    // Quotes come off before the name decides, so 'this' compares as this.
    if (values.size() >= 2)
    {
        SetAttribute(name, CKTSyntaxEditLexValue(values));
    }
    else if (values.size() == 1 && IsQuotedValue(values[0], inner))
    {
        SetAttribute(name, CKTSyntaxEditLexValue(std::vector<std::string>{inner}));
    }
    else if (values.size() == 1 && name == "end:class:parent")
    {
        SetAttribute(name, CKTSyntaxEditLexValue(values));
    }
    else
    {
        std::string text = values.empty() ? std::string() : ktlex::Trim(values[0]);
        uint32_t number = uint32_t(std::strtoul(text.c_str(), nullptr, 0));
        if (ktlex::StartsWithNoCase(name, "txt:color"))
            number = SwapRedBlue(number);
        SetAttribute(name, CKTSyntaxEditLexValue(int(number)));
    }
    handled = true;
}

void CKTSyntaxEditLexClass::SetAttribute(const std::string& name, const CKTSyntaxEditLexValue& value)
{
    m_mapAttributes[ktlex::Lower(name)] = value;
}

void CKTSyntaxEditLexClass::RemoveAttributes(const std::string& prefix)
{
    for (auto it = m_mapAttributes.begin(); it != m_mapAttributes.end();)
        it = ktlex::StartsWithNoCase(it->first, prefix) ? m_mapAttributes.erase(it) : std::next(it);
}

const CKTSyntaxEditLexValue* CKTSyntaxEditLexClass::GetAttribute(const std::string& name, bool inherit) const
{
    auto it = m_mapAttributes.find(ktlex::Lower(name));
    if (it != m_mapAttributes.end())
        return &it->second;
    return (inherit && m_pParent) ? m_pParent->GetAttribute(name, true) : nullptr;
}

bool CKTSyntaxEditLexClass::GetAttributeBool(const std::string& name, bool inherit, bool def) const
{
    const CKTSyntaxEditLexValue* value = GetAttribute(name, inherit);
    return value ? value->GetInt() != 0 : def;
}

int CKTSyntaxEditLexClass::GetAttributeInt(const std::string& name, bool inherit, int def) const
{
    const CKTSyntaxEditLexValue* value = GetAttribute(name, inherit);
    return (value && value->GetType() == CKTSyntaxEditLexValue::ktInt) ? value->GetInt() : def;
}

void CKTSyntaxEditLexClass::CacheAttributes()
{
    m_bCaseSensitive = GetAttributeInt("CaseSensitive", true, 0) > 0;
    m_bCollapsable = GetAttributeInt("Collapsable", false, 0) > 0;
    m_bRestartRunLoop = GetAttributeBool("RestartRunLoop", false, true);
    m_bEndClassParentThis = false;
    const CKTSyntaxEditLexValue* ecp = GetAttribute("End:Class:Parent", false);
    if (ecp && ecp->GetType() == CKTSyntaxEditLexValue::ktStrings)
        for (const std::string& s : ecp->GetStrings())
            m_bEndClassParentThis = m_bEndClassParentThis || ktlex::EqualsNoCase(ktlex::Trim(s), "this");

    m_style = KT_EDIT_LEXSTYLE();
    const std::pair<const char*, uint32_t KT_EDIT_LEXSTYLE::*> colors[] = {
        {"txt:colorFG", &KT_EDIT_LEXSTYLE::clrText},
        {"txt:colorBK", &KT_EDIT_LEXSTYLE::clrBack},
        {"txt:colorSelFG", &KT_EDIT_LEXSTYLE::clrSelText},
        {"txt:colorSelBK", &KT_EDIT_LEXSTYLE::clrSelBack}};
    for (const auto& color : colors)
    {
        const CKTSyntaxEditLexValue* value = GetAttribute(color.first, true);
        if (value && value->GetType() == CKTSyntaxEditLexValue::ktInt)
            m_style.*color.second = uint32_t(value->GetInt());
    }
    int bold = GetAttributeInt("txt:Bold", true, 0);
    m_style.nWeight = bold ? 700 : 255;
    m_style.nItalic = GetAttributeInt("txt:Italic", true, 0) ? 1 : 255;
    m_style.nUnderline = GetAttributeInt("txt:Underline", true, 0) ? 1 : 255;
}

bool CKTSyntaxEditLexClass::GetPropertyValue(const std::string& name, CKTSyntaxEditLexValue& value) const
{
    if (ktlex::EqualsNoCase(name, "name"))
    {
        value = CKTSyntaxEditLexValue(m_strName, CKTSyntaxEditLexValue::ktString);
        return true;
    }
    int prop = PropertyIndex(name);
    if (prop >= 0 && m_props[prop].TakesPart())
    {
        value = CKTSyntaxEditLexValue(m_props[prop].values);
        return true;
    }
    if (m_nParentKind == ktParentFile && ktlex::StartsWithNoCase(name, "IsExt="))
    {
        value = CKTSyntaxEditLexValue(MatchesFileType(name.substr(6)) ? 1 : 0);
        return true;
    }
    return false;
}

const CKTSyntaxEditLexProperty* CKTSyntaxEditLexClass::GetProperty(const std::string& name) const
{
    int prop = PropertyIndex(name);
    return prop >= 0 ? &m_props[prop] : nullptr;
}

bool CKTSyntaxEditLexClass::MatchesFileType(const std::string& fileType) const
{
    for (const std::string& ext : m_arExtensions)
        if (ktlex::EqualsNoCase(ext, ktlex::Trim(fileType)))
            return true;
    return false;
}

CKTSyntaxEditLexClass* CKTSyntaxEditLexClass::FindParent(const std::string& name) const
{
    if (!m_pParent)
        return nullptr;
    return ktlex::EqualsNoCase(m_pParent->m_strName, name) ? m_pParent : m_pParent->FindParent(name);
}

bool CKTSyntaxEditLexClass::AddChild(const Ptr& child, bool secondKind)
{
    if (!child)
        return false;
    if (child.GetInterface() == this)
    {
        bool added = !m_bSelf;
        m_bSelf = true;
        return added;
    }
    child->m_pParent = this;
    (secondKind ? m_arChildren2 : m_arChildren).push_back(child);
    return true;
}

void CKTSyntaxEditLexClass::CopyFrom(const CKTSyntaxEditLexClass& source)
{
    m_strName = source.m_strName;
    m_nParentKind = source.m_nParentKind;
    m_arParentNames = source.m_arParentNames;
    m_nChildrenKind = source.m_nChildrenKind;
    m_arChildrenNames = source.m_arChildrenNames;
    for (int i = 0; i < ktPropCount; ++i)
        m_props[i].values = source.m_props[i].values;
    std::copy(std::begin(source.m_bGroupEmpty), std::end(source.m_bGroupEmpty), m_bGroupEmpty);
    m_mapAttributes = source.m_mapAttributes;
    m_arChildren.clear();
    m_arChildren2.clear();
    m_bSelf = false;
}

void CKTSyntaxEditLexClass::Close()
{
    m_arChildren.clear();
    m_arChildren2.clear();
    m_bSelf = false;
    for (CKTSyntaxEditLexProperty& property : m_props)
        property = CKTSyntaxEditLexProperty();
    std::fill(std::begin(m_bGroupEmpty), std::end(m_bGroupEmpty), true);
    m_mapAttributes.clear();
    m_pParent = nullptr;
}

CKTSyntaxEditLexClass::Ptr CKTSyntaxEditLexClass::Clone() const
{
    Ptr copy = KTMakeCounted<CKTSyntaxEditLexClass>();
    copy->CopyFrom(*this);
    return copy;
}

void CKTSyntaxEditLexClass::SortTagValues(Prop prop, bool ascending)
{
    std::vector<std::string> strings;
    CKTLexValues others;
    bool anyStrings = false;
    for (const CKTSyntaxEditLexValue& value : m_props[prop].values)
    {
        if (value.GetType() == CKTSyntaxEditLexValue::ktStrings)
        {
            anyStrings = true;
            strings.insert(strings.end(), value.GetStrings().begin(), value.GetStrings().end());
        }
        else
        {
            others.push_back(value);
        }
    }
    if (anyStrings)
    {
        if (m_bCaseSensitive)
            std::stable_sort(strings.begin(), strings.end());
        else
            std::stable_sort(strings.begin(), strings.end(), NoCaseLess);
        if (!ascending)
            std::reverse(strings.begin(), strings.end());
        others.insert(others.begin(), CKTSyntaxEditLexValue(std::move(strings)));
    }
    m_props[prop].values = std::move(others);
}

void CKTSyntaxEditLexClass::AppendActiveTags(const CKTLexValues& values)
{
    CKTLexValues& active = m_props[ktActiveTags].values;
    for (const CKTSyntaxEditLexValue& value : values)
        if (std::find(active.begin(), active.end(), value) == active.end())
            active.push_back(value);
}

void CKTSyntaxEditLexClass::BuildActiveTags()
{
    m_props[ktActiveTags].values.clear();
    AppendActiveTags(m_props[ktStartTag].values);
    if (!m_props[ktStartTag].TakesPart())
    {
        AppendActiveTags(m_props[ktPrevTag].values);
        AppendActiveTags(m_props[ktPrevTagSep].values);
    }
    AppendActiveTags(m_props[ktTokenTag].values);
    for (const List* list : {&m_arChildren, &m_arChildren2})
        for (const Ptr& child : *list)
            AppendActiveTags(child->m_props[ktActiveTags].values);
    AppendActiveTags(m_props[ktSkipTag].values);
    AppendActiveTags(m_props[ktEndTag].values);
    AppendActiveTags(m_props[ktEndSep].values);
}

void CKTSyntaxEditLexClass::Finish()
{
    CacheAttributes();
    for (const List* list : {&m_arChildren, &m_arChildren2})
        for (const Ptr& child : *list)
            child->Finish();
    m_arExtensions.clear();
    std::string pattern = m_arParentNames.empty() ? std::string() : ktlex::Trim(m_arParentNames[0]);
    if (m_nParentKind == ktParentFile && pattern.size() >= 2 && pattern.front() == '<' && pattern.back() == '>')
    {
        for (std::string piece : ktlex::Split(pattern.substr(1, pattern.size() - 2), '|'))
        {
            piece.erase(std::remove(piece.begin(), piece.end(), '*'), piece.end());
            m_arExtensions.push_back(ktlex::Trim(piece));
        }
    }
    for (int prop = 0; prop < ktActiveTags; ++prop)
        SortTagValues(Prop(prop), false);
    BuildActiveTags();
    SortTagValues(ktActiveTags, true);
    m_props[ktActiveTags].table.Build(m_props[ktActiveTags].values, true);
    m_props[ktTokenTag].table.Build(m_props[ktTokenTag].values, !m_bCaseSensitive);
    BuildCharacterSets();
}
