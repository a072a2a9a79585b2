// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pages/bottom_pages.h"
#include "app/pages/page_helpers.h"

namespace voltaris::pages {

BremsstrahlungPage BuildBremsstrahlungPage() {
    BremsstrahlungPage p;
    p.page = Named(new QWidget, "TabSheetBremsstrahlung");
    p.Button5 = MakePageButton("Button5");  // its caption follows the switch
    QHBoxLayout* row = MakePageRow(p.page, p.Button5);

    p.GroupBox3 = Named(new QGroupBox, "GroupBox3");
    KeepRoomWhenHidden(p.GroupBox3);
    p.GroupBox3->hide();
    row->addWidget(p.GroupBox3, 1);
    auto* column = new QVBoxLayout(p.GroupBox3);
    column->setSpacing(2);
    column->addWidget(MakeLabel("Label26", {}));
    column->addWidget(MakeLabel("Label36", {}));

    // The factor box sits in the gap of the sentence (placed by RetranslateBremsstrahlungPage).
    QLabel* sentence = MakeLabel("Label27", {});
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
    column->addWidget(sentence);

    QLabel* tip = MakeLabel("Label28", {});
    tip->setStyleSheet("background-color: yellow; font-style: italic;");
    column->addWidget(tip);
    RetranslateBremsstrahlungPage(p);
    return p;
}

void RetranslateBremsstrahlungPage(const BremsstrahlungPage& p) {
    p.GroupBox3->setTitle(QCoreApplication::translate("BremsstrahlungPage", "Bremsstrahlung"));
    SetCaption(p.page, "Label26",
               QCoreApplication::translate("BremsstrahlungPage",
                                           "Die nicht-relativistische Bremsstrahlung ist so gering, dass man ihre "
                                           "Auswirkungen in der Simulation nicht sehen kann."));
    SetCaption(p.page, "Label36",
               QCoreApplication::translate("BremsstrahlungPage",
                                           "Um die Wirkung der Strahlung trotzdem sichtbar zu machen, wird die "
                                           "Bremsstrahlung in der Simulation stark verstärkt."));
    SetCaption(p.page, "Label28",
               QCoreApplication::translate("BremsstrahlungPage",
                                           "Tipp: Um die Flugbahn zu verlängern, erhöhen Sie im Tab \"Bewegte "
                                           "Ladungen\" die Anzahl der Berechnungen!"));

    // The sentence with the gap for the factor box, and the words before the gap.
    //: The blanks are the gap the factor box sits in; keep them, and the words before them as
    //: in the entry "Die Bremsstrahlung wird um den Faktor ".
    const QString sentenceText =
        QCoreApplication::translate("BremsstrahlungPage", "Die Bremsstrahlung wird um den Faktor                 erhöht.");
    //: The words of the factor sentence before its gap, with the blank that follows them.
    const QString beforeGap = QCoreApplication::translate("BremsstrahlungPage", "Die Bremsstrahlung wird um den Faktor ");
    auto* sentence = qobject_cast<QLabel*>(p.Edit4->parentWidget());
    sentence->setText(sentenceText);
    // The sentence is as tall as the box in it; both are centred on the same line.
    const QFontMetrics metrics(sentence->font());
    const int height = std::max(sentence->sizeHint().height(), p.Edit4->sizeHint().height());
    sentence->setFixedHeight(height);
    p.Edit4->setGeometry(metrics.horizontalAdvance(beforeGap), 0, metrics.horizontalAdvance("                "),
                         height);
}

}  // namespace voltaris::pages
