// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

SlowMotionPage BuildSlowMotionPage() {
    SlowMotionPage p;
    p.page = Named(new QWidget, "TabSheetZeitlupe");
    p.Button9 = MakePageButton("Button9");  // its caption, the heading and the readouts are the controller's
    QHBoxLayout* row = MakePageRow(p.page, p.Button9);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    row->addLayout(grid, 1);
    p.Label30 = MakeHeading("Label30", {});
    grid->addWidget(p.Label30, 0, 0, 1, 2);
    // Takes the page's width (about 900 pixels at the design size); narrower windows get less.
    p.PaintBox3 = MakePaintBox("PaintBox3", 300, 57, false);
    grid->addWidget(p.PaintBox3, 1, 0, 1, 2);
    p.Label31 = MakeLabel("Label31", {});
    p.Label31->hide();  // shown while a replay runs and after it ends
    grid->addWidget(p.Label31, 2, 0);
    p.Label32 = MakeLabel("Label32", {});
    grid->addWidget(p.Label32, 2, 1);
    p.Label12 = MakeLabel("Label12", {});
    grid->addWidget(p.Label12, 3, 0);
    p.ScrollBar4 = MakeScrollBar("ScrollBar4", 1, 100, 25);
    grid->addWidget(p.ScrollBar4, 3, 1);

    // The particle's energies at the marker, and the choice of what the diagram plots.
    auto* choice = new QHBoxLayout;
    choice->addWidget(MakeLabel("LabelDiagram", {}));
    p.ComboBoxDiagram = Named(new QComboBox, "ComboBoxDiagram");
    p.ComboBoxDiagram->addItems({QString(), QString()});
    // Its items change with the language: the box follows their width.
    p.ComboBoxDiagram->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    choice->addWidget(p.ComboBoxDiagram);
    choice->addStretch(1);
    grid->addLayout(choice, 0, 2);
    auto* energies = new QVBoxLayout;
    energies->setSpacing(0);
    p.LabelKinetic = MakeLabel("LabelKinetic", {});
    p.LabelPotential = MakeLabel("LabelPotential", {});
    p.LabelTotal = MakeLabel("LabelTotal", {});
    for (QLabel* label : {p.LabelKinetic, p.LabelPotential, p.LabelTotal}) energies->addWidget(label);
    energies->addStretch(1);
    grid->addLayout(energies, 1, 2);
    p.LabelRadiated = MakeLabel("LabelRadiated", {});
    KeepRoomWhenHidden(p.LabelRadiated);
    p.LabelRadiated->hide();  // shown while the path radiates
    grid->addWidget(p.LabelRadiated, 2, 2);
    grid->setColumnStretch(0, 1);  // the diagram takes what the energies leave
    grid->setColumnStretch(1, 1);
    RetranslateSlowMotionPage(p);
    return p;
}

void RetranslateSlowMotionPage(const SlowMotionPage& p) {
    SetCaption(p.page, "LabelDiagram", QCoreApplication::translate("SlowMotionPage", "Diagramm:"));
    p.ComboBoxDiagram->setItemText(0, QCoreApplication::translate("SlowMotionPage", "Geschwindigkeit"));
    p.ComboBoxDiagram->setItemText(1, QCoreApplication::translate("SlowMotionPage", "Energien"));
    // Room for the longest texts ("Potenzielle Energie: -4,36E-18 J = -27,2 eV") without the
    // column, and with it the diagram, jumping while the replay runs.
    const QFontMetrics metrics = p.LabelPotential->fontMetrics();
    const QString potential = QCoreApplication::translate("SlowMotionPage", "Potenzielle Energie: %1");
    const QString radiated = QCoreApplication::translate("SlowMotionPage", "Abgestrahlte Energie: %1");
    p.LabelPotential->setMinimumWidth(std::max(metrics.horizontalAdvance(potential.arg("-8,88E-88 J = -888 eV")),
                                               metrics.horizontalAdvance(radiated.arg("8,88E-88 J = 0,0888 eV"))));
}

}  // namespace voltaris::pages
