// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

ParticlePage BuildParticlePage() {
    ParticlePage p;
    p.page = Named(new QWidget, "TabSheetBewegteLadung");
    p.Button11 = MakePageButton("Button11");
    QHBoxLayout* row = MakePageRow(p.page, p.Button11);

    p.GroupBox4 = Named(new QGroupBox, "GroupBox4");
    KeepRoomWhenHidden(p.GroupBox4);
    p.GroupBox4->hide();
    row->addWidget(p.GroupBox4, 1);
    auto* grid = new QGridLayout(p.GroupBox4);
    grid->setVerticalSpacing(2);

    grid->addWidget(MakeLabel("Label8", {}), 0, 0, 1, 2);
    p.Button1 = Named(new QPushButton, "Button1");
    p.Button2 = Named(new QPushButton, "Button2");
    p.Button13 = Named(new QPushButton, "Button13");
    p.Button14 = Named(new QPushButton, "Button14");
    grid->addWidget(p.Button1, 1, 0);
    grid->addWidget(p.Button2, 1, 1);
    grid->addWidget(p.Button13, 2, 0);
    grid->addWidget(p.Button14, 2, 1);
    grid->addWidget(MakeLabel("Label11", {}), 3, 0);

    grid->addWidget(MakeLabel("Label13", {}), 0, 2, 1, 3);
    grid->addWidget(MakeLabel("Label1", {}), 1, 2);
    p.Edit1 = Named(new QLineEdit("-1,6E-19"), "Edit1");
    grid->addWidget(p.Edit1, 1, 3);
    p.Label20 = MakeLabel("Label20", "C");
    grid->addWidget(p.Label20, 1, 4);
    grid->addWidget(MakeLabel("Label2", {}), 2, 2);
    p.Edit2 = Named(new QLineEdit("9,1E-31"), "Edit2");
    grid->addWidget(p.Edit2, 2, 3);
    grid->addWidget(MakeLabel("Label33", "kg"), 2, 4);
    p.Label7 = MakeLabel("Label7", {});  // filled by the page's controller
    grid->addWidget(p.Label7, 3, 2, 1, 3);

    grid->addWidget(MakeLabel("Label3", {}), 0, 5);
    p.ScrollBar1 = MakeScrollBar("ScrollBar1", 0, 3000000, 500000);
    p.ScrollBar1->setSingleStep(10);
    p.ScrollBar1->setPageStep(100);
    grid->addWidget(p.ScrollBar1, 1, 5);
    p.Label6 = MakeLabel("Label6", {});  // filled by the page's controller
    grid->addWidget(p.Label6, 1, 6);
    grid->addWidget(MakeLabel("Label9", {}), 2, 5);
    p.ScrollBar3 = MakeScrollBar("ScrollBar3", 4000, 1000000, 100000);
    grid->addWidget(p.ScrollBar3, 3, 5);
    p.Label10 = MakeLabel("Label10", "100000");
    grid->addWidget(p.Label10, 3, 6);

    p.Label37 = MakeLabel("Label37", {});
    QFont link = p.Label37->font();
    link.setUnderline(true);
    p.Label37->setFont(link);
    p.Label37->setStyleSheet("color: blue;");
    p.Label37->setCursor(Qt::PointingHandCursor);
    grid->addWidget(p.Label37, 0, 6);

    // The start as numbers, beside the mouse editing in the top view.
    grid->addWidget(MakeLabel("LabelStart", {}), 0, 7, 1, 3);
    auto addStartField = [&](int row, const char* labelName, const char* name, const QString& unit) {
        grid->addWidget(MakeLabel(labelName, {}), row, 7);
        auto* edit = Named(new QLineEdit, name);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("-8,88E-88") + 16);
        grid->addWidget(edit, row, 8);
        grid->addWidget(MakeLabel(QString(name) + "Unit", unit), row, 9);
        return edit;
    };
    p.EditStartX = addStartField(1, "LabelStartX", "EditStartX", "m");
    p.EditStartY = addStartField(2, "LabelStartY", "EditStartY", "m");
    p.EditStartDirection = addStartField(3, "LabelStartDirection", "EditStartDirection", "°");
    grid->setColumnStretch(10, 1);

    // In the group's title row, right of its title, where it costs the views no height.
    p.LabelNonClassical = MakeLabel("LabelNonClassical", {}, p.GroupBox4);  // filled when shown
    p.LabelNonClassical->setStyleSheet("color: red;");
    p.LabelNonClassical->hide();
    RetranslateParticlePage(p);
    return p;
}

void RetranslateParticlePage(const ParticlePage& p) {
    p.GroupBox4->setTitle(QCoreApplication::translate("ParticlePage", "Ion, Elektron, Positron"));
    SetCaption(p.page, "Label8", QCoreApplication::translate("ParticlePage", "Bitte ein Teilchen auswählen"));
    p.Button1->setText(QCoreApplication::translate("ParticlePage", "Elektron"));
    p.Button2->setText(QCoreApplication::translate("ParticlePage", "Positron"));
    p.Button13->setText(QCoreApplication::translate("ParticlePage", "H-Kern"));
    p.Button14->setText(QCoreApplication::translate("ParticlePage", "He-Kern"));
    SetCaption(p.page, "Label11", QCoreApplication::translate("ParticlePage", "oder"));
    SetCaption(p.page, "Label13", QCoreApplication::translate("ParticlePage", "Daten manuell eingeben"));
    SetCaption(p.page, "Label1", QCoreApplication::translate("ParticlePage", "Ladung:"));
    SetCaption(p.page, "Label2", QCoreApplication::translate("ParticlePage", "Masse:"));
    SetCaption(p.page, "Label3", QCoreApplication::translate("ParticlePage", "Anfangsgeschwindigkeit:"));
    SetCaption(p.page, "Label9", QCoreApplication::translate("ParticlePage", "Anzahl Rechnungen:"));
    p.Label37->setText(QCoreApplication::translate("ParticlePage", "dt neu berechnen"));
    SetCaption(p.page, "LabelStart", QCoreApplication::translate("ParticlePage", "Startpunkt und Richtung:"));
    SetCaption(p.page, "LabelStartX", QCoreApplication::translate("ParticlePage", "x:"));
    SetCaption(p.page, "LabelStartY", QCoreApplication::translate("ParticlePage", "y:"));
    SetCaption(p.page, "LabelStartDirection", QCoreApplication::translate("ParticlePage", "Richtung:"));
}

}  // namespace voltaris::pages
