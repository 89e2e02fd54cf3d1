#include "Utils/StringTools.h"

#include "Utils/TextConversion.h"

#include <algorithm>
#include <cctype>
#include <cwctype>

namespace Utils {

namespace {

bool IsSpaceOrNul(char c)
{
    return c == '\0' || std::isspace(static_cast<unsigned char>(c));
}

}

std::vector<std::string> Split(const std::string& text, char delimiter)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t pos; (pos = text.find(delimiter, start)) != std::string::npos; start = pos + 1)
        fields.push_back(text.substr(start, pos - start));
    fields.push_back(text.substr(start));
    return fields;
}

void TrimLeft(std::string& text)
{
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), IsSpaceOrNul));
}

void TrimRight(std::string& text)
{
    text.erase(std::find_if_not(text.rbegin(), text.rend(), IsSpaceOrNul).base(), text.end());
}

void Trim(std::string& text)
{
    TrimLeft(text);
    TrimRight(text);
}

int64_t FindLastNotSpace(const std::string& text)
{
    const auto kept = std::find_if_not(text.rbegin(), text.rend(), IsSpaceOrNul).base() - text.begin();
    return kept == 0 ? -1 : static_cast<int64_t>(kept);
}

std::string ToLower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ToUpper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::wstring ToLowerW(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return text;
}

std::wstring ToUpperW(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return text;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    for (size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size())
        text.replace(pos, from.size(), to);
}

std::string Reverse(std::string text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

std::string RepeatChar(size_t count, char c)
{
    return std::string(count, c);
}

namespace {

template <typename String>
String DoubleBackslashes(const String& text)
{
    String out;
    out.reserve(text.size());
    for (const auto c : text) {
        out.push_back(c);
        if (c == '\\')
            out.push_back(c);
    }
    return out;
}

}

std::string EscapeBackslashes(const std::string& text)
{
    return DoubleBackslashes(text);
}

std::wstring EscapeBackslashes(const std::wstring& text)
{
    return DoubleBackslashes(text);
}

bool AskYesNo(const std::string& question, std::istream& in, std::ostream& out)
{
    for (;;) {
        out << question << " [y/N] ? " << std::flush;
        std::string answer;
        if (!std::getline(in, answer))
            return false;
        answer = ToLower(answer);
        if (answer.empty() || answer == "n")
            return false;
        if (answer == "y")
            return true;
    }
}

void PrintUnderlined(const std::string& text, std::ostream& out)
{
    out << text << '\n' << std::string(CountUtf8Chars(text), '-') << "\n\n";
}

}
