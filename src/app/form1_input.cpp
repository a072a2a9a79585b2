// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

#include "app/form1.h"
#include "app/undo/step_names.h"
#include "app/view_keys.h"
#include "model/charge_editing.h"

namespace voltaris {

namespace {

// The panel's rectangle on the screen, its right and bottom edges included.
bool OverPanel(const QWidget* panel, QPoint global) {
    const QPoint topLeft = panel->mapToGlobal(QPoint(0, 0));
    return global.x() >= topLeft.x() && global.x() <= topLeft.x() + panel->width() && global.y() >= topLeft.y() &&
           global.y() <= topLeft.y() + panel->height();
}

}  // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Keys and wheel turns reach a window first and then its focused control; taking them
    // at the window sees each one once, also while an edit field has the focus.
    const bool atOurWindow = watched == windowHandle() || watched == &views_.Window3D() ||
                             watched == &views_.Window2D();
    switch (event->type()) {
        case QEvent::KeyPress:
            if (atOurWindow) FormKeyDown(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::Wheel:
            if (watched == pages_.staticCharges.StringGridDB->viewport()) {
                // The charge table does not scroll: the wheel belongs to the views.
                Panel3DEngine->setFocus();
                return true;
            }
            if (atOurWindow) FormMouseWheel(*static_cast<QWheelEvent*>(event));
            break;
        case QEvent::MouseMove:
            if (watched == Label16) Label16Mouse(event);
            else if (watched == TabControl || watched == centralWidget())
                FormMouseMove(*static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (watched == Label16) {
                Label16Mouse(event);
                return true;
            }
            if (watched == LabelLegende && event->type() == QEvent::MouseButtonPress) {
                LabelLegendeClick();
                return true;
            }
            break;
        case QEvent::Resize:
            if (watched == TabControl) TabControlResize();
            if (watched == PanelLegende) LayoutBottomPanel();
            break;
        case QEvent::LayoutRequest:  // a page's needs changed (a text, the font)
            if (watched == PanelLegende) FitBottomPanel();
            break;
        default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::KeepLettersFromMenuBar() {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == menuBar() && old != menuBar()) focusBeforeMenuBar_ = old;
    });
    for (QAction* entry : menuBar()->actions()) {
        if (QMenu* menu = entry->menu()) {
            // Esc marks the menu bar as holding the keyboard only after the menu has closed.
            connect(menu, &QMenu::aboutToHide, this,
                    [this] { QTimer::singleShot(0, this, &Form1::ReturnKeysFromMenuBar); });
        }
    }
}

void Form1::ReturnKeysFromMenuBar() {
    // A menu closed with Esc leaves the menu bar in its keyboard mode, holding the window's
    // focus, where a plain letter opens a menu and the next one runs an item. Letters belong
    // to the key table; Alt with a letter and F10 still reach the menus.
    if (QApplication::activePopupWidget()) return;  // another menu took over
    QMenuBar* bar = menuBar();
    if (focusWidget() == bar) {
        if (focusBeforeMenuBar_ && focusBeforeMenuBar_->isVisible()) {
            focusBeforeMenuBar_->setFocus(Qt::MenuBarFocusReason);
        } else {
            bar->clearFocus();
        }
    }
    // Losing the focus ends the keyboard mode; a bar that took the focus while the window
    // was not active never gets that news.
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MenuBarFocusReason);
    QCoreApplication::sendEvent(bar, &focusOut);
}

void Form1::CancelPendingDeletion() {
    deletePending_ = false;
    Label18->hide();
}

void Form1::FormKeyDown(const QKeyEvent& event) {
    const int key = event.key();
    if (key != Qt::Key_J) CancelPendingDeletion();

    if (key == Qt::Key_Delete) {
        if (AnyChargeSelected(project_)) {
            deletePending_ = true;
            Label18->show();
        }
        return;
    }
    if (key == Qt::Key_J && deletePending_) {
        history_.Record(step_names::DeleteCharge, [this] { DeleteSelectedCharges(project_); });
        CancelPendingDeletion();
        RefreshChargeTable();
        RequestRedraw(true);
        return;
    }
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    if (key == Qt::Key_R && (event.modifiers() & both) == both) {
        ToggleRenderPage();
        return;
    }
    if (views_.Created()) ApplyViewKey(key, *views_.Engine3D(), *views_.Engine2D());
}

bool Form1::FormMouseWheel(const QWheelEvent& event) {
    if (!views_.Created()) return false;
    const QPoint global = event.globalPosition().toPoint();
    GraphEngine* view = nullptr;
    if (OverPanel(Panel3DEngine, global)) {
        view = views_.Engine3D();
    } else if (OverPanel(Panel2DEngine, global)) {
        view = views_.Engine2D();
    }
    if (!view) return false;
    ZoomByWheel(*view, event.angleDelta().y());
    return true;
}

void Form1::FormMouseMove(const QWidget& surface, QPoint position) {
    if (AmountBoxOpen() || !views_.Created()) return;
    // Only where no control covers the window (moves over a label come here too).
    if (surface.childAt(position)) return;
    // The mouse left the views: no cross-hairs, no level plane, no mirrored pointer, no readout.
    ClearPointers(views_, no_point::WindowSurface3D, no_point::WindowSurface2D);
    ShowStatus(1, QString());
}

void Form1::PointerMayHaveLeftViews() {
    if (AmountBoxOpen() || QApplication::activePopupWidget() || !views_.Created()) return;
    const QPoint pointer = QCursor::pos();
    if (OverPanel(Panel3DEngine, pointer) || OverPanel(Panel2DEngine, pointer)) return;
    ClearPointers(views_, no_point::LeftViews3D, no_point::LeftViews2D);
    ShowStatus(1, QString());
}

}  // namespace voltaris
