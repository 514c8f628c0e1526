// Small string helpers of the lexer: case folding, trimming, splitting, joining.
#pragma once

#include <string>
#include <vector>

namespace ktlex
{

inline char ToLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
inline char ToUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string Lower(std::string text);
bool EqualsNoCase(const std::string& a, const std::string& b);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
// Trims spaces, tabs and line ends.
std::string Trim(const std::string& text);
std::vector<std::string> Split(const std::string& text, char separator);
std::string Join(const std::vector<std::string>& parts, const std::string& separator);
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);

}  // namespace ktlex
