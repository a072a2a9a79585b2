// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QCoreApplication;

namespace voltaris {

// The language of the interface. German is the program's own: its texts are the source texts,
// and English comes from the translation compiled into the program. The choice lasts for the
// run; nothing is stored.
enum class InterfaceLanguage { German, English };

// "de" or "en" as given after --lang; nothing for any other text.
std::optional<InterfaceLanguage> LanguageFromCode(const QString& code);

// English when the system's first user-interface language is English, German otherwise.
InterfaceLanguage SystemInterfaceLanguage();

// Switches the whole interface: first the number style (so that the texts recomposed next show
// the right separator), then the program's texts and Qt's own (standard buttons, file, input and
// print dialogs, the system's error texts that Qt passes on). Every widget then receives
// QEvent::LanguageChange and sets its texts again. Returns false when a translation file is
// missing (Qt's German qtbase_de.qm is a system file): those texts stay in their source language
// and the program runs on.
bool SetInterfaceLanguage(InterfaceLanguage language);
InterfaceLanguage CurrentInterfaceLanguage();

// The German interface the application starts with: SetInterfaceLanguage(German). Returns
// false when Qt's German translation file is not installed.
bool InstallGermanTexts(QCoreApplication& application);

// The help documents to look for, best first: the English handbook before the German guide
// when the interface is English.
std::vector<std::string> HelpFileNames();

// A message of the model for the error box, in the interface language: the conversion error
// "'<text>' ist kein gültiger Gleitkommawert" is translated with its text; anything else is
// shown as it comes.
QString InterfaceErrorText(const std::string& message);

}  // namespace voltaris
