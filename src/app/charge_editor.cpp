// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/charge_editor.h"

#include <QGuiApplication>
#include <QWindow>

#include "app/undo/step_names.h"
#include "model/charge_editing.h"

namespace voltaris {

ChargeEditor::ChargeEditor(Project& project, GraphViews& views, UserDialogs& dialogs, ChargeEditorControls controls,
                           std::function<void()> refreshChargeTable, EditHistory* history)
    : QObject(controls.window),
      project_(project),
      views_(views),
      dialogs_(dialogs),
      c_(controls),
      refreshChargeTable_(std::move(refreshChargeTable)),
      history_(history) {
    popup3D_ = BuildPopup("PopupMenu1", false, amounts3D_, other3D_, delete3D_);
    popup2D_ = BuildPopup("PopupMenu2", true, amounts2D_, other2D_, delete2D_);
    RetranslateUi();
    connect(&views_.Window3D(), &ViewWindow::contextMenuRequested, popup3D_, [this](const QPoint& at) {
        PreparePopup(false);
        popup3D_->popup(at);
    });
    connect(&views_.Window2D(), &ViewWindow::contextMenuRequested, popup2D_, [this](const QPoint& at) {
        PreparePopup(true);
        popup2D_->popup(at);
    });

    Edit3 = c_.GroupBox1->findChild<QLineEdit*>("Edit3");
    Label24 = c_.GroupBox1->findChild<QLabel*>("Label24");
    connect(c_.GroupBox1->findChild<QPushButton*>("Button7"), &QPushButton::clicked, this, &ChargeEditor::Button7Click);
    connect(c_.GroupBox1->findChild<QPushButton*>("Button8"), &QPushButton::clicked, this, &ChargeEditor::Button8Click);
    connect(Edit3, &QLineEdit::returnPressed, this, &ChargeEditor::Button7Click);  // Enter acts as "OK"
    // The view's window may take the keyboard back while the menu closes, and with it the
    // main window's focus; whenever the main window gets the keyboard while the box is open,
    // its field has it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (amountBoxOpen_ && now && now == MainWindowHandle() && !Edit3->hasFocus()) FocusAmountField();
    });

    connect(c_.ToolButton13, &QToolButton::toggled, c_.CheckBox4, &QCheckBox::setChecked);
    connect(c_.CheckBox4, &QCheckBox::toggled, this, &ChargeEditor::CheckBox4Click);
    connect(c_.ToolButton39, &QToolButton::toggled, this, &ChargeEditor::ToolButton39Click);
}

QMenu* ChargeEditor::BuildPopup(const char* name, bool topView, std::array<QAction*, 6>& amounts, QAction*& other,
                                QAction*& deleteEntry) {
    auto* menu = new QMenu(c_.window);
    menu->setObjectName(name);
    QAction* title = menu->addAction(QString());  // the menu's first entry, see RetranslateUi
    title->setEnabled(false);
    for (size_t i = 0; i < PopupMultiples.size(); ++i) {
        if (i == 0 || i == 3) menu->addSeparator();
        const int multiple = PopupMultiples[i];
        amounts[i] = menu->addAction(QString());
        connect(amounts[i], &QAction::triggered, this, [this, topView, multiple] {
            GraphEngine* engine = topView ? views_.Engine2D() : views_.Engine3D();
            AddChargeAtPick(engine, PopupAmount(multiple, project_.UnitsInElementaryCharges));
        });
    }
    menu->setDefaultAction(amounts[1]);  // "+ &4E-10", shown bold
    menu->addSeparator();
    other = menu->addAction(QString());
    connect(other, &QAction::triggered, this, [this, topView] { OpenAmountBox(topView); });
    // With its entry hidden the separator before it goes too (a menu hides a trailing one).
    menu->addSeparator();
    deleteEntry = menu->addAction(QString());
    connect(deleteEntry, &QAction::triggered, this, &ChargeEditor::DeletePopupCharge);
    return menu;
}

void ChargeEditor::RetranslateUi() {
    for (QMenu* popup : {popup3D_, popup2D_}) popup->actions().first()->setText(tr("Hier Ladung hinzufügen"));
    for (QAction* other : {other3D_, other2D_}) other->setText(tr("&Anderer Betrag"));
    for (QAction* entry : {delete3D_, delete2D_}) entry->setText(tr("Ladung &löschen"));
    SetPopupCaptions();
}

void ChargeEditor::PreparePopup(bool topView) {
    const GraphEngine* engine = topView ? views_.Engine2D() : views_.Engine3D();
    popupTab_ = project_.ActiveTab;
    popupCharge_ = engine ? ChargeUnderPoint(project_, engine->pickedX, engine->pickedZ) : -1;
    DeleteEntry(topView)->setVisible(popupCharge_ >= 0);
}

void ChargeEditor::DeletePopupCharge() {
    // The tab may have changed while the menu was open.
    if (popupTab_ != project_.ActiveTab || popupCharge_ < 0 || popupCharge_ >= project_.Active().ChargeCount) return;
    RecordStep(history_, step_names::DeleteCharge, [this] { DeleteCharge(project_, popupCharge_); });
    popupCharge_ = -1;
    if (refreshChargeTable_) refreshChargeTable_();
    views_.RequestRedraw(true);
}

void ChargeEditor::SetPopupCaptions() {
    const bool inE = project_.UnitsInElementaryCharges;
    for (size_t i = 0; i < PopupMultiples.size(); ++i) {
        amounts3D_[i]->setText(QString::fromStdString(PopupCaption(PopupMultiples[i], inE)));
        amounts2D_[i]->setText(QString::fromStdString(PopupCaption(PopupMultiples[i], inE, !unitEverSwitched_)));
    }
}

bool ChargeEditor::AddChargeAtPick(GraphEngine* engine, float amount) {
    if (!engine) return false;
    bool added = false;
    RecordStep(history_, step_names::AddCharge,
               [&] { added = AddCharge(project_, amount, engine->pickedX, engine->pickedZ, dialogs_); });
    if (!added) return false;
    if (refreshChargeTable_) refreshChargeTable_();
    views_.RequestRedraw(true);
    return true;
}

void ChargeEditor::OpenAmountBox(bool topView) {
    amountForTopView_ = topView;
    amountBoxOpen_ = true;
    c_.GroupBox1->show();
    c_.GroupBox1->raise();
    Edit3->setModified(false);
    FocusAmountField();
    // The right click that opened the menu gave the keyboard to the view's own window; the
    // typing belongs to the field, which lives in the main window.
    if (QWindow* window = MainWindowHandle()) window->requestActivate();
}

QWindow* ChargeEditor::MainWindowHandle() const { return c_.window->window()->windowHandle(); }

void ChargeEditor::FocusAmountField() {
    Edit3->setFocus(Qt::PopupFocusReason);
    // Until the user types, a new amount replaces the old one.
    if (!Edit3->isModified()) Edit3->selectAll();
}

void ChargeEditor::Button7Click() {
    c_.GroupBox1->hide();
    amountBoxOpen_ = false;
    float amount = 0;
    if (AmountOfBoxText(project_, Edit3->text().toStdString(), amount, dialogs_)) {
        AddChargeAtPick(amountForTopView_ ? views_.Engine2D() : views_.Engine3D(), amount);
    }
    Q_EMIT amountBoxClosed();
}

void ChargeEditor::Button8Click() {
    c_.GroupBox1->hide();
    amountBoxOpen_ = false;
    Q_EMIT amountBoxClosed();
}

void ChargeEditor::CheckBox4Click(bool checked) {
    // Stored amounts and the table stay; only the computation swaps the signs.
    RecordStep(history_, step_names::SwapSigns, StepScope::Project, [&] { project_.SignFactor = checked ? -1 : 1; });
    views_.RequestRedraw(true);
}

void ChargeEditor::ToolButton39Click(bool down) {
    project_.UnitsInElementaryCharges = down;
    unitEverSwitched_ = true;
    Label24->setText(down ? "e" : "C");
    SetPopupCaptions();
    // The table and the particle's charge (with its unit label) are shown anew in the unit.
    if (refreshChargeTable_) refreshChargeTable_();
}

}  // namespace voltaris
