// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace voltaris {

// The language of the texts the program does not write itself: Qt's standard buttons ("Ja",
// "Abbrechen") and its file, input and print dialogs, and the system's error texts that Qt
// passes on. Voltaris speaks German whatever the desktop's locale; a choice of language would
// be made here. Returns false when Qt's German translation file is not installed: those texts
// then stay English and the program runs on.
bool InstallGermanTexts(QCoreApplication& application);

}  // namespace voltaris
