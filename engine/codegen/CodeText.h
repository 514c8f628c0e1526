// CodeText.h: a text buffer for generated sources: tab indentation and a chosen line end.
//
// Classes: CodeText.
#pragma once

#include <string>

namespace codegen
{

// Appends whole lines; Open and Close bracket a block one tab deeper.
class CodeText
{
public:
    explicit CodeText(const char* lineEnd = "\r\n") : lineEnd_(lineEnd) {}

    void Line(const std::string& text = std::string());
    // printf-style line, for the many lines that splice names and numbers.
    void Linef(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void Open(const std::string& text);  // "text {" and one level deeper
    void Close(const std::string& text = "}");
    void Indent() { ++depth_; }
    void Outdent() { --depth_; }

    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    const char* lineEnd_;
    int depth_ = 0;
};

// printf-style formatting into a std::string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace codegen
