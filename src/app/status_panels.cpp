// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_panels.h"

#include <algorithm>

namespace voltaris {

namespace {
constexpr int Gap = 2;  // between two panels
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setObjectName("StatusBarPanels");
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setTextInteractionFlags(Qt::NoTextInteraction);
    }
}

int StatusPanels::HintWidth(const QString& text) const {
    const QLabel* label = panels_[HintPanel];
    const QMargins frame = label->contentsMargins();
    // A framed label indents its text by half an "x"; the other half keeps the last letter
    // off the frame.
    return frame.left() + frame.right() + label->fontMetrics().horizontalAdvance(text + 'x') + Gap;
}

int StatusPanels::ReadoutsWidth() const {
    int sum = 0;
    for (int i = HintPanel + 1; i < static_cast<int>(panels_.size()) - 1; ++i) sum += widths_[i];
    return sum;
}

void StatusPanels::SetText(int panel, const QString& text) {
    QLabel* label = panels_[panel];
    int needed = 0;
    if (panel == HintPanel) {
        hint_ = text;
        needed = HintWidth(text);
    } else {
        label->setText(text);
        needed = label->sizeHint().width() + Gap;
    }
    if (needed > widths_[panel]) {
        widths_[panel] = needed;
        updateGeometry();
        Arrange();
    } else if (panel == HintPanel) {
        ShowHint();
    }
}

void StatusPanels::ShowHint() {
    QLabel* label = panels_[HintPanel];
    const int room = label->width() - (HintWidth(QString()) - Gap);
    const QString shown = label->fontMetrics().elidedText(hint_, Qt::ElideRight, std::max(0, room));
    label->setText(shown);
    label->setToolTip(shown == hint_ ? QString() : hint_);
}

QSize StatusPanels::sizeHint() const {
    int sum = 0;
    for (int w : widths_) sum += w;
    return {sum, panels_[0]->sizeHint().height()};
}

QSize StatusPanels::minimumSizeHint() const {
    return {ReadoutsWidth() + HintWidth(tr("Hinw…")), panels_[0]->sizeHint().height()};
}

void StatusPanels::resizeEvent(QResizeEvent*) { Arrange(); }

void StatusPanels::Arrange() {
    // The readouts keep their widths; the hint takes what is left of its own width.
    const int hintWidth = std::clamp(width() - ReadoutsWidth(), Gap, widths_[HintPanel]);
    int left = 0;
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        const int w = i == HintPanel ? hintWidth : widths_[i];
        panels_[i]->setGeometry(left, 0, w - Gap, height());
        left += w;
    }
    ShowHint();
}

}  // namespace voltaris
