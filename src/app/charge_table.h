// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>
#include <QTableWidget>
#include <functional>

#include "app/undo/edit_history.h"
#include "model/project.h"

namespace voltaris {

class ChargeCellDelegate;

// The charge table StringGridDB on the page "Statische Ladungen": one column per charge of
// the active tab under a fixed title column, live cell edits into the model, and selection
// of charges by their header cells.
class ChargeTable : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(bool surfaceToo)> requestRedraw;
        std::function<void()> selectionChanged;  // the views show the new marks
        std::function<bool()> radiusDragging;    // header clicks do not mark during a radius drag
        EditHistory* history = nullptr;          // a cell edit, open to close, is one step
    };
    ChargeTable(QTableWidget* grid, Project& project, Hooks hooks);

    // Titles and every charge column from the model, in the interface's language (closes an
    // open cell editor first).
    void Fill();
    // Shown while the tab has charges; otherwise the hint behind it shows.
    void ShowOrHide();

    // Whether the next mouse press on the table switches in-place editing on.
    bool EditArmed() const { return editArmed_; }

    // Called by the delegate when it opens a cell editor, and by the editor on every change
    // of its text.
    void CellEditorOpened(int row, QWidget* editor);
    void CellTextChanged(int row, int column, const QString& text);
    bool Selected(int column) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MouseDown(QPoint position, bool ctrl);
    int HeaderColumnAt(QPoint position) const;

    QTableWidget* grid_;
    Project& project_;
    Hooks hooks_;
    ChargeCellDelegate* delegate_;
    bool editArmed_ = false;
    bool pressing_ = false;  // a mouse button went down on the table and is still held
};

}  // namespace voltaris
