#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

#include "app/form1.h"
#include "app/pages/page_helpers.h"
#include "app/status_panels.h"

namespace voltaris {

using pages::MakeLabel;
using pages::Named;

namespace {

// The amount box of the charge editing: hidden until "&Anderer Betrag" opens it.
QGroupBox* BuildAmountBox(QWidget* parent) {
    auto* box = Named(new QGroupBox("Bitte den Ladungsbetrag eingeben:", parent), "GroupBox1");
    // Native, so that it can stand in front of a view.
    box->setAttribute(Qt::WA_NativeWindow);
    box->setAutoFillBackground(true);
    auto* edit = Named(new QLineEdit(box), "Edit3");
    edit->setGeometry(10, 24, 150, 22);
    MakeLabel("Label24", "C", box)->setGeometry(166, 24, 20, 22);
    Named(new QPushButton("OK", box), "Button7")->setGeometry(190, 22, 50, 26);
    Named(new QPushButton("X", box), "Button8")->setGeometry(250, 4, 20, 18);
    QLabel* tip = MakeLabel("Label25", "Tipp: Schreiben Sie \"1,2E5\"  für \"1,2*    ", box);
    tip->adjustSize();
    tip->move(10, 56);
    // The power of ten that completes the hint.
    QLabel* power = MakeLabel("Image2", "10<sup>5</sup>\"", box);
    power->setTextFormat(Qt::RichText);
    power->adjustSize();
    power->move(tip->x() + tip->width() - power->fontMetrics().horizontalAdvance("    "), 52);
    box->resize(280, 84);
    box->hide();
    return box;
}

}  // namespace

QWidget* Form1::BuildTabControl() {
    TabControl = Named(new QWidget, "TabControl");
    TabControl->setMouseTracking(true);
    tabStrip_ = Named(new QTabBar(TabControl), "TabControlTabs");
    tabStrip_->setExpanding(false);
    tabStrip_->setUsesScrollButtons(true);
    connect(tabStrip_, &QTabBar::currentChanged, this, &Form1::TabControlChange);

    Panel3DEngine = Named(QWidget::createWindowContainer(&views_.Window3D(), TabControl), "Panel3DEngine");
    Panel2DEngine = Named(QWidget::createWindowContainer(&views_.Window2D(), TabControl), "Panel2DEngine");
    Panel3DEngine->setFocusPolicy(Qt::ClickFocus);
    Panel2DEngine->setFocusPolicy(Qt::ClickFocus);

    Label16 = MakeLabel("Label16", ">", TabControl);
    Label16->setAlignment(Qt::AlignCenter);
    Label16->setCursor(Qt::SplitHCursor);

    ScrollBar5 = pages::MakeScrollBar("ScrollBar5", 0, ResolutionScrollMax, 66);
    ScrollBar5->setParent(TabControl);
    connect(ScrollBar5, &QScrollBar::valueChanged, this, &Form1::ScrollBar5Change);
    Label17 = MakeLabel("Label17", QString::fromStdString(SquareSizeLabel(1.0f)), TabControl);

    Label18 = MakeLabel("Label18",
                        "Um die Ladung endgültig zu löschen bitte mit J bestätigen. Mit beliebiger Taste abbrechen.",
                        TabControl);
    Label18->setStyleSheet("color: red;");
    Label18->hide();
    Label34 = MakeLabel("Label34", "Bitte Änderungen mit 'Y' bestätigen!", TabControl);
    Label34->setStyleSheet("color: red; font-weight: bold;");
    Label34->hide();

    GroupBox1 = BuildAmountBox(TabControl);

    MemoLog = Named(new QPlainTextEdit(TabControl), "MemoLog");
    MemoLog->setAttribute(Qt::WA_NativeWindow);
    MemoLog->setReadOnly(true);
    MemoLog->setPlainText("DEBUG LOG\n======================");
    MemoLog->hide();
    return TabControl;
}

QWidget* Form1::BuildBottomPanel() {
    PanelLegende = Named(new QWidget, "PanelLegende");
    PanelLegende->setFixedHeight(200);
    toolbar3D_ = BuildViewToolbar(true, PanelLegende);
    toolbar2D_ = BuildViewToolbar(false, PanelLegende);
    pages_ = pages::BuildBottomPages(PanelLegende);
    connect(pages_.render.ButtonShowLog, &QPushButton::clicked, this, &Form1::ButtonShowLogClick);
    // The pause switch of the Render page (the page's other settings come with the display
    // options).
    connect(pages_.render.view3D.pause, &QPushButton::clicked, this, [this] {
        if (GraphEngine* e = views_.Engine3D()) SetRunning(*e, !e->running);
    });
    connect(pages_.render.view2D.pause, &QPushButton::clicked, this, [this] {
        if (GraphEngine* e = views_.Engine2D()) SetRunning(*e, !e->running);
    });

    Panel1 = Named(new QWidget(PanelLegende), "Panel1");
    Panel1->setAutoFillBackground(true);
    LabelLegende = MakeLabel("LabelLegende", "Toolbar verbergen", Panel1);
    LabelLegende->setStyleSheet("color: blue; text-decoration: underline;");
    LabelLegende->setCursor(Qt::PointingHandCursor);
    LabelLegende->adjustSize();
    Panel1->resize(LabelLegende->width() + 8, LabelLegende->height() + 2);
    LabelLegende->move(4, 1);
    return PanelLegende;
}

void Form1::LayoutBottomPanel() {
    const int width = PanelLegende->width();
    const bool shown = LabelLegende->text() == "Toolbar verbergen";
    toolbar3D_.panel->setGeometry(8, 4, toolbar3D_.toolBar->sizeHint().width(), 58);
    toolbar3D_.toolBar->setGeometry(0, 0, toolbar3D_.panel->width(), 58);
    toolbar2D_.panel->setGeometry(toolbar2D_.panel->x(), 4, toolbar2D_.panel->width(), 58);
    toolbar2D_.toolBar->setGeometry(0, 0, toolbar2D_.toolBar->sizeHint().width(), 58);
    Panel1->move(width - Panel1->width() - 8, shown ? 8 : 0);
    Panel1->raise();
    pages_.PageControl->setGeometry(0, 64, width, std::max(0, PanelLegende->height() - 64));
}

void Form1::BuildStatusBar() {
    auto* panels = new StatusPanels;
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(panels, 1);
    for (int i = 0; i < static_cast<int>(statusPanels_.size()); ++i) statusPanels_[i] = panels->Panel(i);
}

}  // namespace voltaris
