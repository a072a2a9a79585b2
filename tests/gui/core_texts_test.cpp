// SPDX-License-Identifier: GPL-3.0-or-later
// The texts composed by the plain C++ parts reach the window in the interface's language: in
// German exactly as composed, translated with their parts (numbers, names, nested reasons) kept.
#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include "app/core_texts.h"
#include "model/project.h"

using namespace voltaris;

namespace {

// Stands in for a compiled translation: a few patterns of the core texts in English.
class EnglishCoreTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int n) const override {
        if (QByteArray(context) != "CoreTexts") return {};
        const QByteArray text(source);
        if (text == "Die Datei %1 ist keine gültige Projektdatei (Zeile %2): %3.")
            return "The file %1 is not a valid project file (line %2): %3.";
        if (text == "fehlerhaftes Attribut") return "faulty attribute";
        if (text.startsWith("Die Datei enthält mehr") && text.endsWith("%1.")) return "Not loaded: %1.";
        if (text == "%1 Tabs") return "%1 tabs";
        if (text == "%n Teilchen") return n == 1 ? "%n particle" : "%n particles";
        if (text == "Das Koordinatensystem ist %1m im Quadrat") return "The coordinate system is %1 m square";
        return {};
    }
    bool isEmpty() const override { return false; }
};

const std::string BadFile =
    "Die Datei /tmp/50%2 Rabatt.psf ist keine gültige Projektdatei (Zeile 7): fehlerhaftes Attribut.";
const std::string LeftOut =
    "Die Datei enthält mehr, als ein Projekt aufnehmen kann (höchstens 20 Tabs, 20 Ladungen und 3 Teilchen je "
    "Tab). Nicht geladen wurden: 2 Tabs, 1 Ladung, 1 Teilchen.";

}  // namespace

class CoreTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void germanStaysAsComposedAndEnglishKeepsTheParts() {
        const std::string square = SquareSizeLabel(1e-11f);
        for (const std::string& text : {BadFile, LeftOut, square, std::string("Kein bekannter Text: 100%1")}) {
            QCOMPARE(TranslatedCoreText(text), QString::fromStdString(text));
        }

        EnglishCoreTexts english;
        QCoreApplication::installTranslator(&english);
        // A "%2" inside the file name is part of the name, not a place for the line.
        QCOMPARE(TranslatedCoreText(BadFile),
                 QString("The file /tmp/50%2 Rabatt.psf is not a valid project file (line 7): faulty attribute."));
        // Items the translation does not know stay as they are.
        QCOMPARE(TranslatedCoreText(LeftOut), QString("Not loaded: 2 tabs, 1 Ladung, 1 particle."));
        QCOMPARE(TranslatedCoreText(square), QString("The coordinate system is 1E-10 m square"));
        QCoreApplication::removeTranslator(&english);
    }
};

QTEST_MAIN(CoreTextsTest)
#include "core_texts_test.moc"
