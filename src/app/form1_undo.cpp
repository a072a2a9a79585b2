// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <memory>

#include "app/form1.h"
#include "app/pages/page_helpers.h"
#include "app/pages/particle_pages.h"
#include "app/undo/step_names.h"

namespace voltaris {

using pages::Named;

namespace {

// The top view's mouse handler with every drag that grabbed something (charges, a rim, the
// particle start) made one step, from the press to the release.
class RecordedTopViewMouse : public ViewMouseHandler {
public:
    RecordedTopViewMouse(ViewMouseHandler& handler, const TopViewDrag& drag, EditHistory& history)
        : handler_(handler), drag_(drag), history_(history) {}

    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override {
        handler_.MouseDown(button, modifiers, x, y);
        if (button == Qt::LeftButton && drag_.GrabbedSomething()) step_ = history_.Begin(StepName());
    }
    void MouseMove(int x, int y) override { handler_.MouseMove(x, y); }
    void MouseUp(Qt::MouseButton button, int x, int y) override {
        handler_.MouseUp(button, x, y);
        history_.End(step_);
        step_ = 0;
    }
    void MouseLeave() override { handler_.MouseLeave(); }

private:
    const char* StepName() const {
        if (drag_.radiusDragging) return step_names::ResizeCharge;
        if (drag_.movingCharges) return step_names::MoveCharge;
        if (drag_.movingParticle) return step_names::MoveParticleStart;
        return step_names::TurnParticleStart;
    }

    ViewMouseHandler& handler_;
    const TopViewDrag& drag_;
    EditHistory& history_;
    EditHistory::Token step_ = 0;
};

// Gives an action the text "<caption>: <step>", or the bare caption without a step.
void ShowStepName(QAction* action, const QString& caption, const QString& step) {
    action->setText(step.isEmpty() ? caption : caption + ": " + step_names::Shown(step));
}

}  // namespace

void Form1::BuildEditMenu(QMenuBar* bar) {
    QMenu* edit = Named(bar->addMenu(QString()), "Bearbeiten1");
    QAction* undo = Named(edit->addAction(QString()), "Rueckgaengig1");
    undo->setShortcut(QKeySequence("Ctrl+Z"));
    QAction* redo = Named(edit->addAction(QString()), "Wiederholen1");
    redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});

    const QUndoStack& stack = history_.Stack();
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo,
            [undo](const QString& step) { ShowStepName(undo, tr("&Rückgängig"), step); });
    connect(&stack, &QUndoStack::redoTextChanged, redo,
            [redo](const QString& step) { ShowStepName(redo, tr("&Wiederholen"), step); });
    connect(undo, &QAction::triggered, this, [this] { history_.Undo(); });
    connect(redo, &QAction::triggered, this, [this] { history_.Redo(); });
}

void Form1::RetranslateEditMenu() {
    findChild<QMenu*>("Bearbeiten1")->setTitle(tr("&Bearbeiten"));
    auto* undo = findChild<QAction*>("Rueckgaengig1");
    auto* redo = findChild<QAction*>("Wiederholen1");
    undo->setStatusTip(tr("Nimmt den letzten Schritt zurück."));
    redo->setStatusTip(tr("Führt den zuletzt zurückgenommenen Schritt wieder aus."));
    const QUndoStack& stack = history_.Stack();
    ShowStepName(undo, tr("&Rückgängig"), stack.undoText());
    ShowStepName(redo, tr("&Wiederholen"), stack.redoText());
}

void Form1::ConnectHistory() {
    EditHistory::Host host;
    host.stopRuns = [this] {
        commands_.FinishTabChange();
        StopAlternatingVoltage();
    };
    host.showPutBack = [this](StepScope scope, int32_t shown) { ShowPutBack(scope, shown); };
    // A running alternating voltage holds the charges at one phase: a step sees them as the
    // run's stop will put them back.
    host.resting = [this](int32_t index, FieldTab& tab) {
        particlePages_->alternatingVoltage.Run().PutBackInto(index, tab);
    };
    history_.SetHost(std::move(host));

    recordedMouse2D_ = std::make_unique<RecordedTopViewMouse>(mouse2D_, mouseState_.topView, history_);
    views_.Window2D().SetMouseHandler(recordedMouse2D_.get());

    // A slider held and dragged is one step; the changes it makes are recorded by its
    // handler under the same name.
    auto heldAsOneStep = [this](QScrollBar* slider, const char* name) {
        auto step = std::make_shared<EditHistory::Token>(0);
        connect(slider, &QAbstractSlider::sliderPressed, this, [this, step, name] { *step = history_.Begin(name); });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this, step] { history_.End(*step); });
    };
    heldAsOneStep(ScrollBar5, step_names::ResizeSquare);
    heldAsOneStep(pages_.particle.ScrollBar1, step_names::ParticleSpeed);
    heldAsOneStep(pages_.particle.ScrollBar3, step_names::ParticleSteps);
}

void Form1::ShowPutBack(StepScope scope, int32_t shown) {
    CancelPendingDeletion();
    // The tab the step changed is shown, as a tab change would show it.
    const bool otherTab = shown != project_.ActiveTab;
    if (otherTab) LeaveTab();
    ShowTab(project_, shown, -1);
    if (otherTab || scope == StepScope::Project) ShowTabs(shown);
    if (scope == StepScope::Project) {
        UpdateWindowTitle();
        // The button carries the sign swap to its menu entry and check box.
        findChild<QToolButton*>("ToolButton13")->setChecked(project_.SignFactor < 0);
    }
    views_.DropBuildsInFlight();
    RefreshChargeTable();
    RequestRedraw(true);
}

}  // namespace voltaris
