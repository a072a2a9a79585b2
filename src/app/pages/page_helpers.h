// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>

namespace voltaris::pages {

// Gives a control the name the rest of the program and the tests know it by.
template <class Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

inline QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent = nullptr) {
    return Named(new QLabel(text, parent), name);
}

// The large button at the left edge of a page (the page's default button), wide enough for
// either of its captions so that it neither moves nor cuts its text when it switches.
QPushButton* MakePageButton(const char* name, const QString& caption, const QString& otherCaption);

// The outer layout of a page: its button at the left edge, then the page's contents. Page
// margins are kept small: every pixel they take is taken from the views above.
QHBoxLayout* MakePageRow(QWidget* page, QPushButton* button);

// A part of a page that is hidden now and then keeps its room, so that the page, and with it
// the bottom panel, keeps its size when the part shows.
void KeepRoomWhenHidden(QWidget* part);

QScrollBar* MakeScrollBar(const QString& name, int minimum, int maximum, int position);

// Bold and underlined, as the diagram headings.
QLabel* MakeHeading(const char* name, const QString& text);

// A blank area that a page paints itself (diagrams), white or in the button-face colour,
// at least width x height pixels.
QWidget* MakePaintBox(const char* name, int width, int height, bool white);

}  // namespace voltaris::pages
