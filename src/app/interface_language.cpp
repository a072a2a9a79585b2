// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace voltaris {

bool InstallGermanTexts(QCoreApplication& application) {
    // Qt falls back to strerror for the file errors it has no text of its own for; in a German
    // locale the C library answers in German (when the system has one, else nothing changes).
    std::setlocale(LC_MESSAGES, "de_DE.UTF-8");

    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace voltaris
