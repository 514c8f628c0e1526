// XmlConfig.h: the configuration reader: parses XML into a tree of tags with expat.
//
// Classes: CXmlTag, CXmlConfig.
#pragma once

#include "XmlStream.h"

#include <afx.h>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

// One element: its name, attributes in document order, the character data
// directly inside it and its child elements. Text is in the 8-bit code page.
class CXmlTag
{
public:
    explicit CXmlTag(const CString& name);

    const CString& GetName() const { return m_name; }
    const CString& GetText() const { return m_text; }

    int GetAttributeCount() const { return static_cast<int>(m_attributes.size()); }
    const CString& GetAttributeName(int index) const { return m_attributes[index].first; }
    const CString& GetAttributeValue(int index) const { return m_attributes[index].second; }
    // The value of the named attribute, or nullptr when it is missing.
    const char* FindAttribute(const char* name) const;

    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    const CXmlTag& GetChild(int index) const { return *m_children[index]; }
    // The first child of that name, or nullptr.
    const CXmlTag* FindChild(const char* name) const;

    void ReserveAttributes(int count);
    void AddAttribute(const CString& name, const CString& value);
    void AppendText(const CString& text);
    CXmlTag& AddChild(const CString& name);

private:
    CString m_name;
    CString m_text;
    std::vector<std::pair<CString, CString>> m_attributes;
    std::vector<std::unique_ptr<CXmlTag>> m_children;
};

// Parses one document. After a failure GetRoot() is nullptr, GetErrorText()
// says what went wrong (with line and column for a parse error, and the path
// for a file) and the same text has gone to the log.
class CXmlConfig
{
public:
    static const int kMaxDepth = CXmlStream::kMaxDepth;
    static const std::size_t kMaxInput = CXmlStream::kMaxInput;

    int ParseFile(const char* path);
    int ParseText(const char* text, std::size_t length);

    const CXmlTag* GetRoot() const { return m_root.get(); }
    const CString& GetErrorText() const { return m_errorText; }

private:
    int Finish(int result, const CXmlStream& stream, std::unique_ptr<CXmlTag> root);

    std::unique_ptr<CXmlTag> m_root;
    CString m_errorText;
};
