// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undo/edit_history.h"

#include <QDateTime>
#include <QUndoCommand>

namespace voltaris {

// One step: the states before and after, put back on undo and redo. The change itself was
// made before the step was pushed, so the push's own redo does nothing.
class SnapshotStep : public QUndoCommand {
public:
    static constexpr int BurstId = 1;

    SnapshotStep(EditHistory& history, const QString& name, ModelState before, ModelState after, bool burst)
        : QUndoCommand(name),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          burst_(burst),
          lastChangeMs_(QDateTime::currentMSecsSinceEpoch()) {}

    int id() const override { return burst_ ? BurstId : -1; }

    void undo() override {
        joinable_ = false;
        history_.PutBack(before_);
    }
    void redo() override {
        if (pushed_) {
            joinable_ = false;
            history_.PutBack(after_);
        }
        pushed_ = true;
    }

    // A burst of changes to the same thing is one step, until it is undone or redone.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const SnapshotStep*>(other);
        if (!joinable_ || next->text() != text() || next->lastChangeMs_ - lastChangeMs_ > EditHistory::BurstMs ||
            before_.index() != next->before_.index()) {
            return false;
        }
        const auto* tab = std::get_if<TabState>(&before_);
        if (tab && tab->index != std::get<TabState>(next->before_).index) return false;
        after_ = next->after_;
        lastChangeMs_ = next->lastChangeMs_;
        // Back where the burst began: no step is left.
        setObsolete(SameState(before_, after_));
        return true;
    }

private:
    EditHistory& history_;
    ModelState before_, after_;
    bool burst_;
    qint64 lastChangeMs_;
    bool pushed_ = false;
    bool joinable_ = true;
};

EditHistory::EditHistory(Project& project, QObject* parent) : QObject(parent), project_(project) {
    stack_.setUndoLimit(StepLimit);
}

ModelState EditHistory::Capture(StepScope scope, int32_t tab) const {
    return CaptureState(project_, scope, tab, host_.resting);
}

void EditHistory::Open(Token token, const QString& name, StepScope scope) {
    const int32_t tab = project_.ActiveTab;
    open_ = OpenStep{token, name, scope, tab, Capture(scope, tab)};
}

EditHistory::Token EditHistory::Begin(const QString& name, StepScope scope) {
    if (quiet_ > 0) return 0;
    if (open_ && open_->name == name && open_->scope == scope && open_->tab == project_.ActiveTab) {
        return open_->token;
    }
    CloseOpenStep();
    Open(++lastToken_, name, scope);
    return lastToken_;
}

void EditHistory::End(Token token) {
    if (open_ && open_->token == token) CloseOpenStep();
}

void EditHistory::CloseOpenStep() {
    if (!open_) return;
    const OpenStep step = std::move(*open_);
    open_.reset();
    Push(step.name, step.before, false);
}

void EditHistory::Push(const QString& name, const ModelState& before, bool burst) {
    const StepScope scope = std::holds_alternative<TabState>(before) ? StepScope::Tab : StepScope::Project;
    const int32_t tab = scope == StepScope::Tab ? std::get<TabState>(before).index : 0;
    ModelState after = Capture(scope, tab);
    if (SameState(before, after)) return;
    stack_.push(new SnapshotStep(*this, name, before, std::move(after), burst));
}

void EditHistory::RecordChange(const QString& name, StepScope scope, const std::function<void()>& change, bool burst) {
    const bool partOfOpen = open_ && open_->name == name && open_->scope == scope && open_->tab == project_.ActiveTab;
    if (quiet_ > 0 || partOfOpen) {
        change();
        return;
    }
    CloseOpenStep();
    const ModelState before = Capture(scope, project_.ActiveTab);
    {
        // What the change sets off (the table refresh, a nested command) is part of it.
        const Quiet inside(*this);
        change();
    }
    Push(name, before, burst);
}

void EditHistory::Undo() { Travel(true); }
void EditHistory::Redo() { Travel(false); }

void EditHistory::Travel(bool back) {
    if (quiet_ > 0) return;
    // A step in progress (a drag, an open cell) ends here and goes on as a new one after.
    std::optional<OpenStep> continuing = open_;
    CloseOpenStep();
    if (back ? stack_.canUndo() : stack_.canRedo()) {
        if (host_.stopRuns) host_.stopRuns();
        const Quiet puttingBack(*this);
        if (back) {
            stack_.undo();
        } else {
            stack_.redo();
        }
    }
    if (continuing) Open(continuing->token, continuing->name, continuing->scope);
}

void EditHistory::PutBack(const ModelState& state) {
    const int32_t shown = PutState(project_, state);
    if (host_.showPutBack) {
        host_.showPutBack(std::holds_alternative<TabState>(state) ? StepScope::Tab : StepScope::Project, shown);
    }
}

void EditHistory::Clear() {
    open_.reset();
    stack_.clear();
}

}  // namespace voltaris
