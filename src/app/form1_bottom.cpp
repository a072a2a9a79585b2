// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPlainTextEdit>

#include "app/debug_log_text.h"
#include "app/form1.h"

namespace voltaris {

void Form1::LabelLegendeClick() {
    const bool hide = toolbarShown_;
    toolbarShown_ = !hide;
    LabelLegende->setText(hide ? tr("Toolbar zeigen") : tr("Toolbar verbergen"));
    Panel1->setStyleSheet(hide ? "background-color: white;" : "");
    pages_.PageControl->setVisible(!hide);
    toolbar3D_.panel->setVisible(!hide);
    toolbar2D_.panel->setVisible(!hide);
    // The layout gives the freed (or needed) height to the tab strip.
    FitBottomPanel();
    LayoutBottomPanel();
}

void Form1::ButtonShowLogClick() {
    GraphEngine* view3D = views_.Engine3D();
    GraphEngine* topView = views_.Engine2D();
    if (!view3D || !topView) return;
    MemoLog->setVisible(!MemoLog->isVisible());
    MemoLog->raise();
    MemoLog->setPlainText(QString::fromStdString(DebugLogText(DebugLogOf(*view3D), DebugLogOf(*topView))));
}

void Form1::ToggleRenderPage() {
    QTabWidget* pages = pages_.PageControl;
    const int render = pages->indexOf(pages_.render.page);
    pages->setTabVisible(render, !pages->isTabVisible(render));
}

}  // namespace voltaris
