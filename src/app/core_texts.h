// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string>

namespace voltaris {

// The plain C++ parts of the program (model, file reading and writing, export) have no Qt and
// compose their messages, questions and labels in German. The window shows each such text in
// the interface's language: a fixed text is looked up as it stands; a composed one is matched
// against the pattern it was built from, and its parts (a number, a file name, a nested reason)
// are put into the translated pattern, the reasons translated in turn. A text no pattern knows
// is shown unchanged.
QString TranslatedCoreText(const std::string& german);

}  // namespace voltaris
