// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "app/core_texts.h"
#include "app/form1.h"
#include "app/pages/particle_pages.h"
#include "app/tab_area_layout.h"
#include "app/undo/step_names.h"

namespace voltaris {

namespace {
constexpr int Panel3DLeft = 8;

// A tab strip reads "&" as the mark of an accelerator letter; a name shows its "&" as typed.
QString LiteralCaption(const std::string& name) {
    return QString::fromStdString(name).replace('&', QStringLiteral("&&"));
}

// The longest text the square-size label can show, over all scroll bar positions.
int WidestSquareSizeText(const QFontMetrics& metrics) {
    int widest = 0;
    for (int position = 0; position <= ResolutionScrollMax; ++position) {
        const QString text = TranslatedCoreText(SquareSizeLabel(UnitLengthOf(ResolutionOfScrollPosition(position))));
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}
}  // namespace

void Form1::ShowTabs(int selected) {
    const QSignalBlocker quiet(tabStrip_);
    while (tabStrip_->count() > 0) tabStrip_->removeTab(0);
    for (int t = 0; t < project_.TabCount; ++t) tabStrip_->addTab(LiteralCaption(project_.tabs[t].caption));
    tabStrip_->setCurrentIndex(selected);
    TabControlResize();
}

void Form1::TabControlChange(int index) {
    if (index >= 0) commands_.ChangeTab(index);
}

void Form1::ScrollBar5Change(int position) {
    FieldTab& tab = project_.Active();
    history_.RecordBurst(step_names::ResizeSquare, [&] { tab.Resolution = ResolutionOfScrollPosition(position); });
    project_.unitLength = UnitLengthOf(tab.Resolution);
    Label17->setText(TranslatedCoreText(SquareSizeLabel(project_.unitLength)));
    RequestRedraw(true);
}

void Form1::TabControlResize() {
    const int width = TabControl->width(), height = TabControl->height();
    const TabAreaColumns c = LayoutTabArea(width, viewSplitRatio_);
    // An empty strip has no height of its own; the views stay below where its tabs go.
    const int stripHeight = std::max(tabStrip_->sizeHint().height(), tabStrip_->fontMetrics().height() + 14);
    tabStrip_->setGeometry(0, 0, width, stripHeight);
    const int top = stripHeight + 6;
    // Two lines below the views, as tall as their texts and the scroll bar need.
    const int line = std::max({17, Label17->sizeHint().height(), Label34->sizeHint().height(),
                               ScrollBar5->sizeHint().height()});
    const int panelHeight = std::max(0, height - top - (2 * line + 8));

    Label16->setGeometry(c.splitterLeft, top, 6, panelHeight);
    Panel3DEngine->setGeometry(Panel3DLeft, top, std::max(0, c.width3D), panelHeight);
    Panel2DEngine->setGeometry(c.left2D, top, std::max(0, c.width2D), panelHeight);
    toolbar2D_.panel->setGeometry(c.left2D, toolbar2D_.panel->y(), std::max(0, c.width2D), toolbar2D_.panel->height());
    PlaceToolbarLink();

    // Below the 2D view the resolution scroll bar and the square size. The label has room for
    // its longest text, so nothing moves between tabs; the scroll bar takes the rest, up to
    // 200 pixels.
    const int row = top + panelHeight + 4;
    const int labelWidth = WidestSquareSizeText(Label17->fontMetrics()) + 2;
    const int scrollWidth = std::clamp(c.width2D - 8 - labelWidth, 60, 200);
    ScrollBar5->setGeometry(c.left2D, row, scrollWidth, line);
    Label17->setGeometry(c.left2D + scrollWidth + 8, row, std::max(0, c.width2D - scrollWidth - 8), line);
    // Below the 3D view the hint that awaits "Y"; the long deletion prompt on the next line,
    // across both views.
    Label34->setGeometry(Panel3DLeft, row, std::max(0, c.width3D), line);
    Label18->setGeometry(Panel3DLeft, row + line + 2, std::max(0, width - 2 * Panel3DLeft), line);
    GroupBox1->move(Panel3DEngine->geometry().center() - GroupBox1->rect().center());
    MemoLog->setGeometry(Panel2DEngine->geometry());

    views_.ReportPanelSize2D(Panel2DEngine->size());
    views_.ReportPanelSize3D(Panel3DEngine->size());
}

void Form1::Label16Mouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress) splitterDragging_ = true;
    if (event->type() == QEvent::MouseButtonRelease) splitterDragging_ = false;
    if (event->type() != QEvent::MouseMove || !splitterDragging_) return;

    const int offset =
        LimitSplitterOffset(qRound(mouse->position().x()), Panel3DEngine->width(), Panel2DEngine->width());
    const QRect right = Panel2DEngine->geometry();
    Panel2DEngine->setGeometry(right.x() + offset, right.y(), right.width() - offset, right.height());
    Panel3DEngine->resize(Panel3DEngine->width() + offset, Panel3DEngine->height());
    Label16->move(Label16->x() + offset, Label16->y());
    viewSplitRatio_ = SplitRatioOf(Panel2DEngine->width(), Panel3DEngine->width());

    toolbar2D_.panel->move(Panel2DEngine->x(), toolbar2D_.panel->y());
    PlaceToolbarLink();
    MemoLog->setGeometry(Panel2DEngine->geometry());
    views_.ReportPanelSize3D(Panel3DEngine->size());
    views_.ReportPanelSize2D(Panel2DEngine->size());
}

}  // namespace voltaris
