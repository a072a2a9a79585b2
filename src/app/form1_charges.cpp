#include <QLabel>
#include <QToolButton>

#include "app/form1.h"
#include "app/pages/particle_pages.h"

namespace voltaris {

void Form1::ConnectEditing() {
    ChargeEditorControls controls{this, GroupBox1, findChild<QToolButton*>("ToolButton13"),
                                  findChild<QToolButton*>("ToolButton39"), pages_.misc.CheckBox4};
    chargeEditor_ = new ChargeEditor(project_, views_, dialogs_, controls, [this] { RefreshChargeTable(); });

    ChargeTable::Hooks hooks;
    hooks.requestRedraw = [this](bool surfaceToo) { RequestRedraw(surfaceToo); };
    hooks.selectionChanged = [this] { views_.PublishScene(); };
    hooks.radiusDragging = [this] { return mouseState_.topView.radiusDragging; };
    chargeTable_ = new ChargeTable(pages_.staticCharges.StringGridDB, project_, std::move(hooks));

    displayOptions_ =
        new DisplayOptions(views_, toolbar3D_, toolbar2D_, menu3D_, menu2D_, pages_.misc, pages_.render, this);
}

void Form1::RefreshChargeTable() {
    const FieldTab& tab = project_.Active();
    // Moving the scroll bar runs its change handling, which snaps the resolution onto it.
    ScrollBar5->setValue(ScrollPositionOfResolution(tab.Resolution));
    project_.unitLength = UnitLengthOf(tab.Resolution);
    Label17->setText(QString::fromStdString(SquareSizeLabel(project_.unitLength)));
    chargeTable_->Fill();
    particlePages_->FillParticlePage();
    chargeTable_->ShowOrHide();
}

}  // namespace voltaris
