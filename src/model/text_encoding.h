// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

bool IsValidUtf8(const std::string& text);

// Older project files hold names as raw Windows-1252 bytes; this turns such text into UTF-8.
std::string Windows1252ToUtf8(const std::string& text);

// A name as an XML attribute value that any parser reads back unchanged: "&", "<", ">" and
// the double quote as entities, TAB, LF, CR and non-ASCII characters as numeric character
// references; control characters that XML does not allow at all are left out. Plain ASCII
// names come out unchanged.
std::string EscapeXmlAttribute(const std::string& utf8);

}  // namespace voltaris
