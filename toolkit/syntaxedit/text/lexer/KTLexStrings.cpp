// Small string helpers of the lexer.
#include "KTLexStrings.h"

namespace ktlex
{

std::string Lower(std::string text)
{
    for (char& c : text)
        c = ToLower(c);
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToLower(a[i]) != ToLower(b[i]))
            return false;
    return true;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;)
    {
        size_t at = text.find(separator, start);
        if (at == std::string::npos)
        {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i)
    {
        if (i)
            joined += separator;
        joined += parts[i];
    }
    return joined;
}

// Builds a new text rather than replacing in place, which moved the rest
// of the text for every match.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    std::string result;
    size_t done = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, done))
    {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    if (done == 0)
        return;
    result.append(text, done, std::string::npos);
    text.swap(result);
}

}  // namespace ktlex
