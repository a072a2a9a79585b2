// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <algorithm>

#include "app/core_texts.h"
#include "app/form1.h"
#include "app/pages/page_helpers.h"
#include "app/status_panels.h"

namespace voltaris {

using pages::MakeLabel;
using pages::Named;

namespace {

// The hint of the amount box: the power of ten stands in the gap that the hint's own text
// leaves at its end. The font's superscript digit keeps the raised 5 inside the line.
void LayOutAmountHint(QLabel* tip, QLabel* power) {
    tip->adjustSize();
    power->adjustSize();
    const int height = std::max(tip->height(), power->height());
    tip->move(0, 0);
    power->move(tip->width() - tip->fontMetrics().horizontalAdvance("    "), 0);
    tip->parentWidget()->setFixedSize(power->geometry().right() + 1, height);
}

// The amount box of the charge editing: hidden until "&Anderer Betrag" opens it. It takes
// the size its controls need in the desktop's font once it has its texts.
QGroupBox* BuildAmountBox(QWidget* parent) {
    auto* box = Named(new QGroupBox(parent), "GroupBox1");
    // Native, so that it can stand in front of a view.
    box->setAttribute(Qt::WA_NativeWindow);
    box->setAutoFillBackground(true);
    auto* grid = new QGridLayout(box);
    auto* edit = Named(new QLineEdit(box), "Edit3");
    edit->setMinimumWidth(150);
    grid->addWidget(edit, 0, 0);
    grid->addWidget(MakeLabel("Label24", "C", box), 0, 1);
    grid->addWidget(Named(new QPushButton(box), "Button7"), 0, 2);
    auto* close = Named(new QPushButton("X", box), "Button8");
    close->setFixedWidth(close->sizeHint().height());  // a small square
    grid->addWidget(close, 0, 3);
    auto* hint = new QWidget(box);
    MakeLabel("Label25", QString(), hint);
    MakeLabel("Image2", "10\u2075\"", hint);
    grid->addWidget(hint, 1, 0, 1, 4);
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
    Label17 = MakeLabel("Label17", TranslatedCoreText(SquareSizeLabel(1.0f)), TabControl);

    Label18 = MakeLabel("Label18", QString(), TabControl);
    Label18->setStyleSheet("color: red;");
    Label18->hide();
    Label34 = MakeLabel("Label34", QString(), TabControl);
    Label34->setStyleSheet("color: red; font-weight: bold;");
    Label34->hide();

    GroupBox1 = BuildAmountBox(TabControl);
    RetranslateTabArea();
    RetranslateAmountBox();

    MemoLog = Named(new QPlainTextEdit(TabControl), "MemoLog");
    MemoLog->setAttribute(Qt::WA_NativeWindow);
    MemoLog->setReadOnly(true);
    MemoLog->setPlainText("DEBUG LOG\n======================");
    MemoLog->hide();
    return TabControl;
}

void Form1::RetranslateTabArea() {
    Label18->setText(tr("Um die Ladung endgültig zu löschen bitte mit J bestätigen. Mit beliebiger Taste abbrechen."));
    Label34->setText(tr("Bitte Änderungen mit 'Y' bestätigen!"));
}

void Form1::RetranslateAmountBox() {
    GroupBox1->setTitle(tr("Bitte den Ladungsbetrag eingeben:"));
    GroupBox1->findChild<QPushButton*>("Button7")->setText(tr("OK"));
    auto* tip = GroupBox1->findChild<QLabel*>("Label25");
    //: The four spaces at the end leave the room where the raised power of ten "10⁵" stands.
    tip->setText(tr("Tipp: Schreiben Sie \"1,2E5\"  für \"1,2*    "));
    LayOutAmountHint(tip, GroupBox1->findChild<QLabel*>("Image2"));
    GroupBox1->adjustSize();
}

QWidget* Form1::BuildBottomPanel() {
    PanelLegende = Named(new QWidget, "PanelLegende");
    toolbar3D_ = BuildViewToolbar(true, PanelLegende);
    toolbar2D_ = BuildViewToolbar(false, PanelLegende);
    RetranslateViewToolbar(toolbar3D_, true);
    RetranslateViewToolbar(toolbar2D_, false);
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
    LabelLegende = MakeLabel("LabelLegende", QString(), Panel1);
    LabelLegende->setStyleSheet("color: blue; text-decoration: underline;");
    LabelLegende->setCursor(Qt::PointingHandCursor);
    LabelLegende->move(4, 1);
    RetranslateToolbarLink();
    FitBottomPanel();
    return PanelLegende;
}

void Form1::RetranslateToolbarLink() {
    const QString hide = tr("Toolbar verbergen"), show = tr("Toolbar zeigen");
    // The link and its panel keep the size of the longer caption, whichever one shows.
    const QFontMetrics metrics = LabelLegende->fontMetrics();
    LabelLegende->setText(metrics.horizontalAdvance(show) > metrics.horizontalAdvance(hide) ? show : hide);
    LabelLegende->adjustSize();
    Panel1->resize(LabelLegende->width() + 8, LabelLegende->height() + 2);
    LabelLegende->setText(toolbarShown_ ? hide : show);
}

int Form1::ViewToolbarHeight() const {
    int height = 58;
    for (const QToolBar* bar : {toolbar3D_.toolBar, toolbar2D_.toolBar})
        height = std::max({height, bar->sizeHint().height(), bar->minimumSizeHint().height()});
    return height;
}

void Form1::FitBottomPanel() {
    // The design's 200 pixels are the least: below the toolbars the page control gets what its
    // tallest page needs in the desktop's font, and the views above give way. The pages keep
    // their room while parts of them are hidden, so the panel does not jump.
    const bool shown = toolbarShown_;
    const int pagesTop = 4 + ViewToolbarHeight() + 2;
    const int height = shown ? std::max(200, pagesTop + pages_.PageControl->minimumSizeHint().height()) : 15;
    if (PanelLegende->minimumHeight() != height || PanelLegende->maximumHeight() != height)
        PanelLegende->setFixedHeight(height);
}

void Form1::LayoutBottomPanel() {
    const int width = PanelLegende->width();
    const int toolbarHeight = ViewToolbarHeight();
    toolbar3D_.panel->setGeometry(8, 4, toolbar3D_.toolBar->sizeHint().width(), toolbarHeight);
    toolbar3D_.toolBar->setGeometry(0, 0, toolbar3D_.panel->width(), toolbarHeight);
    toolbar2D_.panel->setGeometry(toolbar2D_.panel->x(), 4, toolbar2D_.panel->width(), toolbarHeight);
    toolbar2D_.toolBar->setGeometry(0, 0, toolbar2D_.toolBar->sizeHint().width(), toolbarHeight);
    const int pagesTop = 4 + toolbarHeight + 2;
    pages_.PageControl->setGeometry(0, pagesTop, width, std::max(0, PanelLegende->height() - pagesTop));
    PlaceToolbarLink();
}

void Form1::PlaceToolbarLink() {
    const bool shown = toolbarShown_;
    const int x = PanelLegende->width() - Panel1->width() - 8;
    int y = shown ? 8 : 0;
    // Where the 2D view's toolbar reaches under the link (a narrow window, a wide font), the
    // link moves down beside the page tabs rather than cover a button.
    const int toolbarRight = toolbar2D_.panel->x() + toolbar2D_.toolBar->width();
    if (shown && toolbarRight > x) y = pages_.PageControl->y() + 2;
    Panel1->move(x, y);
    Panel1->raise();
}

void Form1::BuildStatusBar() {
    statusPanels_ = new StatusPanels;
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(statusPanels_, 1);
}

}  // namespace voltaris
