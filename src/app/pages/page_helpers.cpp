// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pages/page_helpers.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QSignalBlocker>
#include <algorithm>

#include "model/number_format.h"

namespace voltaris::pages {

namespace {

class LanguageChangeWatch : public QObject {
public:
    LanguageChangeWatch(QWidget* widget, QObject* owner, std::function<void()> retranslate)
        : QObject(owner), retranslate_(std::move(retranslate)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslate_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> retranslate_;
};

}  // namespace

QPushButton* MakePageButton(const char* name) {
    auto* button = Named(new QPushButton, name);
    button->setDefault(true);
    QFont font = button->font();
    font.setPointSize(font.pointSize() + 2);
    font.setBold(true);
    button->setFont(font);
    return button;
}

void ShowPageButtonCaption(QPushButton* button, const QString& caption, const QString& otherCaption) {
    button->setText(otherCaption);
    const int otherWidth = button->sizeHint().width();
    button->setText(caption);
    button->setFixedSize(std::max({110, otherWidth, button->sizeHint().width()}), 90);
}

void OnLanguageChange(QWidget* widget, QObject* owner, std::function<void()> retranslate) {
    new LanguageChangeWatch(widget, owner, std::move(retranslate));
}

void RestyleTypedNumber(QLineEdit* box) {
    const bool comma = InterfaceNumberStyle() == NumberStyle::DecimalComma;
    const std::string text = box->text().toStdString();
    std::string restyled = text;
    std::replace(restyled.begin(), restyled.end(), comma ? '.' : ',', comma ? ',' : '.');
    double before = 0, after = 0;
    if (restyled == text || !TryParseTypedNumber(restyled, after)) return;
    if (TryParseTypedNumber(text, before) && before != after) return;
    const bool typed = box->isModified();
    const QSignalBlocker sameNumber(box);
    box->setText(QString::fromStdString(restyled));
    box->setModified(typed);
}

void SetCaption(QWidget* parent, const char* name, const QString& caption) {
    QWidget* widget = parent->findChild<QWidget*>(name);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    }
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
