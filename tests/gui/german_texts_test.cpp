// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the program's dialogs are German, whatever the desktop's locale: the
// standard buttons of the message and input boxes and the labels of the file dialog.
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/interface_language.h"
#include "app/qt_dialogs.h"

using namespace voltaris;

namespace {

QString Plain(QString text) { return text.remove('&'); }

// Runs `look` on the first modal dialog that opens, then closes it with Esc.
void WhenADialogOpens(std::function<void(QWidget*)> look) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        look(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    poll->start(10);
}

}  // namespace

class GermanTextsTest : public QObject {
    Q_OBJECT
    Project project = Project::Initial();
    QtDialogs dialogs{project};

private Q_SLOTS:
    void initTestCase() {
        // Whatever the test machine's locale, the program's choice is what counts.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!InstallGermanTexts(*qApp)) {
            QSKIP("Qt's German translation qtbase_de.qm (Debian package qt6-translations-l10n) is not installed");
        }
    }

    void questionsAndTheInputBoxAnswerInGerman() {
        QStringList buttons;
        WhenADialogOpens([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            for (auto kind : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
                buttons << Plain(box->button(kind)->text());
            }
        });
        QCOMPARE(dialogs.Ask("Soll das Tab wirklich gelöscht werden?", true), Answer::Cancel);
        QCOMPARE(buttons, (QStringList{"Ja", "Nein", "Abbrechen"}));

        buttons.clear();
        WhenADialogOpens([&](QWidget* dialog) {
            auto* box = dialog->findChild<QDialogButtonBox*>();
            QVERIFY(box);
            buttons << Plain(box->button(QDialogButtonBox::Ok)->text())
                    << Plain(box->button(QDialogButtonBox::Cancel)->text());
        });
        QCOMPARE(dialogs.AskText("Tab umbennennen", "Bitte geben Sie einen neuen Namen für das Tab ein:", "Dipol"),
                 std::string("Dipol"));
        QCOMPARE(buttons, (QStringList{"OK", "Abbrechen"}));
    }

    void theSaveDialogNamesItsFieldsInGerman() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureProjectFileDialog(dialog, ProjectDialogKind::Save, QDir::tempPath());
        auto label = [&](const char* name) {
            auto* l = dialog.findChild<QLabel*>(name);
            return l ? Plain(l->text()) : QString("(kein %1)").arg(name);
        };
        QCOMPARE(label("lookInLabel"), QString("Suchen in:"));
        QCOMPARE(label("fileNameLabel"), QString("Dateiname:"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY(buttons);
        QCOMPARE(Plain(buttons->button(QDialogButtonBox::Save)->text()), QString("Speichern"));
    }
};

QTEST_MAIN(GermanTextsTest)
#include "german_texts_test.moc"
