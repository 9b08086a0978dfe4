#include "xmlvalues.h"

#include "xmltags.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace handvia {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string trimmed(const std::string &text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Decimal, or unsigned 0x hexadecimal, from -2^63 to 2^64 - 1 as the library holds them.
bool integerKept(const std::string &raw)
{
    const std::string text = trimmed(raw);
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        at = 1;
    const bool hex = text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0;
    if (hex && at > 0)
        return false;
    if (hex)
        at += 2;
    else if (text.size() > at + 1 && text[at] == '0')
        return false; // the library reads a leading zero as octal
    if (at == text.size())
        return false;
    const int base = hex ? 16 : 10;
    uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0 || value > (UINT64_MAX - static_cast<uint64_t>(digit)) / base)
            return false;
        value = value * base + static_cast<uint64_t>(digit);
    }
    return !negative || value <= (uint64_t(1) << 63);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// [+-] digits [. digits] [e [+-] digits], or infinity or nan in any case.
bool isRealText(const std::string &text)
{
    size_t at = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const std::string word = text.substr(at);
    for (const char *special : {"inf", "infinity", "nan"}) {
        if (strcasecmp(word.c_str(), special) == 0)
            return true;
    }
    size_t digits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        ++digits;
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && isDigit(text[at]); ++at)
            ++digits;
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        const size_t exponent = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        if (at == exponent)
            return false;
    }
    return at == text.size();
}

bool realKept(const std::string &raw)
{
    const std::string text = trimmed(raw);
    if (!isRealText(text))
        return false;
    // The library reads with atof, in this process's locale, where a decimal comma cuts "1.5".
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    if (!cLocale)
        return false;
    const double asRead = std::atof(text.c_str());
    const double meant = strtod_l(text.c_str(), nullptr, cLocale);
    return std::memcmp(&asRead, &meant, sizeof meant) == 0
            || (std::isnan(asRead) && std::isnan(meant));
}

// Exactly YYYY-MM-DDTHH:MM:SSZ, a real day of a year from 1 to 9999.
bool dateKept(const std::string &text)
{
    const char pattern[] = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != sizeof pattern - 1)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] == 'd' ? !isDigit(text[i]) : text[i] != pattern[i])
            return false;
    }
    const auto number
            = [&](size_t at, size_t count) { return std::atoi(text.substr(at, count).c_str()); };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1]
            && number(11, 2) < 24 && number(14, 2) < 60 && number(17, 2) < 60;
}

bool isBase64(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '+' || c == '/';
}

// Base64 with white space anywhere and padding only at the end.
bool dataKept(const std::string &text)
{
    size_t count = 0, padding = 0;
    for (const char c : text) {
        if (isSpace(c))
            continue;
        if (c == '=')
            ++padding;
        else if (padding > 0 || !isBase64(c))
            return false;
        ++count;
    }
    return count % 4 == 0 && padding <= 2;
}

// The value element named name whose opening tag ends at close, up to its closing tag.
bool valueKept(const std::string &bytes, size_t close, const std::string &name)
{
    if (bytes[close - 1] == '/')
        return name == "data"; // empty: the library makes 0 or a date of its own of the others
    const size_t end = bytes.find('<', close);
    if (end == std::string::npos || !startsWithAt(bytes, end, ("</" + name).c_str()))
        return false; // a comment or a section inside: not read as plain text
    const char after = end + 2 + name.size() < bytes.size() ? bytes[end + 2 + name.size()] : '\0';
    if (after != '>' && !isSpace(after))
        return false;
    const std::string text = bytes.substr(close + 1, end - close - 1);
    if (name == "integer")
        return integerKept(text);
    if (name == "real")
        return realKept(text);
    if (name == "date")
        return dateKept(text);
    return dataKept(text);
}

} // namespace

bool xmlValuesReadExactly(const std::string &bytes)
{
    bool kept = true;
    forEachXmlTag(bytes, [&](size_t at, size_t close) {
        size_t nameEnd = at + 1;
        while (nameEnd < close && !isSpace(bytes[nameEnd]) && bytes[nameEnd] != '/')
            ++nameEnd;
        const std::string name = bytes.substr(at + 1, nameEnd - at - 1);
        if (name == "integer" || name == "real" || name == "date" || name == "data")
            kept = valueKept(bytes, close, name);
        return kept;
    });
    return kept;
}

} // namespace handvia
