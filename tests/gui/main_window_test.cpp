// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a whole: start-up with the sample project, the title, the resolution
// label of each tab, the bottom panel, the debug log, the status bar, the about box, the
// splash fade and the closing question.
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/splash_window.h"
#include "engine/gui/view_window.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class MainWindowTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    QLabel* StatusPanel(int i) { return w.Control<QLabel>(qPrintable(QString("StatusPanel%1").arg(i))); }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.Start()); }
    void cleanup() { w.Stop(); }

    void beforeItsFirstShowTheWindowHasItsOwnCaption() {
        Project project = Project::Initial();
        ScriptedDialogs dialogs;
        Form1 fresh(project, dialogs, Form1::Options{false});
        QCOMPARE(fresh.windowTitle(), QString("Voltaris 2010b"));
        QVERIFY(!fresh.Views().Created());
    }

    void everyStartOpensTheSampleProject() {
        QCOMPARE(w.form->windowTitle(), QString("Voltaris 2010 - Projekt: Beispielprojekt"));
        QCOMPARE(w.TabStrip()->count(), 14);
        QCOMPARE(w.TabStrip()->currentIndex(), 0);
        QVERIFY(w.project.ProjectFileName.empty());
        QVERIFY(w.dialogs.messages.empty() && w.dialogs.errors.empty());
        QVERIFY(WaitForFrames(*w.form->Views().Engine3D(), 2));
        QVERIFY(WaitForFrames(*w.form->Views().Engine2D(), 2));
    }

    void eachTabShowsItsSquareSize() {
        auto* label17 = w.Control<QLabel>("Label17");
        auto* scroll = w.Control<QScrollBar>("ScrollBar5");
        QCOMPARE(label17->text(), QString("Das Koordinatensystem ist 1E-10m im Quadrat"));
        QCOMPARE(scroll->value(), 0);
        QVERIFY(w.ShowTab(5));
        QCOMPARE(w.project.ActiveTab, 5);
        QCOMPARE(label17->text(), QString("Das Koordinatensystem ist 0,0316m im Quadrat"));
        QCOMPARE(scroll->value(), 51);
        QVERIFY(w.ShowTab(1));
        QCOMPARE(label17->text(), QString("Das Koordinatensystem ist 10m im Quadrat"));
        QCOMPARE(scroll->value(), 66);
        QCOMPARE(w.project.unitLength, 1.0f);
    }

    void movingTheResolutionScrollBarResizesTheSquareOfTheShownTab() {
        QVERIFY(w.ShowTab(1));
        w.Control<QScrollBar>("ScrollBar5")->setValue(72);
        QCOMPARE(w.project.tabs[1].Resolution, 2.0f);
        QCOMPARE(w.project.unitLength, 10.0f);
        QCOMPARE(w.Control<QLabel>("Label17")->text(), QString("Das Koordinatensystem ist 100m im Quadrat"));
        QCOMPARE(w.project.tabs[2].Resolution, 1.0f);
    }

    void theToolbarLinkHidesAndShowsTheBottomArea() {
        auto* link = w.Control<QLabel>("LabelLegende");
        auto* bottom = w.Control<QWidget>("PanelLegende");
        auto* pages = w.Control<QWidget>("PageControl");
        auto* tabs = w.Control<QWidget>("TabControl");
        const int tabHeight = tabs->height();
        const int shownHeight = bottom->height();  // 200, or what the pages need in this font
        QVERIFY(shownHeight >= 200);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(link->text(), QString("Toolbar zeigen"));
        QCOMPARE(bottom->height(), 15);
        QVERIFY(!pages->isVisible());
        QVERIFY(!w.Control<QWidget>("Panel2")->isVisible() && !w.Control<QWidget>("Panel3")->isVisible());
        QVERIFY(WaitUntil([&] { return tabs->height() == tabHeight + shownHeight - 15; }, 2000));

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(link->text(), QString("Toolbar verbergen"));
        QCOMPARE(bottom->height(), shownHeight);
        QVERIFY(pages->isVisible() && w.Control<QWidget>("Panel3")->isVisible());
        QVERIFY(WaitUntil([&] { return tabs->height() == tabHeight; }, 2000));
    }

    void theDebugLogShowsBothViewsLogsWithTheTabChanges() {
        QVERIFY(w.ShowTab(3));
        auto* memo = w.Control<QPlainTextEdit>("MemoLog");
        QVERIFY(!memo->isVisible());
        QVERIFY(memo->toPlainText().startsWith("DEBUG LOG\n======================"));
        auto* button = w.Control<QPushButton>("ButtonShowLog");
        button->click();
        QVERIFY(memo->isVisible());
        const QString text = memo->toPlainText();
        QVERIFY2(text.startsWith("3D-Graph\n-----------------\n"), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression("\n\\d+: start\n\\d+: stop")));
        QVERIFY(text.contains("\n2D-Graph\n-----------------"));
        button->click();
        QVERIFY(!memo->isVisible());
    }

    void theStatusBarShowsHintsAndFrameRates() {
        QAction* save = w.Action("AllesSpeichern1");
        save->showStatusText(w.form.get());
        QCOMPARE(StatusPanel(0)->text(), QString("Speichert das Projekt ab."));
        QVERIFY(WaitUntil([&] { return StatusPanel(2)->text().startsWith("Engine1: "); }, 3000));
        QVERIFY(WaitUntil([&] { return StatusPanel(3)->text().startsWith("Engine2: "); }, 3000));
        QVERIFY(StatusPanel(3)->text().contains(" FPS; Total:"));
        QCOMPARE(StatusPanel(0)->width(), 348);
    }

    // On the 1E-10 m tab, at the design size and wide: the pointer readout and the frame
    // rates are whole and wholly visible; a hint too long for the room left ends in "…" and
    // shows whole as its tooltip.
    void readoutsAreNeverCutAndOnlyHintsShorten() {
        QCOMPARE(w.project.Active().Resolution, -10);  // a square of 1E-10 m
        ViewWindow& view = w.form->Views().Window2D();
        const QString hint = w.Action("Projektumbenennen1")->statusTip();
        for (const QSize size : {QSize(1034, 661), QSize(1600, 1000)}) {
            w.form->setWindowState(Qt::WindowNoState);
            w.form->resize(size);
            QVERIFY(WaitUntil([&] { return w.form->size() == size; }, 5000));
            // Hover the top view's centre twice: the second move reads what the frame picked.
            for (int i = 0; i < 2; ++i) {
                const QPoint centre(view.width() / 2, view.height() / 2);
                QMouseEvent move(QEvent::MouseMove, centre, view.mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(&view, &move);
                QVERIFY(WaitForFrames(*w.form->Views().Engine2D(), 3));
            }
            QVERIFY2(StatusPanel(1)->text().endsWith(" V (J/C)"), qPrintable(StatusPanel(1)->text()));
            QVERIFY(WaitUntil([&] { return !StatusPanel(3)->text().isEmpty(); }, 3000));
            const int barWidth = StatusPanel(0)->parentWidget()->width();
            for (int i = 1; i <= 3; ++i) {
                QLabel* panel = StatusPanel(i);
                QVERIFY2(panel->width() >= panel->sizeHint().width(), qPrintable(panel->text()));
                QVERIFY(panel->geometry().right() < barWidth);
            }
            w.Action("Projektumbenennen1")->showStatusText(w.form.get());
            QLabel* hintPanel = StatusPanel(0);
            QVERIFY(hintPanel->geometry().right() < StatusPanel(1)->x());
            if (hintPanel->text() == hint) {
                QVERIFY(hintPanel->contentsRect().width() >= hintPanel->fontMetrics().horizontalAdvance(hint));
                QVERIFY(hintPanel->toolTip().isEmpty());
            } else {
                QVERIFY2(hintPanel->text().endsWith(QChar(0x2026)), qPrintable(hintPanel->text()));
                QCOMPARE(hintPanel->toolTip(), hint);
            }
            // At the design size the readouts leave the hint too little room.
            if (size.width() == 1034) QVERIFY(hintPanel->text() != hint);
        }
    }

    // F3: both views stop while the splash is up and draw again afterwards.
    void theAboutBoxPausesBothViews() {
        GraphViews& views = w.form->Views();
        bool pausedWhileShown = false, splashShown = false;
        QTimer::singleShot(300, this, [&] {
            auto* splash = w.form->findChild<Form3*>("Form3");
            splashShown = splash && splash->isVisible();
            pausedWhileShown = !views.Engine3D()->running && !views.Engine2D()->running;
            if (splash) splash->accept();
        });
        w.Action("ber1")->trigger();
        QVERIFY(splashShown);
        QVERIFY(pausedWhileShown);
        QVERIFY(views.Engine3D()->running && views.Engine2D()->running);
        QVERIFY(WaitForFrames(*views.Engine3D(), 2));
    }

    void theSplashFadesInAndClosesItself() {
        Form3 splash(nullptr, 150);
        QCOMPARE(splash.size(), QSize(700, 480));
        QCOMPARE(splash.windowOpacity(), 50 / 255.0);
        QElapsedTimer clock;
        clock.start();
        splash.show();
        QVERIFY(WaitUntil([&] { return splash.FadeStep() >= 1; }, 1000));
        QVERIFY(WaitUntil([&] { return splash.windowOpacity() == 1.0; }, 3000));
        QCOMPARE(splash.FadeStep(), 16);  // 16² is the first square from 255 on
        QVERIFY(WaitUntil([&] { return !splash.isVisible(); }, 3000));
        // Shown again it is opaque at its first tick.
        splash.show();
        QVERIFY(WaitUntil([&] { return splash.FadeStep() == 17; }, 1000));
        QCOMPARE(splash.windowOpacity(), 1.0);
    }

    void theClosingQuestionCanKeepTheProgramRunning() {
        const std::string question = "Soll das aktuelle Projekt gespeichert werden, bevor das Programm beendet wird?";
        w.dialogs.answers = {Answer::Cancel};
        QVERIFY(!w.form->close());
        QCOMPARE(w.dialogs.questions.back(), question);
        QVERIFY(w.form->isVisible());

        // Yes for a project without file, and the save dialog cancelled: nothing was saved,
        // so the program stays.
        w.dialogs.answers = {Answer::Yes};
        QVERIFY(!w.form->close());
        QCOMPARE(w.dialogs.saveDialogs, 1);
        QVERIFY(w.form->isVisible());

        // Yes with a file chosen: saved, then closed.
        const std::string path = (std::filesystem::temp_directory_path() / "voltaris_gui_close.psf").string();
        std::filesystem::remove(path);
        w.dialogs.answers = {Answer::Yes};
        w.dialogs.saveFiles = {path};
        QVERIFY(w.form->close());
        QVERIFY(std::filesystem::exists(path));
        std::filesystem::remove(path);
    }

    void answeringNoClosesWithoutSaving() {
        w.dialogs.saveDialogs = 0;
        w.dialogs.answers = {Answer::No};
        QVERIFY(w.form->close());
        QCOMPARE(w.dialogs.saveDialogs, 0);
        // Closed means no more frames: the threads ended before the window was hidden.
        const int frames3D = w.form->Views().Engine3D()->frameCount;
        const int frames2D = w.form->Views().Engine2D()->frameCount;
        QTest::qWait(200);
        QCOMPARE(int(w.form->Views().Engine3D()->frameCount), frames3D);
        QCOMPARE(int(w.form->Views().Engine2D()->frameCount), frames2D);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
