// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_encoding.h"

#include <cstdint>

namespace voltaris {

namespace {

// Decodes the UTF-8 sequence at `i`; false for a malformed one (then `i` is left alone).
bool DecodeUtf8(const std::string& s, size_t& i, uint32_t& code) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t lead = byte(i);
    int length = 0;
    uint32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    if (i + length > s.size()) return false;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
    return true;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252 bytes 0x80 .. 0x9F; the rest of the upper half is Latin-1. Unassigned bytes
// keep their Latin-1 code point.
constexpr uint16_t HighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t Windows1252CodePoint(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : byte;
}

// The characters of XML 1.0: TAB, LF, CR and everything from the space on, surrogates and
// U+FFFE/U+FFFF excepted.
bool AllowedInXml(uint32_t code) {
    if (code < 0x20) return code == 0x09 || code == 0x0A || code == 0x0D;
    return !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF && code <= 0x10FFFF;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
    uint32_t code;
    for (size_t i = 0; i < text.size();)
        if (!DecodeUtf8(text, i, code)) return false;
    return true;
}

std::string Windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) AppendUtf8(out, Windows1252CodePoint(static_cast<uint8_t>(c)));
    return out;
}

std::string EscapeXmlAttribute(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        uint32_t code;
        if (!DecodeUtf8(utf8, i, code)) code = Windows1252CodePoint(static_cast<uint8_t>(utf8[i++]));
        switch (code) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (!AllowedInXml(code)) break;  // no XML parser would accept it, not even as a reference
                if (code < 0x20 || code >= 0x7F) out += "&#" + std::to_string(code) + ";";
                else out += static_cast<char>(code);
        }
    }
    return out;
}

}  // namespace voltaris
