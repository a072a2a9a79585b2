// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGridLayout>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

MiscPage BuildMiscPage() {
    MiscPage p;
    p.page = Named(new QWidget, "TabSheetMisc");
    // Never shown, so the page control does not make room for it.
    p.page->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* grid = new QGridLayout(p.page);
    auto box = [&](const char* name, int row, int column) {
        auto* check = Named(new QCheckBox, name);
        grid->addWidget(check, row, column);
        return check;
    };
    // The captions do not describe what the boxes carry; the names do (3D left, 2D right).
    p.CheckBox1 = box("CheckBox1", 0, 0);
    p.CheckBox2 = box("CheckBox2", 0, 1);
    p.CheckBox9 = box("CheckBox9", 1, 0);
    p.CheckBox3 = box("CheckBox3", 1, 1);
    p.CheckBox7 = box("CheckBox7", 2, 0);
    p.CheckBox8 = box("CheckBox8", 2, 1);
    p.CheckBox5 = box("CheckBox5", 3, 0);
    p.CheckBox6 = box("CheckBox6", 3, 1);
    p.CheckBox10 = box("CheckBox10", 4, 0);
    p.CheckBox11 = box("CheckBox11", 4, 1);
    p.CheckBox4 = box("CheckBox4", 5, 0);
    p.CheckBox2->setChecked(true);
    RetranslateMiscPage(p);
    return p;
}

void RetranslateMiscPage(const MiscPage& p) {
    const QString fieldLines = QCoreApplication::translate("MiscPage", "Feldlinien anzeigen");
    const QString manyFieldLines = QCoreApplication::translate("MiscPage", "viele Feldlinien anzeigen");
    const QString only = QCoreApplication::translate("MiscPage", "nur");
    const QString equipotentials = QCoreApplication::translate("MiscPage", "Aquiportenziallinien zeigen (II)");
    const QString realFieldLines = QCoreApplication::translate("MiscPage", "Realfeldlinien zeigen");
    for (QCheckBox* box : {p.CheckBox1, p.CheckBox2}) box->setText(fieldLines);
    for (QCheckBox* box : {p.CheckBox9, p.CheckBox3}) box->setText(manyFieldLines);
    for (QCheckBox* box : {p.CheckBox7, p.CheckBox8}) box->setText(only);
    for (QCheckBox* box : {p.CheckBox5, p.CheckBox6}) box->setText(equipotentials);
    for (QCheckBox* box : {p.CheckBox10, p.CheckBox11}) box->setText(realFieldLines);
    p.CheckBox4->setText(QCoreApplication::translate("MiscPage", "Positive und negative Ladungen vertauschen"));
}

}  // namespace voltaris::pages
