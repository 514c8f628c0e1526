// CodeText.cpp: a text buffer for generated sources: tab indentation and a chosen line end.
#include "CodeText.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace codegen
{

namespace
{

std::string FormatList(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatList(format, args);
    va_end(args);
    return text;
}

void CodeText::Line(const std::string& text)
{
    if (!text.empty())
        text_.append(static_cast<std::size_t>(depth_), '\t');
    text_ += text;
    text_ += lineEnd_;
}

void CodeText::Linef(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Line(FormatList(format, args));
    va_end(args);
}

void CodeText::Open(const std::string& text)
{
    Line(text.empty() ? "{" : text + " {");
    ++depth_;
}

void CodeText::Close(const std::string& text)
{
    --depth_;
    Line(text);
}

}  // namespace codegen
