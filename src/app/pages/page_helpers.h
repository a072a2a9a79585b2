// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <functional>

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

// The large button at the left edge of a page (the page's default button); its captions come
// from ShowPageButtonCaption.
QPushButton* MakePageButton(const char* name);

// Shows `caption` on a page button, which is made wide enough for either of its captions, so
// that it neither moves nor cuts its text when it switches (also after a change of language).
void ShowPageButtonCaption(QPushButton* button, const QString& caption, const QString& otherCaption);

// Runs `retranslate` whenever `widget` is told that the interface language changed (a
// translator was installed or removed), for as long as `owner` lives. The pages are plain
// widgets filled by functions, so this stands in for a changeEvent of their own.
void OnLanguageChange(QWidget* widget, QObject* owner, std::function<void()> retranslate);

// After a change of language: a number the user typed in the other style (decimal comma or
// point) is written in the style now in force, as the same number, so that it still reads when
// the box is confirmed or left. Whether the box counts as typed into stays as it was.
void RestyleTypedNumber(QLineEdit* box);

// Sets the caption of a label, button or group box found by its object name below `parent`.
void SetCaption(QWidget* parent, const char* name, const QString& caption);

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
