// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStackedLayout>
#include <algorithm>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

StaticChargesPage BuildStaticChargesPage() {
    StaticChargesPage p;
    p.page = Named(new QWidget, "TabSheetStatischeLadungen");
    auto* stack = new QStackedLayout(p.page);
    stack->setStackingMode(QStackedLayout::StackAll);

    p.StringGridDB = Named(new QTableWidget(5, 1), "StringGridDB");
    p.StringGridDB->horizontalHeader()->hide();
    p.StringGridDB->verticalHeader()->hide();
    p.StringGridDB->verticalHeader()->setDefaultSectionSize(20);
    p.StringGridDB->horizontalHeader()->setDefaultSectionSize(67);
    p.StringGridDB->setFrameShape(QFrame::NoFrame);
    p.StringGridDB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // All five rows always show, with room below them for the scroll bar that many charges
    // bring.
    p.StringGridDB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    p.StringGridDB->setMinimumHeight(5 * p.StringGridDB->verticalHeader()->defaultSectionSize() +
                                     p.StringGridDB->horizontalScrollBar()->sizeHint().height());
    // The charge table writes these titles itself (in the unit of the project, in the current
    // language) whenever it fills; they stand here until the tab has charges.
    const QString titles[] = {QString(), QCoreApplication::translate("StaticChargesPage", "Q in [C]"),
                              QCoreApplication::translate("StaticChargesPage", "Radius in [m]"),
                              QCoreApplication::translate("StaticChargesPage", "X-Pos in [m]"),
                              QCoreApplication::translate("StaticChargesPage", "Y-Pos in [m]")};
    int titleWidth = 0;
    for (int row = 0; row < 5; ++row) {
        p.StringGridDB->setItem(row, 0, new QTableWidgetItem(titles[row]));
        titleWidth = std::max(titleWidth, p.StringGridDB->fontMetrics().horizontalAdvance(titles[row]) + 8);
    }
    // The row titles column is as wide as its longest title in the font this desktop uses
    // (67 pixels clip "Radius in [m]" in most fonts); the charge columns keep 67.
    p.StringGridDB->setColumnWidth(0, std::max(67, titleWidth));

    p.emptyHint = MakeLabel("LabelKeineLadungen", {});
    p.emptyHint->setWordWrap(true);
    p.emptyHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p.emptyHint->setMargin(8);
    stack->addWidget(p.emptyHint);
    stack->addWidget(p.StringGridDB);
    stack->setCurrentWidget(p.StringGridDB);
    p.StringGridDB->hide();  // shown once the tab has charges
    RetranslateStaticChargesPage(p);
    return p;
}

void RetranslateStaticChargesPage(const StaticChargesPage& p) {
    p.emptyHint->setText(QCoreApplication::translate("StaticChargesPage",
                                                     "Es sind noch keine Ladungen vorhanden. Um Ladungen "
                                                     "hinzuzufügen, auf die gewünschte Stelle rechts klicken."));
}

}  // namespace voltaris::pages
