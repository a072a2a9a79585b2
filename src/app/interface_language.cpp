// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "app/core_texts.h"
#include "model/number_format.h"
#include "output/help_links.h"

namespace voltaris {
namespace {

InterfaceLanguage current = InterfaceLanguage::German;

// Both translators live as long as the application and are installed or removed on a switch.
QTranslator* QtGermanTexts() {
    static QTranslator* translator = [] {
        auto* loaded = new QTranslator(QCoreApplication::instance());
        if (!loaded->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete loaded;
            return static_cast<QTranslator*>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

// The English of the program's own texts, compiled into its resources by the build.
QTranslator* ProgramEnglishTexts() {
    static QTranslator* translator = [] {
        auto* loaded = new QTranslator(QCoreApplication::instance());
        if (!loaded->load(":/i18n/voltaris_en.qm")) {
            delete loaded;
            return static_cast<QTranslator*>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

// The model's conversion error: "'" + text + "' ist kein gültiger Gleitkommawert".
constexpr std::string_view ConversionErrorEnd = "' ist kein gültiger Gleitkommawert";

}  // namespace

std::optional<InterfaceLanguage> LanguageFromCode(const QString& code) {
    if (code == "de") return InterfaceLanguage::German;
    if (code == "en") return InterfaceLanguage::English;
    return std::nullopt;
}

InterfaceLanguage SystemInterfaceLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty()) return InterfaceLanguage::German;
    return QLocale(languages.first()).language() == QLocale::English ? InterfaceLanguage::English
                                                                      : InterfaceLanguage::German;
}

bool SetInterfaceLanguage(InterfaceLanguage language) {
    const bool english = language == InterfaceLanguage::English;
    current = language;
    SetInterfaceNumberStyle(english ? NumberStyle::DecimalPoint : NumberStyle::DecimalComma);
    // What Qt formats itself follows the same style.
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                : QLocale(QLocale::German, QLocale::Germany));
    // Qt falls back to strerror for the file errors it has no text of its own for; the C
    // library answers in the locale's language (German when the system has it, else English).
#ifdef LC_MESSAGES  // Windows has no such category; its C library knows English texts only
    std::setlocale(LC_MESSAGES, english ? "C.UTF-8" : "de_DE.UTF-8");
#endif

    // Qt's sources are English: the English interface needs no translation of Qt's texts.
    QTranslator* const wanted = english ? ProgramEnglishTexts() : QtGermanTexts();
    QTranslator* const other = english ? QtGermanTexts() : ProgramEnglishTexts();
    if (other) QCoreApplication::removeTranslator(other);
    if (!wanted) return false;
    // Qt would list a translator twice when it is installed twice (choosing the current
    // language again).
    QCoreApplication::removeTranslator(wanted);
    return QCoreApplication::installTranslator(wanted);
}

InterfaceLanguage CurrentInterfaceLanguage() { return current; }

bool InstallGermanTexts(QCoreApplication& application) {
    return SetInterfaceLanguage(InterfaceLanguage::German);
}

std::vector<std::string> HelpFileNames() {
    if (current == InterfaceLanguage::English) return {EnglishHelpFileName, HelpFileName};
    return {HelpFileName};
}

QString InterfaceErrorText(const std::string& message) {
    const std::string_view text = message;
    if (text.size() >= ConversionErrorEnd.size() + 1 && text.front() == '\'' && text.ends_with(ConversionErrorEnd)) {
        const std::string_view typed = text.substr(1, text.size() - ConversionErrorEnd.size() - 1);
        return QCoreApplication::translate("NumberFormat", "'%1' ist kein gültiger Gleitkommawert")
            .arg(QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size())));
    }
    return TranslatedCoreText(message);
}

}  // namespace voltaris
