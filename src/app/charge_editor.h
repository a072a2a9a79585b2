// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <functional>

#include "app/undo/edit_history.h"
#include "engine/gui/graph_views.h"
#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris {

// The controls of the main window that take part in adding charges and in the two charge
// switches.
struct ChargeEditorControls {
    QWidget* window;
    QGroupBox* GroupBox1;  // the amount box with Edit3, Label24, Button7 "OK", Button8 "X"
    QToolButton* ToolButton13;  // "+/-"
    QToolButton* ToolButton39;  // unit switch
    QCheckBox* CheckBox4;       // carries the sign swap
};

// Adding charges from either view's pop-up menu or the amount box, deleting the charge a pop-up
// menu was opened on, the sign swap and the unit switch. Each change of the model is a step of
// `history` (when given).
class ChargeEditor : public QObject {
    Q_OBJECT
public:
    ChargeEditor(Project& project, GraphViews& views, UserDialogs& dialogs, ChargeEditorControls controls,
                 std::function<void()> refreshChargeTable, EditHistory* history = nullptr);

    // PopupMenu1 (3D view) and PopupMenu2 (top view).
    QMenu* Popup(bool topView) const { return topView ? popup2D_ : popup3D_; }
    // The six amount entries of a pop-up menu, in menu order.
    const std::array<QAction*, 6>& AmountEntries(bool topView) const { return topView ? amounts2D_ : amounts3D_; }
    QAction* OtherAmountEntry(bool topView) const { return topView ? other2D_ : other3D_; }
    // "Ladung &löschen": shown only when the menu was opened on a charge.
    QAction* DeleteEntry(bool topView) const { return topView ? delete2D_ : delete3D_; }

    bool AmountBoxOpen() const { return amountBoxOpen_; }

    // The pop-up menus' texts in the interface's language.
    void RetranslateUi();

    // Adds a charge of `amount` coulomb at the point picked in the given view; with the table
    // refresh and the redraw when it was added.
    bool AddChargeAtPick(GraphEngine* engine, float amount);

Q_SIGNALS:
    // "OK" (after its charge was added) or "X".
    void amountBoxClosed();

private:
    QMenu* BuildPopup(const char* name, bool topView, std::array<QAction*, 6>& amounts, QAction*& other,
                      QAction*& deleteEntry);
    // Before a view's pop-up menu opens: the charge under the picked point, if any, is the
    // one its delete entry removes.
    void PreparePopup(bool topView);
    void DeletePopupCharge();
    void SetPopupCaptions();
    void OpenAmountBox(bool topView);
    void FocusAmountField();
    QWindow* MainWindowHandle() const;
    void Button7Click();
    void Button8Click();
    void CheckBox4Click(bool checked);
    void ToolButton39Click(bool down);

    Project& project_;
    GraphViews& views_;
    UserDialogs& dialogs_;
    ChargeEditorControls c_;
    std::function<void()> refreshChargeTable_;
    QMenu *popup3D_ = nullptr, *popup2D_ = nullptr;
    std::array<QAction*, 6> amounts3D_{}, amounts2D_{};
    QAction *other3D_ = nullptr, *other2D_ = nullptr;
    QAction *delete3D_ = nullptr, *delete2D_ = nullptr;
    EditHistory* history_;
    int popupTab_ = -1, popupCharge_ = -1;  // what the delete entry of the open menu removes
    QLineEdit* Edit3 = nullptr;
    QLabel* Label24 = nullptr;
    bool amountBoxOpen_ = false;
    bool amountForTopView_ = false;  // the view whose menu opened the amount box
    bool unitEverSwitched_ = false;  // the top view's "- 8&E-10" lasts until then
};

}  // namespace voltaris
