// SPDX-License-Identifier: GPL-3.0-or-later
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
    auto box = [&](const char* name, const char* caption, int row, int column) {
        auto* check = Named(new QCheckBox(caption), name);
        grid->addWidget(check, row, column);
        return check;
    };
    // The captions do not describe what the boxes carry; the names do (3D left, 2D right).
    p.CheckBox1 = box("CheckBox1", "Feldlinien anzeigen", 0, 0);
    p.CheckBox2 = box("CheckBox2", "Feldlinien anzeigen", 0, 1);
    p.CheckBox9 = box("CheckBox9", "viele Feldlinien anzeigen", 1, 0);
    p.CheckBox3 = box("CheckBox3", "viele Feldlinien anzeigen", 1, 1);
    p.CheckBox7 = box("CheckBox7", "nur", 2, 0);
    p.CheckBox8 = box("CheckBox8", "nur", 2, 1);
    p.CheckBox5 = box("CheckBox5", "Aquiportenziallinien zeigen (II)", 3, 0);
    p.CheckBox6 = box("CheckBox6", "Aquiportenziallinien zeigen (II)", 3, 1);
    p.CheckBox10 = box("CheckBox10", "Realfeldlinien zeigen", 4, 0);
    p.CheckBox11 = box("CheckBox11", "Realfeldlinien zeigen", 4, 1);
    p.CheckBox4 = box("CheckBox4", "Positive und negative Ladungen vertauschen", 5, 0);
    p.CheckBox2->setChecked(true);
    return p;
}

}  // namespace voltaris::pages
