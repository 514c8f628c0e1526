// XmlStream.cpp: expat's callbacks forwarded to a handler, guarded, with the reader's limits.
#include "XmlStream.h"

#include "model/OutOfMemory.h"

#include <expat.h>

#include <cstdio>

namespace
{

const std::size_t kChunk = 64 * 1024;

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void CXmlStream::ParserDeleter::operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }

CXmlStream::CXmlStream(Handler& handler) : m_handler(handler), m_parser(XML_ParserCreate(nullptr))
{
    if (!m_parser)
        return;
    XML_SetUserData(m_parser.get(), this);
    XML_SetElementHandler(m_parser.get(), OnStartElement, OnEndElement);
    XML_SetCharacterDataHandler(m_parser.get(), OnCharacters);
    XML_SetStartDoctypeDeclHandler(m_parser.get(), OnDoctype);
}

CXmlStream::~CXmlStream() = default;

// No exception may cross the C library: a failure inside a handler stops the parse.
template <class Action>
void CXmlStream::Guard(Action action)
{
    if (m_error == XCFG_OK && RanOutOfMemory(action))
        Stop(XCFG_ERROR_MEMORY, "out of memory");
}

void CXmlStream::OnStartElement(void* self, const char* name, const char** attributes)
{
    CXmlStream& stream = *static_cast<CXmlStream*>(self);
    if (++stream.m_depth > kMaxDepth)
        return stream.Stop(XCFG_ERROR_DEPTH, "elements nested too deeply");
    stream.Guard([&]() { stream.m_handler.OnStart(stream, name, attributes); });
}

void CXmlStream::OnEndElement(void* self, const char*)
{
    CXmlStream& stream = *static_cast<CXmlStream*>(self);
    --stream.m_depth;
    stream.Guard([&]() { stream.m_handler.OnEnd(stream); });
}

void CXmlStream::OnCharacters(void* self, const char* text, int length)
{
    CXmlStream& stream = *static_cast<CXmlStream*>(self);
    stream.Guard([&]() { stream.m_handler.OnText(stream, text, length); });
}

void CXmlStream::OnDoctype(void* self, const char*, const char*, const char*, int)
{
    static_cast<CXmlStream*>(self)->Stop(XCFG_ERROR_PARSE, "document type declarations are not accepted");
}

// Called from inside the parser, so it must not throw even when memory is short.
void CXmlStream::Stop(int code, const char* text)
{
    if (m_error != XCFG_OK)
        return;
    m_error = code;
    if (RanOutOfMemory([&]() { m_errorText = text; }))
        m_error = XCFG_ERROR_MEMORY;
    XML_StopParser(m_parser.get(), XML_FALSE);
}

CString CXmlStream::Located(const CString& text) const
{
    CString where;
    where.Format(" at line %lu, column %lu", static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser.get())),
                 static_cast<unsigned long>(XML_GetCurrentColumnNumber(m_parser.get()) + 1));
    return text + where;
}

int CXmlStream::Feed(const char* data, std::size_t length, bool final)
{
    return Result(XML_Parse(m_parser.get(), data, static_cast<int>(length), final));
}

// The code of a parse step's status; a failure keeps the first reason, located.
int CXmlStream::Result(int status)
{
    if (status != XML_STATUS_ERROR)
        return XCFG_OK;
    if (m_error == XCFG_OK)
    {
        const XML_Error code = XML_GetErrorCode(m_parser.get());
        m_error = code == XML_ERROR_NO_MEMORY ? XCFG_ERROR_MEMORY : XCFG_ERROR_PARSE;
        m_errorText = XML_ErrorString(code);
    }
    m_errorText = Located(m_errorText);
    return m_error;
}

int CXmlStream::Fail(int code, const CString& text)
{
    m_error = code;
    m_errorText = text;
    return code;
}

int CXmlStream::ParseText(const char* text, std::size_t length)
{
    if (length > kMaxInput)
        return Fail(XCFG_ERROR_SIZE, "the text is too large");
    if (!m_parser)
        return Fail(XCFG_ERROR_MEMORY, "the XML parser cannot be created");
    for (std::size_t done = 0; m_error == XCFG_OK;)
    {
        const std::size_t part = length - done < kChunk ? length - done : kChunk;
        const bool final = done + part == length;
        const int result = Feed(text + done, part, final);
        if (result != XCFG_OK || final)
            return result;
        done += part;
    }
    return m_error;
}

// Reads the file in chunks straight into the parser's own buffer, so that a
// large file is never held whole nor copied on its way.
int CXmlStream::ParseFile(const char* path)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return Fail(XCFG_ERROR_OPEN, CString("cannot open ") + path);
    if (!m_parser)
        return Fail(XCFG_ERROR_MEMORY, "the XML parser cannot be created");
    for (std::size_t total = 0;;)
    {
        void* buffer = XML_GetBuffer(m_parser.get(), static_cast<int>(kChunk));
        const std::size_t got = buffer == nullptr ? 0 : std::fread(buffer, 1, kChunk, file.get());
        if (std::ferror(file.get()))
            return Fail(XCFG_ERROR_READ, CString("cannot read ") + path);
        total += got;
        if (total > kMaxInput)
            return Fail(XCFG_ERROR_SIZE, CString("the file is too large: ") + path);
        const bool final = got < kChunk;
        const int status =
            buffer == nullptr ? XML_STATUS_ERROR : XML_ParseBuffer(m_parser.get(), static_cast<int>(got), final);
        if (Result(status) != XCFG_OK)
            return Fail(m_error, CString(path) + ": " + m_errorText);
        if (final)
            return XCFG_OK;
    }
}
