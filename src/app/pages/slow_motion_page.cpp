#include <QGridLayout>
#include <QHBoxLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

SlowMotionPage BuildSlowMotionPage() {
    SlowMotionPage p;
    p.page = Named(new QWidget, "TabSheetZeitlupe");
    p.Button9 = MakePageButton("Button9", "Start", "Stop");
    QHBoxLayout* row = MakePageRow(p.page, p.Button9);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    row->addLayout(grid, 1);
    grid->addWidget(MakeHeading("Label30", "Zeit-Geschwindigkeits-Diagramm"), 0, 0, 1, 2);
    // Takes the page's width (about 900 pixels at the design size); narrower windows get less.
    p.PaintBox3 = MakePaintBox("PaintBox3", 300, 57, false);
    grid->addWidget(p.PaintBox3, 1, 0, 1, 2);
    p.Label31 = MakeLabel("Label31", "Momentangeschwindigkeit:");
    p.Label31->hide();  // shown while a replay runs and after it ends
    grid->addWidget(p.Label31, 2, 0);
    p.Label32 = MakeLabel("Label32", "Maximalgeschwindigkeit:");
    grid->addWidget(p.Label32, 2, 1);
    p.Label12 = MakeLabel("Label12", "Zeitlupe: 1 s entspricht 2,5E-5 s");
    grid->addWidget(p.Label12, 3, 0);
    p.ScrollBar4 = MakeScrollBar("ScrollBar4", 1, 100, 25);
    grid->addWidget(p.ScrollBar4, 3, 1);
    return p;
}

}  // namespace voltaris::pages
