#include "text.h"

#include <algorithm>
#include <cstring>

namespace handvia {

namespace {

const char replacement[] = "\xEF\xBF\xBD";

// Length of the well-formed sequence at text[pos], or 0 when the byte starts none.
size_t sequenceLength(const std::string &text, size_t pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead == 0)
        return 0; // text travels as C strings, where a NUL would cut it short
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::string repairUtf8(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = sequenceLength(text, pos);
        if (length == 0) {
            out += replacement;
            ++pos;
        } else {
            out.append(text, pos, length);
            pos += length;
        }
    }
    return out;
}

bool isValidUtf8(const std::string &text)
{
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = sequenceLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

void copyToBuffer(const std::string &text, char *buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    size_t count = std::min(text.size(), static_cast<size_t>(size) - 1);
    // Back off over continuation bytes so the cut falls between characters.
    while (count > 0 && count < text.size()
           && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80)
        --count;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

bool isSafeFileName(const std::string &name)
{
    if (name.empty() || name.size() > 255 || name == "." || name == "..")
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':')
            return false;
    }
    return isValidUtf8(name);
}

std::string escapeTitle(const std::string &title)
{
    std::string out;
    for (char c : title) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string unescapeTitle(const std::string &title)
{
    std::string out;
    for (size_t i = 0; i < title.size();) {
        if (title.compare(i, 4, "&lt;") == 0) {
            out += '<';
            i += 4;
        } else if (title.compare(i, 4, "&gt;") == 0) {
            out += '>';
            i += 4;
        } else {
            out += title[i++];
        }
    }
    return out;
}

std::string baseTitle(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace handvia
