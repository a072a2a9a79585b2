// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// German texts for files that cannot be read or written: the XML reader's complaints and the
// system's error texts.
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace voltaris {

// "Die Datei PATH ist keine gültige Projektdatei (Zeile N): REASON." for text that the XML
// reader refused; the line is counted up to the byte where the reader stopped.
std::string NotAProjectFileMessage(const std::string& path, std::string_view text,
                                   const pugi::xml_parse_result& parsed);

// What the XML reader's status means, as a German phrase ("End-Tag passt nicht zum Start-Tag").
std::string_view XmlStatusText(pugi::xml_parse_status status);

// The line (from 1) that holds byte `offset` of `text`.
int LineAtOffset(std::string_view text, std::ptrdiff_t offset);

// The system's text for an errno value in German: the C library's own translation when the
// system has a German locale, otherwise our German wording of the common causes.
std::string SystemErrorText(int errorNumber);

}  // namespace voltaris
