#pragma once
// Small string tools. White space is what C isspace accepts, plus NUL.
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace Utils {

// Every delimiter ends a field; empty fields are kept, and the text after the
// last delimiter is always the last field ("" gives one empty field).
std::vector<std::string> Split(const std::string& text, char delimiter);

void Trim(std::string& text);
void TrimLeft(std::string& text);
void TrimRight(std::string& text);
// Length of the text without its trailing white space; -1 when nothing else is left.
int64_t FindLastNotSpace(const std::string& text);

std::string ToLower(std::string text);
std::string ToUpper(std::string text);
std::wstring ToLowerW(std::wstring text);
std::wstring ToUpperW(std::wstring text);

// Replaces every occurrence of from, left to right, going on after the inserted
// text; an empty from changes nothing.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);
std::string Reverse(std::string text);
std::string RepeatChar(size_t count, char c);
// Doubles every backslash (WMI-style object paths).
std::string EscapeBackslashes(const std::string& text);
std::wstring EscapeBackslashes(const std::wstring& text);

// Asks until the answer is "y" or "n" (empty means "n") or the input fails;
// true only for "y".
bool AskYesNo(const std::string& question, std::istream& in = std::cin, std::ostream& out = std::cout);
// The text, then a line of "-" as long as its UTF-8 character count, then a blank line.
void PrintUnderlined(const std::string& text, std::ostream& out);

}
