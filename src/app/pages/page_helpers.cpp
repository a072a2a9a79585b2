#include "app/pages/page_helpers.h"

namespace voltaris::pages {

QPushButton* MakePageButton(const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(caption), name);
    button->setFixedSize(110, 90);
    button->setDefault(true);
    QFont font = button->font();
    font.setPointSize(font.pointSize() + 2);
    font.setBold(true);
    button->setFont(font);
    return button;
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
