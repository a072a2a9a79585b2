// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

AlternatingVoltagePage BuildAlternatingVoltagePage() {
    AlternatingVoltagePage p;
    p.page = Named(new QWidget, "TabSheetWechselspannung");
    p.Button12 = MakePageButton("Button12");  // its caption follows the run
    QHBoxLayout* row = MakePageRow(p.page, p.Button12);

    auto* frequency = new QGridLayout;
    p.PaintBox1 = MakePaintBox("PaintBox1", 88, 57, true);
    p.PaintBox1->setFixedSize(88, 57);
    frequency->addWidget(p.PaintBox1, 0, 0);
    p.Label19 = MakeLabel("Label19", {});  // the readouts are the controller's
    frequency->addWidget(p.Label19, 1, 0);
    p.ScrollBar7 = MakeScrollBar("ScrollBar7", 1, 15000, 1200);
    frequency->addWidget(p.ScrollBar7, 2, 0);
    row->addLayout(frequency);

    auto* diagram = new QGridLayout;
    diagram->addWidget(MakeHeading("Label23", {}), 0, 0, 1, 2);
    // Takes the page's width (about 800 pixels at the design size); narrower windows get less.
    p.PaintBox2 = MakePaintBox("PaintBox2", 300, 57, false);
    diagram->addWidget(p.PaintBox2, 1, 0, 1, 2);
    p.Label21 = MakeLabel("Label21", {});
    diagram->addWidget(p.Label21, 2, 0);
    p.Label22 = MakeLabel("Label22", {});
    diagram->addWidget(p.Label22, 2, 1);
    row->addLayout(diagram, 1);
    RetranslateAlternatingVoltagePage(p);
    return p;
}

void RetranslateAlternatingVoltagePage(const AlternatingVoltagePage& p) {
    SetCaption(p.page, "Label23", QCoreApplication::translate("AlternatingVoltagePage", "Zeit-Geschwindigkeits-Diagramm"));
}

}  // namespace voltaris::pages
