// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/page_helpers.h"

#include <algorithm>

namespace voltaris::pages {

QPushButton* MakePageButton(const char* name, const QString& caption, const QString& otherCaption) {
    auto* button = Named(new QPushButton(otherCaption), name);
    button->setDefault(true);
    QFont font = button->font();
    font.setPointSize(font.pointSize() + 2);
    font.setBold(true);
    button->setFont(font);
    const int otherWidth = button->sizeHint().width();
    button->setText(caption);
    button->setFixedSize(std::max({110, otherWidth, button->sizeHint().width()}), 90);
    return button;
}

QHBoxLayout* MakePageRow(QWidget* page, QPushButton* button) {
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(button, 0, Qt::AlignLeft | Qt::AlignTop);
    return row;
}

void KeepRoomWhenHidden(QWidget* part) {
    QSizePolicy policy = part->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    part->setSizePolicy(policy);
}

QScrollBar* MakeScrollBar(const QString& name, int minimum, int maximum, int position) {
    auto* bar = Named(new QScrollBar(Qt::Horizontal), name);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setMinimumWidth(160);
    return bar;
}

QLabel* MakeHeading(const char* name, const QString& text) {
    QLabel* label = MakeLabel(name, text);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

QWidget* MakePaintBox(const char* name, int width, int height, bool white) {
    auto* box = Named(new QWidget, name);
    box->setMinimumSize(width, height);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, white ? QColor(Qt::white) : palette.color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

}  // namespace voltaris::pages
