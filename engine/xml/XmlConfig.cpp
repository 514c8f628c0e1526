// XmlConfig.cpp: builds the tag tree from expat's element and character-data callbacks.
#include "XmlConfig.h"

#include "CodePage.h"
#include "XmlLog.h"

#include <cstring>

namespace
{

// Grows the tree from the stream's elements.
class TreeBuilder : public CXmlStream::Handler
{
public:
    void OnStart(CXmlStream& stream, const char* name, const char** attributes) override
    {
        CString tagName;
        if (!Convert(stream, name, &tagName))
            return;
        CXmlTag* tag = nullptr;
        if (m_open.empty())
        {
            m_root.reset(new CXmlTag(tagName));
            tag = m_root.get();
        }
        else
        {
            tag = &m_open.back()->AddChild(tagName);
        }
        m_open.push_back(tag);
        int count = 0;
        while (attributes[count] != nullptr)
            count += 2;
        tag->ReserveAttributes(count / 2);
        for (int i = 0; attributes[i] != nullptr; i += 2)
        {
            CString attributeName, value;
            if (!Convert(stream, attributes[i], &attributeName) || !Convert(stream, attributes[i + 1], &value))
                return;
            tag->AddAttribute(attributeName, value);
        }
    }

    void OnEnd(CXmlStream&) override
    {
        if (!m_open.empty())
            m_open.pop_back();
    }

    void OnText(CXmlStream& stream, const char* text, int length) override
    {
        CString converted;
        if (m_open.empty())
            return;
        if (Utf8ToCodePage(text, static_cast<std::size_t>(length), &converted))
            m_open.back()->AppendText(converted);
        else
            stream.Stop(XCFG_ERROR_CHARACTER, "a character outside the 8-bit code page");
    }

    std::unique_ptr<CXmlTag> TakeRoot() { return std::move(m_root); }

private:
    static bool Convert(CXmlStream& stream, const char* text, CString* out)
    {
        if (Utf8ToCodePage(text, std::strlen(text), out))
            return true;
        stream.Stop(XCFG_ERROR_CHARACTER, "a character outside the 8-bit code page");
        return false;
    }

    std::unique_ptr<CXmlTag> m_root;
    std::vector<CXmlTag*> m_open;  // the elements not yet closed, innermost last
};

}  // namespace

CXmlTag::CXmlTag(const CString& name) : m_name(name) {}

const char* CXmlTag::FindAttribute(const char* name) const
{
    for (const auto& attribute : m_attributes)
    {
        if (std::strcmp(attribute.first, name) == 0)
            return attribute.second;
    }
    return nullptr;
}

const CXmlTag* CXmlTag::FindChild(const char* name) const
{
    for (const auto& child : m_children)
    {
        if (std::strcmp(child->GetName(), name) == 0)
            return child.get();
    }
    return nullptr;
}

void CXmlTag::ReserveAttributes(int count) { m_attributes.reserve(static_cast<std::size_t>(count)); }

void CXmlTag::AddAttribute(const CString& name, const CString& value) { m_attributes.emplace_back(name, value); }

void CXmlTag::AppendText(const CString& text) { m_text += text; }

CXmlTag& CXmlTag::AddChild(const CString& name)
{
    m_children.emplace_back(new CXmlTag(name));
    return *m_children.back();
}

// Keeps the tree of a parse that succeeded; logs the failure of one that did not.
int CXmlConfig::Finish(int result, const CXmlStream& stream, std::unique_ptr<CXmlTag> root)
{
    m_root.reset();
    m_errorText.Empty();
    if (result == XCFG_OK)
    {
        m_root = std::move(root);
        return XCFG_OK;
    }
    m_errorText = stream.GetErrorText();
    XmlLog(m_errorText);
    return result;
}

int CXmlConfig::ParseText(const char* text, std::size_t length)
{
    TreeBuilder builder;
    CXmlStream stream(builder);
    const int result = stream.ParseText(text, length);
    return Finish(result, stream, builder.TakeRoot());
}

int CXmlConfig::ParseFile(const char* path)
{
    TreeBuilder builder;
    CXmlStream stream(builder);
    const int result = stream.ParseFile(path);
    return Finish(result, stream, builder.TakeRoot());
}
