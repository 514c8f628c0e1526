// XmlStream.h: runs expat over a file or a text and hands each element to a handler as it is read.
//
// Classes: CXmlStream, CXmlStream::Handler.
#pragma once

#include <afx.h>

#include <cstddef>
#include <memory>

struct XML_ParserStruct;

// The reader's result codes.
enum XmlConfigError
{
    XCFG_OK = 0,
    XCFG_ERROR_OPEN = 1,       // the file cannot be opened
    XCFG_ERROR_READ = 2,       // reading the file failed
    XCFG_ERROR_PARSE = 3,      // the text is not well-formed XML
    XCFG_ERROR_MEMORY = 4,     // memory ran out, or the parser could not be made
    XCFG_ERROR_DEPTH = 5,      // elements nested deeper than the reader allows
    XCFG_ERROR_CHARACTER = 6,  // a character outside the 8-bit code page
    XCFG_ERROR_SIZE = 7        // the input is larger than the reader allows
};

// Refuses document type declarations, nesting deeper than kMaxDepth and
// input over kMaxInput. A handler may stop the parse with one of the codes.
class CXmlStream
{
public:
    static const int kMaxDepth = 256;
    static const std::size_t kMaxInput = 256u * 1024u * 1024u;

    // Names, attributes and text come as expat gives them: UTF-8.
    class Handler
    {
    public:
        virtual void OnStart(CXmlStream& stream, const char* name, const char** attributes) = 0;
        virtual void OnEnd(CXmlStream& stream) = 0;
        virtual void OnText(CXmlStream& stream, const char* text, int length) = 0;

    protected:
        ~Handler() = default;
    };

    explicit CXmlStream(Handler& handler);
    ~CXmlStream();
    CXmlStream(const CXmlStream&) = delete;
    CXmlStream& operator=(const CXmlStream&) = delete;

    // Each returns XCFG_OK or the failure's code; GetErrorText() then says
    // what went wrong, with line and column for a parse error or a stop, and
    // the path for a file.
    int ParseFile(const char* path);
    int ParseText(const char* text, std::size_t length);
    const CString& GetErrorText() const { return m_errorText; }

    // Called by a handler: ends the parse with this code and text.
    void Stop(int code, const char* text);
    // The text with " at line L, column C" of the place being read.
    CString Located(const CString& text) const;

private:
    static void OnStartElement(void* self, const char* name, const char** attributes);
    static void OnEndElement(void* self, const char* name);
    static void OnCharacters(void* self, const char* text, int length);
    static void OnDoctype(void* self, const char*, const char*, const char*, int);
    template <class Action>
    void Guard(Action action);
    int Feed(const char* data, std::size_t length, bool final);
    int Result(int status);
    int Fail(int code, const CString& text);

    struct ParserDeleter
    {
        void operator()(XML_ParserStruct* parser) const;
    };

    Handler& m_handler;
    std::unique_ptr<XML_ParserStruct, ParserDeleter> m_parser;
    int m_depth = 0;
    int m_error = 0;
    CString m_errorText;
};
