#include "visibletext.h"

#include <cstdio>

namespace VisibleText {

namespace {

void AddHex(std::string& out, const char* format, unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

// The length of the well-formed UTF-8 sequence at the start of `text` and
// its code point, or 0 when it is not one.
std::size_t Utf8Sequence(std::string_view text, unsigned* codePoint)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned value = 0;
    unsigned minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

} // namespace

std::string Of(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            out += text[i++];
            continue;
        }
        if (byte < 0x80) {
            static const char* const named = "\a\b\t\n\v\f\r\x1b";
            static const char* const letters = "abtnvfre";
            bool done = false;
            for (int k = 0; k < 8 && !done; ++k) {
                if (text[i] == named[k]) {
                    out += '\\';
                    out += letters[k];
                    done = true;
                }
            }
            if (!done)
                AddHex(out, "\\x%02X", byte);
            ++i;
            continue;
        }
        unsigned codePoint = 0;
        const std::size_t length = Utf8Sequence(text.substr(i), &codePoint);
        if (length == 0) {
            AddHex(out, "\\x%02X", byte);
            ++i;
        } else if (codePoint <= 0x9F) {
            AddHex(out, "\\u%04X", codePoint);
            i += length;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace VisibleText
