// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/core_texts.h"
#include "app/project_file_drop.h"
#include "app/splash_window.h"
#include "app/status_panels.h"

namespace voltaris {

Form1::Form1(Project& project, CommandDialogs& dialogs, Options options)
    : project_(project),
      dialogs_(dialogs),
      options_(options),
      views_(project, dialogs),
      commands_(project, dialogs, *this),
      history_(project),
      mouse3D_(views_, project, mouseState_,
               ViewMouseHost{[this] { return AmountBoxOpen(); },
                             [this](const std::string& text) { ShowStatus(1, QString::fromStdString(text)); },
                             {}}),
      mouse2D_(views_, project, mouseState_,
               ViewMouseHost{[this] { return AmountBoxOpen(); },
                             [this](const std::string& text) { ShowStatus(1, QString::fromStdString(text)); },
                             [this] { RefreshChargeTable(); }}) {
    setObjectName("Form1");
    setWindowTitle("Voltaris 2010b");

    BuildMenus();
    KeepLettersFromMenuBar();
    BuildToolBar1();
    auto* central = new QWidget(this);
    central->setObjectName("Form1Client");
    central->setMouseTracking(true);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildTabControl(), 1);
    column->addWidget(BuildBottomPanel());
    setCentralWidget(central);
    BuildStatusBar();
    ConnectParticlePages();
    ConnectEditing();
    RetranslateMenus();

    views_.Window3D().SetMouseHandler(&mouse3D_);
    views_.Window2D().SetMouseHandler(&mouse2D_);
    ConnectHistory();
    connect(&views_, &GraphViews::frameRate3D, this, [this](const QString& text) { ShowStatus(2, text); });
    connect(&views_, &GraphViews::frameRate2D, this, [this](const QString& text) { ShowStatus(3, text); });

    // The window sees every key, wheel turn and mouse move before the control under it.
    qApp->installEventFilter(this);

    // Client area 1034 x 642 below the menu bar, centred on the screen.
    resize(1034, 642 + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    TabControlResize();

    splash_ = new Form3(this);
    BuildOutputCommands();
    // As on closing, a running alternating voltage puts the charges back before a save.
    new ProjectFileDrop(this, [this](const QString& path) {
        StopAlternatingVoltage();
        commands_.OpenDroppedProject(path.toStdString());
    });
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
    // The focus changes of the closing must not reach the members that are gone by then.
    disconnect(qApp, nullptr, this, nullptr);
    // The drawing threads end before their windows go away with the widgets.
    views_.StopDrawing();
}

void Form1::setVisible(bool visible) {
    if (!visible || firstShowSeen_) {
        QMainWindow::setVisible(visible);
        return;
    }
    firstShowSeen_ = true;
    // The splash runs just before the window appears; the views start once it is on the
    // screen (their windows must exist).
    if (options_.showSplash) splash_->exec();
    QMainWindow::setVisible(true);
    QTimer::singleShot(0, this, &Form1::FormShow);
}

void Form1::FormShow() {
    views_.CreateEngines();
    TabControlResize();
    RefreshChargeTable();
    RequestRedraw(true);
    QTimer::singleShot(1, this, [this] { setWindowState(windowState() | Qt::WindowMaximized); });
    commands_.OpenSampleProject();
    StartUsageReport();
    started_ = true;
    if (!options_.projectFile.empty()) commands_.OpenProjectFile(options_.projectFile);
}

void Form1::berClick() {
    views_.SetBothRunning(false);
    QThread::msleep(50);
    splash_->exec();
    views_.SetBothRunning(true);
}

void Form1::closeEvent(QCloseEvent* event) {
    // A running alternating voltage puts the charges back first: the project saved on the way
    // out holds the arrangement, not the amounts of one phase step.
    StopAlternatingVoltage();
    // Before the views exist the program is still starting: no question.
    if (views_.Created() && !commands_.MayClose()) {
        event->ignore();
        return;
    }
    // The drawing threads end while their windows still exist: a frame presented into a
    // window the closing has just hidden crashes inside the GL driver.
    views_.StopDrawing();
    event->accept();
}

void Form1::UpdateWindowTitle() {
    titleNamesProject_ = true;
    // The project's name is the user's and stays as it is.
    setWindowTitle(tr("Voltaris 2010 - Projekt: %1").arg(QString::fromStdString(project_.ProjectName)));
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QMainWindow::changeEvent(event);
}

void Form1::RetranslateUi() {
    RetranslateMenus();
    RetranslateViewToolbar(toolbar3D_, true);
    RetranslateViewToolbar(toolbar2D_, false);
    RetranslateTabArea();
    Label17->setText(TranslatedCoreText(SquareSizeLabel(project_.unitLength)));
    RetranslateAmountBox();
    RetranslateToolbarLink();
    if (titleNamesProject_) UpdateWindowTitle();
    chargeEditor_->RetranslateUi();
    chargeTable_->Fill();
    // The new texts may need other room.
    FitBottomPanel();
    LayoutBottomPanel();
    TabControlResize();
}

void Form1::RequestRedraw(bool surfaceToo) { views_.RequestRedraw(surfaceToo); }

void Form1::AppendLog(const std::string& text) {
    if (GraphEngine* view3D = views_.Engine3D()) appendLog(*view3D, text);
}

void Form1::WaitForViews(std::function<void()> then) {
    GraphEngine* view3D = views_.Engine3D();
    GraphEngine* topView = views_.Engine2D();
    if (!view3D || !topView || view3D->frameCount <= 200 || topView->frameCount <= 200) {
        then();
        return;
    }
    // A paused view is not waited for, a stalled one at most a second.
    views_.AfterFrames(5, 1000, this, std::move(then));
}

void Form1::ProjectReplaced() {
    history_.Clear();
    ClearLevelPlaneAndMark(views_);
    ShowStatus(1, QString());
}

bool Form1::event(QEvent* event) {
    // Hints of menu items and buttons go to the first status panel.
    if (event->type() == QEvent::StatusTip) {
        ShowStatus(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void Form1::ShowStatus(int panel, const QString& text) { statusPanels_->SetText(panel, text); }

}  // namespace voltaris
