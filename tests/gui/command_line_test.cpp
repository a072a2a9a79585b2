// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line and a project file dropped on the window: the switches, the file
// opened after the start (or its load error with the sample kept), and --help without a display.
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include "app/command_line.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class CommandLineTest : public QObject {
    Q_OBJECT
    WindowFixture w;
    const QString twentyCharges = VOLTARIS_TEST_DATA "/twenty_charges.psf";

    bool StartWith(const QString& file) {
        w.dialogs.Clear();
        if (w.form) w.Stop();
        w.project = Project::Initial();
        w.form =
            std::make_unique<Form1>(w.project, w.dialogs, Form1::Options{false, false, &w.output, file.toStdString()});
        w.form->show();
        return WaitUntil([this] { return w.form->Started(); });
    }
    void Drop(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint centre = w.form->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.form.get(), &enter);
        if (!enter.isAccepted()) return;
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.form.get(), &drop);
        QTest::qWait(50);  // the file opens once the drop is over
    }

private Q_SLOTS:
    void switchesAndFile() {
        const auto options = ParseAppOptions({"voltaris", "--no-splash", "--no-usage-report", "a.psf"});
        QVERIFY(options);
        QVERIFY(!options->showSplash);
        QVERIFY(!options->usageReport);
        QVERIFY(QFileInfo(options->projectFile).isAbsolute());
        QVERIFY(ParseAppOptions({"voltaris"})->showSplash);
        QVERIFY(ParseAppOptions({"voltaris"})->projectFile.isEmpty());
        QString error;
        QVERIFY(!ParseAppOptions({"voltaris", "a.psf", "b.psf"}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!ParseAppOptions({"voltaris", "--splash"}));

        QVERIFY(!ParseAppOptions({"voltaris"})->language);  // the system's language decides
        QCOMPARE(ParseAppOptions({"voltaris", "--lang", "en"})->language, InterfaceLanguage::English);
        QCOMPARE(ParseAppOptions({"voltaris", "--lang=de", "a.psf"})->language, InterfaceLanguage::German);
        QVERIFY(!ParseAppOptions({"voltaris", "--lang", "fr"}, &error));
        QVERIFY2(error.contains("fr"), qPrintable(error));
        QVERIFY(!ParseAppOptions({"voltaris", "--lang"}));
    }

    void helpAndVersionAnswerWithoutADisplay() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        const QString path = QCoreApplication::applicationDirPath() + "/voltaris";
        program.start(path, {"--help"});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        const QString help = program.readAllStandardOutput();
        QVERIFY2(help.contains("--no-splash") && help.contains("--no-usage-report") && help.contains("--lang") &&
                     help.contains("FILE"),
                 qPrintable(help));
        program.start(path, {"--version"});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardOutput().startsWith("voltaris 2"));
    }

    void fileOpensAfterTheStartAndAFailedLoadKeepsTheSample() {
        VOLTARIS_SKIP_WITHOUT_OPENGL();
        QVERIFY(StartWith(twentyCharges));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Zwanzig Ladungen"));
        QCOMPARE(w.project.ProjectFileName, twentyCharges.toStdString());
        QCOMPARE(w.dialogs.Shown(), size_t(0));

        QVERIFY(StartWith("/nonexistent/missing.psf"));
        QCOMPARE(w.dialogs.Shown(), size_t(1));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Beispielprojekt"));
        QCOMPARE(w.project.TabCount, 14);
        QVERIFY(w.project.ProjectFileName.empty());
        w.Stop();
    }

    void droppedProjectOpensAfterTheSaveQuestion() {
        VOLTARIS_SKIP_WITHOUT_OPENGL();
        QVERIFY(StartWith({}));
        Drop(VOLTARIS_TEST_DATA "/notes.txt");  // not a project file: refused without a question
        QVERIFY(w.dialogs.questions.empty());

        w.dialogs.answers = {Answer::Cancel};
        Drop(twentyCharges);
        QCOMPARE(w.dialogs.questions.size(), size_t(1));
        QCOMPARE(w.project.TabCount, 14);

        w.dialogs.answers = {Answer::No};
        Drop(twentyCharges);
        QCOMPARE(w.dialogs.questions.back(),
                 std::string("Soll das aktuelle Projekt gespeichert werden, bevor ein anderes geöffnet wird?"));
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Zwanzig Ladungen"));
        QCOMPARE(w.project.ProjectFileName, twentyCharges.toStdString());
        w.Stop();
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
