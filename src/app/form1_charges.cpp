// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "app/core_texts.h"
#include "app/form1.h"
#include "app/pages/particle_pages.h"
#include "app/view_commands.h"

namespace voltaris {

void Form1::ConnectEditing() {
    ChargeEditorControls controls{this, GroupBox1, findChild<QToolButton*>("ToolButton13"),
                                  findChild<QToolButton*>("ToolButton39"), pages_.misc.CheckBox4};
    chargeEditor_ = new ChargeEditor(
        project_, views_, dialogs_, controls, [this] { RefreshChargeTable(); }, &history_);
    // A view ignores the mouse leaving it while its pop-up menu or the amount box is open:
    // the menu's command and the box add their charge at the point picked before. Once they
    // are done, a pointer no longer over a view clears what it showed.
    for (const bool topView : {false, true}) {
        connect(chargeEditor_->Popup(topView), &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &Form1::PointerMayHaveLeftViews); });
    }
    connect(chargeEditor_, &ChargeEditor::amountBoxClosed, this, &Form1::PointerMayHaveLeftViews);

    ChargeTable::Hooks hooks;
    hooks.requestRedraw = [this](bool surfaceToo) { RequestRedraw(surfaceToo); };
    hooks.selectionChanged = [this] { views_.PublishScene(); };
    hooks.radiusDragging = [this] { return mouseState_.topView.radiusDragging; };
    hooks.history = &history_;
    chargeTable_ = new ChargeTable(pages_.staticCharges.StringGridDB, project_, std::move(hooks));

    displayOptions_ =
        new DisplayOptions(views_, toolbar3D_, toolbar2D_, menu3D_, menu2D_, pages_.misc, pages_.render, this);
    ConnectViewCommands(views_, menu3D_, menu2D_, this);
}

void Form1::RefreshChargeTable() {
    // The sliders bring values beyond their range into it: that is no step of the user's.
    const EditHistory::Quiet refreshing(history_);
    const FieldTab& tab = project_.Active();
    // Moving the scroll bar runs its change handling, which snaps the resolution onto it.
    ScrollBar5->setValue(ScrollPositionOfResolution(tab.Resolution));
    project_.unitLength = UnitLengthOf(tab.Resolution);
    Label17->setText(TranslatedCoreText(SquareSizeLabel(project_.unitLength)));
    chargeTable_->Fill();
    particlePages_->FillParticlePage();
    chargeTable_->ShowOrHide();
}

}  // namespace voltaris
