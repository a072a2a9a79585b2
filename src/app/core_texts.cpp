// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace voltaris {

namespace {

constexpr const char* Context = "CoreTexts";

// Texts that the plain C++ parts use as they stand. Listed for the translation tools; the
// lookup itself goes by the text.
[[maybe_unused]] constexpr const char* FixedTexts[] = {
    // Questions and input boxes of the project and tab commands.
    QT_TRANSLATE_NOOP("CoreTexts", "Soll das aktuelle Projekt gespeichert werden, bevor ein neues erstellt wird?"),
    QT_TRANSLATE_NOOP("CoreTexts", "Soll das aktuelle Projekt gespeichert werden, bevor ein anderes geöffnet wird?"),
    QT_TRANSLATE_NOOP("CoreTexts", "Soll das aktuelle Projekt gespeichert werden, bevor das Programm beendet wird?"),
    QT_TRANSLATE_NOOP("CoreTexts", "Soll das Tab wirklich gelöscht werden?"),
    QT_TRANSLATE_NOOP("CoreTexts", "Projekt umbennennen"),
    QT_TRANSLATE_NOOP("CoreTexts", "Bitte geben Sie einen neuen Namen für das Projekt ein:"),
    QT_TRANSLATE_NOOP("CoreTexts", "Tab umbennennen"),
    QT_TRANSLATE_NOOP("CoreTexts", "Bitte geben Sie einen neuen Namen für das Tab ein:"),
    // Reading a project file, and the reasons the file reader gives.
    QT_TRANSLATE_NOOP("CoreTexts", "Die Datei enthält keine Tabs (Elemente \"feld\")."),
    QT_TRANSLATE_NOOP("CoreTexts", "kein Fehler"),
    QT_TRANSLATE_NOOP("CoreTexts", "Datei nicht gefunden"),
    QT_TRANSLATE_NOOP("CoreTexts", "Lesefehler"),
    QT_TRANSLATE_NOOP("CoreTexts", "nicht genug Arbeitsspeicher"),
    QT_TRANSLATE_NOOP("CoreTexts", "interner Fehler beim Lesen"),
    QT_TRANSLATE_NOOP("CoreTexts", "unbekannte Markierung nach \"<\""),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhafte Deklaration oder Verarbeitungsanweisung (\"<?\")"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhafter Kommentar"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhafter CDATA-Abschnitt"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhafte Dokumenttyp-Angabe"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhafter Text zwischen den Elementen"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhaftes Start-Tag"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhaftes Attribut"),
    QT_TRANSLATE_NOOP("CoreTexts", "fehlerhaftes End-Tag"),
    QT_TRANSLATE_NOOP("CoreTexts", "End-Tag passt nicht zum Start-Tag"),
    QT_TRANSLATE_NOOP("CoreTexts", "Knoten an dieser Stelle nicht erlaubt"),
    QT_TRANSLATE_NOOP("CoreTexts", "kein Wurzelelement gefunden"),
    QT_TRANSLATE_NOOP("CoreTexts", "unbekannter Fehler beim Lesen"),
    // The system's reasons, in the wording the C library's German catalogue uses.
    QT_TRANSLATE_NOOP("CoreTexts", "Datei oder Verzeichnis nicht gefunden"),
    QT_TRANSLATE_NOOP("CoreTexts", "Keine Berechtigung"),
    QT_TRANSLATE_NOOP("CoreTexts", "Die Operation ist nicht erlaubt"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ist ein Verzeichnis"),
    QT_TRANSLATE_NOOP("CoreTexts", "Ist kein Verzeichnis"),
    QT_TRANSLATE_NOOP("CoreTexts", "Auf dem Gerät ist kein Speicherplatz mehr verfügbar"),
    QT_TRANSLATE_NOOP("CoreTexts", "Der zugewiesene Plattenplatz (Quota) ist überschritten"),
    QT_TRANSLATE_NOOP("CoreTexts", "Das Dateisystem ist nur lesbar"),
    QT_TRANSLATE_NOOP("CoreTexts", "Der Dateiname ist zu lang"),
    QT_TRANSLATE_NOOP("CoreTexts", "Zu viele offene Dateien"),
    QT_TRANSLATE_NOOP("CoreTexts", "Eingabe-/Ausgabefehler"),
    // Help.
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Die Datei \"Facharbeit.pdf\" konnte in diesem Ordner nicht gefunden werden.\r\n"
                      "Soll die Datei aus dem Internet heruntergeladen werden?"),
    // Picture export.
    QT_TRANSLATE_NOOP("CoreTexts", "Unbekanntes Format - Das Bild konnte nicht gespeichert werden."),
    // Row titles of the charge table.
    QT_TRANSLATE_NOOP("CoreTexts", "Q in [C]"),
    QT_TRANSLATE_NOOP("CoreTexts", "Q in [e]"),
    QT_TRANSLATE_NOOP("CoreTexts", "Radius in [m]"),
    QT_TRANSLATE_NOOP("CoreTexts", "X-Pos in [m]"),
    QT_TRANSLATE_NOOP("CoreTexts", "Y-Pos in [m]"),
};

// A composed text: "%1", "%2", … stand for the parts; "%n" for a count that decides between
// singular and plural in the translation. `reasonPart` names the part that is itself a core
// text (a reason, or a list of counted items separated by ", "); 0: none.
struct Pattern {
    const char* german;
    int reasonPart;
};

const Pattern Patterns[] = {
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Leider kann die Ladung nicht erstellt werden. Es können maximal %1 Ladungen erstellt werden."),
     0},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Leider kann das Tab nicht erstellt werden. Es können maximal %1 Tabs erstellt werden."),
     0},
    {QT_TRANSLATE_NOOP("CoreTexts", "Die Datei %1 ist keine gültige Projektdatei (Zeile %2): %3."), 3},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Die Datei enthält mehr, als ein Projekt aufnehmen kann (höchstens 20 Tabs, 20 Ladungen und "
                       "3 Teilchen je Tab). Nicht geladen wurden: %1."),
     1},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 Tab"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 Tabs"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 Ladung"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 Ladungen"), 0},
    {QT_TRANSLATE_N_NOOP("CoreTexts", "%n Teilchen"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "Die Datei %1 kann nicht gelesen werden: %2"), 2},
    {QT_TRANSLATE_NOOP("CoreTexts", "Datei %1 kann nicht erstellt werden"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "Systemfehler Nummer %1"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "Die Daten konnten nicht unter \"%1\" gespeichert werden: %2"), 2},
    {QT_TRANSLATE_NOOP("CoreTexts", "Das Koordinatensystem ist %1m im Quadrat"), 0},
    {QT_TRANSLATE_NOOP("CoreTexts", "Ladung %1"), 0},
};

const QRegularExpression PlaceholderExpression(QStringLiteral("%(\\d|n)"));

// A pattern turned into a regular expression, and its placeholders in the order they appear.
struct Matcher {
    const Pattern* pattern;
    QRegularExpression expression;
    QStringList placeholders;  // "1", "2", "n"
};

const std::vector<Matcher>& Matchers() {
    static const std::vector<Matcher> matchers = [] {
        std::vector<Matcher> list;
        for (const Pattern& pattern : Patterns) {
            const QString german = QString::fromUtf8(pattern.german);
            QString expression;
            QStringList placeholders;
            qsizetype from = 0;
            for (const QRegularExpressionMatch& m : PlaceholderExpression.globalMatch(german)) {
                expression += QRegularExpression::escape(german.mid(from, m.capturedStart() - from)) + "(.*?)";
                placeholders << m.captured(1);
                from = m.capturedEnd();
            }
            expression += QRegularExpression::escape(german.mid(from));
            list.push_back(
                {&pattern, QRegularExpression(QRegularExpression::anchoredPattern(expression)), placeholders});
        }
        return list;
    }();
    return matchers;
}

// Puts each part in place of its placeholder in one pass, so that a part containing "%2"
// stays as it is.
QString FillIn(const QString& pattern, const QHash<QString, QString>& parts) {
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : PlaceholderExpression.globalMatch(pattern)) {
        out += pattern.mid(from, m.capturedStart() - from);
        out += parts.value(m.captured(1), m.captured(0));
        from = m.capturedEnd();
    }
    return out + pattern.mid(from);
}

QString TranslatedReason(const QString& reason) {
    QStringList items = reason.split(QStringLiteral(", "));
    for (QString& item : items) item = TranslatedCoreText(item.toStdString());
    return items.join(QStringLiteral(", "));
}

}  // namespace

QString TranslatedCoreText(const std::string& german) {
    const QString text = QString::fromStdString(german);
    const QString fixed = QCoreApplication::translate(Context, german.c_str());
    if (fixed != text) return fixed;
    for (const Matcher& matcher : Matchers()) {
        const QRegularExpressionMatch match = matcher.expression.match(text);
        if (!match.hasMatch()) continue;
        QHash<QString, QString> parts;
        int count = -1;
        for (qsizetype i = 0; i < matcher.placeholders.size(); ++i) {
            const QString& name = matcher.placeholders[i];
            QString part = match.captured(static_cast<int>(i) + 1);
            if (name == QString::number(matcher.pattern->reasonPart)) part = TranslatedReason(part);
            if (name == QLatin1String("n")) count = part.toInt();
            parts.insert(name, part);
        }
        const QString translated = QCoreApplication::translate(Context, matcher.pattern->german, nullptr, count);
        return FillIn(translated, parts);
    }
    return text;
}

}  // namespace voltaris
