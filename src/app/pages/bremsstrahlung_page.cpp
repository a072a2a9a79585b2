// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

BremsstrahlungPage BuildBremsstrahlungPage() {
    BremsstrahlungPage p;
    p.page = Named(new QWidget, "TabSheetBremsstrahlung");
    p.Button5 = MakePageButton("Button5", "Aktivieren", "Deaktivieren");
    QHBoxLayout* row = MakePageRow(p.page, p.Button5);

    p.GroupBox3 = Named(new QGroupBox("Bremsstrahlung"), "GroupBox3");
    KeepRoomWhenHidden(p.GroupBox3);
    p.GroupBox3->hide();
    row->addWidget(p.GroupBox3, 1);
    auto* column = new QVBoxLayout(p.GroupBox3);
    column->setSpacing(2);
    column->addWidget(MakeLabel("Label26",
                                "Die nicht-relativistische Bremsstrahlung ist so gering, dass man ihre Auswirkungen "
                                "in der Simulation nicht sehen kann."));
    column->addWidget(MakeLabel("Label36",
                                "Um die Wirkung der Strahlung trotzdem sichtbar zu machen, wird die Bremsstrahlung in "
                                "der Simulation stark verstärkt."));

    // The factor box sits in the gap of the sentence.
    QLabel* sentence = MakeLabel("Label27", "Die Bremsstrahlung wird um den Faktor                 erhöht.");
    QFont italic = sentence->font();
    italic.setItalic(true);
    italic.setPixelSize(16);
    sentence->setFont(italic);
    p.Edit4 = Named(new QLineEdit("0", sentence), "Edit4");
    QFont bold = p.Edit4->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    p.Edit4->setFont(bold);
    p.Edit4->setFrame(false);
    // The sentence is as tall as the box in it; both are centred on the same line.
    const int height = std::max(sentence->sizeHint().height(), p.Edit4->sizeHint().height());
    sentence->setFixedHeight(height);
    const int gapLeft = QFontMetrics(italic).horizontalAdvance("Die Bremsstrahlung wird um den Faktor ");
    p.Edit4->setGeometry(gapLeft, 0, QFontMetrics(italic).horizontalAdvance("                "), height);
    column->addWidget(sentence);

    QLabel* tip = MakeLabel("Label28",
                            "Tipp: Um die Flugbahn zu verlängern, erhöhen Sie im Tab \"Bewegte Ladungen\" die Anzahl "
                            "der Berechnungen!");
    tip->setStyleSheet("background-color: yellow; font-style: italic;");
    column->addWidget(tip);
    return p;
}

}  // namespace voltaris::pages
