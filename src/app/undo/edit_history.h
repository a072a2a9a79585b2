// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "app/undo/model_state.h"

namespace voltaris {

// Undo and redo of the model: every change the user makes is one named step ("Ladung
// verschieben") on a QUndoStack, kept as the state of what it changed before and after (a
// tab, or the whole project for the tab commands). Taking a step back or forth puts that
// state back whole. A change made at once is recorded with Record; one that lasts several
// events (a drag, a cell edit, a slider held) runs from Begin to End. User-interface thread.
class EditHistory : public QObject {
    Q_OBJECT
public:
    using Token = int;  // names an open step; 0: none was opened

    struct Host {
        // Before a state is put back: what runs on the model stops (the alternating voltage)
        // and a tab change that waits for frames finishes.
        std::function<void()> stopRuns;
        // After: the window shows tab `shown` with the model's new contents.
        std::function<void(StepScope scope, int32_t shown)> showPutBack;
        // How a tab rests once what runs on it has stopped (CaptureState).
        RestingState resting;
    };

    // Enough for a lesson; a step of a tab holds two copies of about 1 KB, one of the
    // project two of about 20 KB.
    static constexpr int StepLimit = 500;
    // Changes of one slider closer together than this are one step (arrow keys held).
    static constexpr int BurstMs = 1000;

    explicit EditHistory(Project& project, QObject* parent = nullptr);
    void SetHost(Host host) { host_ = std::move(host); }

    // Opens a step on the active tab (or the project). Another open step is closed first;
    // the open step of the same name and scope goes on instead. While no step may begin
    // (Quiet, or inside a recorded change or a step being put back) the token is 0.
    Token Begin(const QString& name, StepScope scope = StepScope::Tab);
    // Closes the step `token` opened, if it is still open; one that changed nothing is dropped.
    void End(Token token);
    // Makes `change` one step, or part of the open step of the same name.
    void Record(const QString& name, StepScope scope, const std::function<void()>& change) {
        RecordChange(name, scope, change, false);
    }
    void Record(const QString& name, const std::function<void()>& change) { Record(name, StepScope::Tab, change); }
    // As Record on the active tab; a change that follows a step of the same name within
    // BurstMs joins it (a slider moved by its arrows or keys).
    void RecordBurst(const QString& name, const std::function<void()>& change) {
        RecordChange(name, StepScope::Tab, change, true);
    }

    void Undo();
    void Redo();
    // A project was opened or created: nothing before it can be taken back.
    void Clear();

    const QUndoStack& Stack() const { return stack_; }
    QUndoStack& Stack() { return stack_; }

    // While one lives, changes begin no step of their own (the panel refresh brings slider
    // values into range; that is no edit of the user's).
    class Quiet {
    public:
        explicit Quiet(EditHistory& history) : history_(history) { ++history_.quiet_; }
        ~Quiet() { --history_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        EditHistory& history_;
    };

private:
    friend class SnapshotStep;
    struct OpenStep {
        Token token = 0;
        QString name;
        StepScope scope = StepScope::Tab;
        int32_t tab = 0;
        ModelState before;
    };

    ModelState Capture(StepScope scope, int32_t tab) const;
    void RecordChange(const QString& name, StepScope scope, const std::function<void()>& change, bool burst);
    void Open(Token token, const QString& name, StepScope scope);
    void CloseOpenStep();
    void Push(const QString& name, const ModelState& before, bool burst);
    void Travel(bool back);
    void PutBack(const ModelState& state);  // called by the steps of the stack

    Project& project_;
    Host host_;
    QUndoStack stack_;
    std::optional<OpenStep> open_;
    int quiet_ = 0;
    Token lastToken_ = 0;
};

}  // namespace voltaris

namespace voltaris {

// Records through `history` when there is one; without, the change is simply made.
inline void RecordStep(EditHistory* history, const QString& name, StepScope scope,
                       const std::function<void()>& change) {
    if (history) {
        history->Record(name, scope, change);
    } else {
        change();
    }
}
inline void RecordStep(EditHistory* history, const QString& name, const std::function<void()>& change) {
    RecordStep(history, name, StepScope::Tab, change);
}
inline void RecordBurst(EditHistory* history, const QString& name, const std::function<void()>& change) {
    if (history) {
        history->RecordBurst(name, change);
    } else {
        change();
    }
}

}  // namespace voltaris
