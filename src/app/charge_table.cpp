// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/charge_table.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "app/core_texts.h"
#include "app/undo/step_names.h"
#include "model/charge_editing.h"

namespace voltaris {

// Paints the cells (colours, selected headers, text 2 px in from the corner) and gives every
// cell editor a line edit whose each change goes to the model at once.
class ChargeCellDelegate : public QStyledItemDelegate {
public:
    ChargeCellDelegate(ChargeTable& table, QObject* parent) : QStyledItemDelegate(parent), table_(table) {}

    bool EditorOpen() const { return !openEditor_.isNull(); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        const int row = index.row(), column = index.column();
        ChargeTable* table = &table_;
        connect(edit, &QLineEdit::textEdited, edit,
                [table, row, column](const QString& text) { table->CellTextChanged(row, column, text); });
        openEditor_ = edit;
        table->CellEditorOpened(row, edit);
        return edit;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int row = index.row(), column = index.column();
        QColor background = option.palette.color(QPalette::Base);
        QColor text = Qt::black;
        if (row == 0 || column == 0) background = option.palette.color(QPalette::Button);
        if (column >= 1 && (row == RowAmount || row == RowX)) background = QColor(238, 233, 252);
        if (row == 0 && column >= 1 && table_.Selected(column)) {
            background = option.palette.color(QPalette::Active, QPalette::Highlight);
            text = Qt::white;
        }
        painter->save();
        painter->fillRect(option.rect, background);
        painter->setClipRect(option.rect);
        painter->setPen(text);
        const QFontMetrics metrics(option.font);
        painter->setFont(option.font);
        painter->drawText(option.rect.topLeft() + QPoint(2, 2 + metrics.ascent()), index.data().toString());
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

private:
    ChargeTable& table_;
    mutable QPointer<QWidget> openEditor_;
};

namespace {

constexpr QAbstractItemView::EditTriggers EditingOn =
    QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
    QAbstractItemView::EditKeyPressed;

bool IsDataCell(int row, int column) { return row >= 1 && column >= 1; }

}  // namespace

ChargeTable::ChargeTable(QTableWidget* grid, Project& project, Hooks hooks)
    : QObject(grid), grid_(grid), project_(project), hooks_(std::move(hooks)) {
    delegate_ = new ChargeCellDelegate(*this, this);
    grid_->setItemDelegate(delegate_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setShowGrid(true);
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    // Selecting a cell, by mouse or keyboard, arms in-place editing for the next press.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A press arms for itself before it is handled (MouseDown), not for the next one.
        if (IsDataCell(row, column) && !pressing_) editArmed_ = true;
    });
}

bool ChargeTable::Selected(int column) const {
    const int charge = column - 1;
    return charge >= 0 && charge < project_.Active().ChargeCount && project_.ChargeSelected[charge];
}

void ChargeTable::Fill() {
    // An editor left open would later write its text into whatever cell now stands there.
    if (delegate_->EditorOpen()) grid_->reset();
    const FieldTab& tab = project_.Active();
    grid_->setColumnCount(tab.ChargeCount + 1);
    auto set = [this](int row, int column, const QString& text) {
        QTableWidgetItem* item = grid_->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            grid_->setItem(row, column, item);
        }
        item->setText(text);
        // The title row and column are fixed: never edited, never selected.
        item->setFlags(IsDataCell(row, column) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                               : Qt::ItemIsEnabled);
    };
    for (int row = 0; row < ChargeTableRows; ++row) {
        set(row, 0, TranslatedCoreText(ChargeTableTitle(project_, row)));
        // The header row names the charges ("Ladung 1"); the other rows hold numbers.
        for (int c = 0; c < tab.ChargeCount; ++c) {
            const std::string cell = ChargeTableCell(project_, c, row);
            set(row, c + 1, row == RowHeader ? TranslatedCoreText(cell) : QString::fromStdString(cell));
        }
    }
    grid_->viewport()->update();
}

void ChargeTable::ShowOrHide() {
    // The hint stays behind the table and shows while the table is hidden.
    grid_->setVisible(project_.Active().ChargeCount > 0);
}

void ChargeTable::CellTextChanged(int row, int column, const QString& text) {
    // Text that does not parse (yet) stays out of the model; the views follow every keystroke.
    ApplyChargeCellEdit(project_, column - 1, row, text.toStdString());
    if (hooks_.requestRedraw) hooks_.requestRedraw(true);
}

void ChargeTable::CellEditorOpened(int row, QWidget* editor) {
    EditHistory* history = hooks_.history;
    if (!history) return;
    const char* name = row == RowAmount   ? step_names::ChangeAmount
                       : row == RowRadius ? step_names::ResizeCharge
                                          : step_names::ChangePosition;
    // However many keystrokes it takes, one cell edit is one step; the history may go first
    // when the window closes.
    const EditHistory::Token step = history->Begin(name);
    connect(editor, &QObject::destroyed, history, [history, step] { history->End(step); });
}

int ChargeTable::HeaderColumnAt(QPoint position) const {
    for (int column = 1; column < grid_->columnCount(); ++column) {
        const QRect cell = grid_->visualRect(grid_->model()->index(0, column));
        // Strictly inside: the cell's edges do not count.
        if (position.x() > cell.left() && position.x() < cell.right() && position.y() > cell.top() &&
            position.y() < cell.bottom()) {
            return column;
        }
    }
    return -1;
}

void ChargeTable::MouseDown(QPoint position, bool ctrl) {
    const QModelIndex under = grid_->indexAt(position);
    if (under.isValid() && IsDataCell(under.row(), under.column())) editArmed_ = true;

    const int column = HeaderColumnAt(position);
    const bool dragging = hooks_.radiusDragging && hooks_.radiusDragging();
    SelectChargeByHeader(project_, column > 0 ? column - 1 : -1, ctrl, dragging);
    grid_->viewport()->update();
    if (hooks_.selectionChanged) hooks_.selectionChanged();

    grid_->setEditTriggers(editArmed_ ? EditingOn : QAbstractItemView::NoEditTriggers);
    editArmed_ = false;
}

bool ChargeTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        MouseDown(mouse->position().toPoint(), mouse->modifiers() & Qt::ControlModifier);
        pressing_ = true;
    } else if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        pressing_ = false;
    } else if (watched == grid_ && event->type() == QEvent::FocusOut) {
        // Leaving the table (not for its own cell editor) switches editing off.
        QWidget* now = QApplication::focusWidget();
        if (!now || !grid_->isAncestorOf(now)) grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace voltaris
