// XmlConfig.cpp: builds the tag tree from expat's element and character-data callbacks.
#include "XmlConfig.h"

#include "XmlLog.h"

#include <expat.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

const std::size_t kChunk = 64 * 1024;

// Expat hands out UTF-8; the model keeps 8-bit text, so each character must
// lie in U+0000..U+00FF and becomes that one byte.
bool Utf8ToCodePage(const char* text, std::size_t length, CString* out)
{
    std::size_t ascii = 0;
    while (ascii < length && static_cast<unsigned char>(text[ascii]) < 0x80)
        ++ascii;
    if (ascii == length) {
        *out = CString(text, static_cast<int>(length));
        return true;
    }
    std::string bytes;
    bytes.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            continue;
        }
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= length)
            return false;
        const unsigned char next = static_cast<unsigned char>(text[++i]);
        bytes += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    }
    *out = CString(bytes.c_str(), static_cast<int>(bytes.size()));
    return true;
}

struct ParserDeleter
{
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

// Receives expat's callbacks and grows the tree; any failure inside a callback
// stops the parser instead of letting an exception cross the C library.
class TreeBuilder
{
public:
    TreeBuilder()
        : m_parser(XML_ParserCreate(nullptr)), m_error(XCFG_OK)
    {
        if (!m_parser)
            return;
        XML_SetUserData(m_parser.get(), this);
        XML_SetElementHandler(m_parser.get(), OnStart, OnEnd);
        XML_SetCharacterDataHandler(m_parser.get(), OnText);
        XML_SetStartDoctypeDeclHandler(m_parser.get(), OnDoctype);
    }

    bool IsValid() const { return m_parser != nullptr; }

    // Returns XCFG_OK or the code of the failure, whose text ErrorText() gives.
    int Feed(const char* data, std::size_t length, bool final)
    {
        if (XML_Parse(m_parser.get(), data, static_cast<int>(length), final) != XML_STATUS_ERROR)
            return XCFG_OK;
        if (m_error == XCFG_OK) {
            m_error = XCFG_ERROR_PARSE;
            m_errorText = XML_ErrorString(XML_GetErrorCode(m_parser.get()));
        }
        return m_error;
    }

    CString ErrorText() const
    {
        CString where;
        where.Format(" at line %lu, column %lu",
                     static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser.get())),
                     static_cast<unsigned long>(XML_GetCurrentColumnNumber(m_parser.get()) + 1));
        return m_errorText + where;
    }

    std::unique_ptr<CXmlTag> TakeRoot() { return std::move(m_root); }

private:
    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes)
    {
        static_cast<TreeBuilder*>(self)->Guard([&](TreeBuilder& b) { b.Start(name, attributes); });
    }

    static void XMLCALL OnEnd(void* self, const XML_Char*)
    {
        TreeBuilder& builder = *static_cast<TreeBuilder*>(self);
        if (builder.m_error == XCFG_OK && !builder.m_open.empty())
            builder.m_open.pop_back();
    }

    static void XMLCALL OnText(void* self, const XML_Char* text, int length)
    {
        static_cast<TreeBuilder*>(self)->Guard([&](TreeBuilder& b) { b.Text(text, length); });
    }

    static void XMLCALL OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int)
    {
        static_cast<TreeBuilder*>(self)->Stop(XCFG_ERROR_PARSE, "document type declarations are not accepted");
    }

    template <class Action>
    void Guard(Action action)
    {
        if (m_error != XCFG_OK)
            return;
        try {
            action(*this);
        } catch (const std::bad_alloc&) {
            Stop(XCFG_ERROR_MEMORY, "out of memory");
        }
    }

    void Start(const XML_Char* name, const XML_Char** attributes)
    {
        if (m_open.size() >= static_cast<std::size_t>(CXmlConfig::kMaxDepth))
            return Stop(XCFG_ERROR_DEPTH, "elements nested too deeply");
        CString tagName;
        if (!Convert(name, &tagName))
            return;
        CXmlTag* tag = nullptr;
        if (m_open.empty()) {
            m_root.reset(new CXmlTag(tagName));
            tag = m_root.get();
        } else {
            tag = &m_open.back()->AddChild(tagName);
        }
        m_open.push_back(tag);
        int count = 0;
        while (attributes[count] != nullptr)
            count += 2;
        tag->ReserveAttributes(count / 2);
        for (int i = 0; attributes[i] != nullptr; i += 2) {
            CString attributeName, value;
            if (!Convert(attributes[i], &attributeName) || !Convert(attributes[i + 1], &value))
                return;
            tag->AddAttribute(attributeName, value);
        }
    }

    void Text(const XML_Char* text, int length)
    {
        CString converted;
        if (!m_open.empty() && Utf8ToCodePage(text, static_cast<std::size_t>(length), &converted))
            m_open.back()->AppendText(converted);
        else if (!m_open.empty())
            Stop(XCFG_ERROR_CHARACTER, "a character outside the 8-bit code page");
    }

    bool Convert(const XML_Char* text, CString* out)
    {
        if (Utf8ToCodePage(text, std::strlen(text), out))
            return true;
        Stop(XCFG_ERROR_CHARACTER, "a character outside the 8-bit code page");
        return false;
    }

    void Stop(int code, const char* text)
    {
        if (m_error != XCFG_OK)
            return;
        m_error = code;
        m_errorText = text;
        XML_StopParser(m_parser.get(), XML_FALSE);
    }

    std::unique_ptr<XML_ParserStruct, ParserDeleter> m_parser;
    std::unique_ptr<CXmlTag> m_root;
    std::vector<CXmlTag*> m_open;       // the elements not yet closed, innermost last
    int m_error;
    CString m_errorText;
};

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

CXmlTag::CXmlTag(const CString& name)
    : m_name(name)
{
}

const char* CXmlTag::FindAttribute(const char* name) const
{
    for (const auto& attribute : m_attributes) {
        if (std::strcmp(attribute.first, name) == 0)
            return attribute.second;
    }
    return nullptr;
}

const CXmlTag* CXmlTag::FindChild(const char* name) const
{
    for (const auto& child : m_children) {
        if (std::strcmp(child->GetName(), name) == 0)
            return child.get();
    }
    return nullptr;
}

void CXmlTag::ReserveAttributes(int count)
{
    m_attributes.reserve(static_cast<std::size_t>(count));
}

void CXmlTag::AddAttribute(const CString& name, const CString& value)
{
    m_attributes.emplace_back(name, value);
}

void CXmlTag::AppendText(const CString& text)
{
    m_text += text;
}

CXmlTag& CXmlTag::AddChild(const CString& name)
{
    m_children.emplace_back(new CXmlTag(name));
    return *m_children.back();
}

int CXmlConfig::Fail(int code, const CString& text)
{
    m_root.reset();
    m_errorText = text;
    XmlLog(text);
    return code;
}

int CXmlConfig::ParseText(const char* text, std::size_t length)
{
    m_root.reset();
    m_errorText.Empty();
    if (length > kMaxInput)
        return Fail(XCFG_ERROR_SIZE, "the text is too large");
    TreeBuilder builder;
    if (!builder.IsValid())
        return Fail(XCFG_ERROR_MEMORY, "the XML parser cannot be created");
    for (std::size_t done = 0;;) {
        const std::size_t part = length - done < kChunk ? length - done : kChunk;
        const bool final = done + part == length;
        const int result = builder.Feed(text + done, part, final);
        if (result != XCFG_OK)
            return Fail(result, builder.ErrorText());
        done += part;
        if (final)
            break;
    }
    m_root = builder.TakeRoot();
    return XCFG_OK;
}

int CXmlConfig::ParseFile(const char* path)
{
    m_root.reset();
    m_errorText.Empty();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return Fail(XCFG_ERROR_OPEN, CString("cannot open ") + path);
    TreeBuilder builder;
    if (!builder.IsValid())
        return Fail(XCFG_ERROR_MEMORY, "the XML parser cannot be created");
    std::vector<char> buffer(kChunk);
    std::size_t total = 0;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (std::ferror(file.get()))
            return Fail(XCFG_ERROR_READ, CString("cannot read ") + path);
        total += got;
        if (total > kMaxInput)
            return Fail(XCFG_ERROR_SIZE, CString("the file is too large: ") + path);
        const bool final = got < buffer.size();
        const int result = builder.Feed(buffer.data(), got, final);
        if (result != XCFG_OK)
            return Fail(result, CString(path) + ": " + builder.ErrorText());
        if (final)
            break;
    }
    m_root = builder.TakeRoot();
    return XCFG_OK;
}
