// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/gui/graph_views.h"

#include <QCoreApplication>

#include "engine/gui/frame_thread.h"
#include "engine/gui/frame_waits.h"
#include "engine/gui/view_window.h"
#include "particle/built_trajectory.h"

namespace voltaris {

namespace {

constexpr int FrameRateInterval = 500;  // ms

// What a view without a drawing context reports.
std::string NoContextMessage() { return QCoreApplication::translate("GraphViews", "ERROR").toStdString(); }

}  // namespace

GraphViews::GraphViews(Project& project, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), project_(project), dialogs_(dialogs), window3D_(new ViewWindow), window2D_(new ViewWindow) {
    window3D_->setObjectName("Panel3DEngineWindow");
    window2D_->setObjectName("Panel2DEngineWindow");
    timerFPS3D_.setInterval(FrameRateInterval);
    timerFPS2D_.setInterval(FrameRateInterval);
    connect(&timerFPS3D_, &QTimer::timeout, this, &GraphViews::TimerFPS_3DEngineTimer);
    connect(&timerFPS2D_, &QTimer::timeout, this, &GraphViews::TimerFPS_2DEngineTimer);
}

GraphViews::~GraphViews() {
    StopDrawing();
    // Windows that were never embedded have no owner.
    if (window3D_ && !window3D_->parent()) delete window3D_;
    if (window2D_ && !window2D_->parent()) delete window2D_;
}

void GraphViews::StopDrawing() {
    timerFPS3D_.stop();
    timerFPS2D_.stop();
    if (thread3D_) thread3D_->Stop();
    if (thread2D_) thread2D_->Stop();
    if (lines_) lines_->Stop();
}

std::unique_ptr<FrameThread> GraphViews::StartDrawing(GraphEngine& engine, ViewWindow& window, FrameHooks hooks) {
    auto thread = std::make_unique<FrameThread>(engine, shared_.published, window, std::move(hooks));
    connect(thread.get(), &FrameThread::contextFailed, this, &GraphViews::ContextFailed, Qt::QueuedConnection);
    if (!thread->Start()) dialogs_.ShowMessage(NoContextMessage());
    return thread;
}

void GraphViews::CreateEngines() {
    if (Created()) return;
    // The scene exists before the first frame can ask for it.
    PublishScene();

    engine3D_ = CreateGraphEngine(EngineView::ThreeD);
    engine2D_ = CreateGraphEngine(EngineView::TopView);
    // The path build's effects travel to this thread by value, in the order the builds finish.
    lines_ = std::make_unique<LinesRebuilder>(*engine3D_, shared_.published, ProcessTracedStores(),
                                              [this](const BuiltTrajectory& built) {
        QMetaObject::invokeMethod(this, [this, built] { ApplyPathBuild(built); }, Qt::QueuedConnection);
    });
    lines_->Start();
    FrameHooks hooks;
    hooks.linesBeside = lines_.get();

    FrameHooks hooks3D = hooks;
    hooks3D.goesAfter = engine2D_.get();

    timerFPS3D_.start();
    thread3D_ = StartDrawing(*engine3D_, *window3D_, hooks3D);
    ReportPanelSize3D(window3D_->size());

    timerFPS2D_.start();
    thread2D_ = StartDrawing(*engine2D_, *window2D_, hooks);
    ReportPanelSize2D(window2D_->size());
}

void GraphViews::ContextFailed() { dialogs_.ShowMessage(NoContextMessage()); }

void GraphViews::ApplyPathBuild(const BuiltTrajectory& built) {
    // Built from a model that an undo or redo has replaced since: none of it is applied.
    if (built.modelEpoch != shared_.modelEpoch) return;
    suggestedAmplification_ = built.result.SuggestedAmplification;
    // A cut time step asks for the lines and the whole path again, built with it.
    if (ApplyBuiltTrajectory(built, project_, acPhaseCounter_)) RequestRedraw(false);
    Q_EMIT pathBuilt();
}

void GraphViews::RequestRedraw(bool surfaceToo) {
    voltaris::RequestRedraw(Engines(), shared_, project_, surfaceToo, shared_.switches.AcRunning);
}

void GraphViews::PublishScene() { voltaris::PublishScene(shared_, project_); }

void GraphViews::PublishParticleSwitches(const ParticleSwitches& switches) {
    shared_.switches = switches;
    PublishScene();
}

PathStore& GraphViews::Paths() { return ProcessTracedStores().paths; }

namespace {
void ReportSize(GraphEngine* engine, const ViewWindow& window, QSize panel) {
    if (!engine) return;
    const qreal ratio = window.devicePixelRatio();
    ReportPanelSize(*engine, qRound(panel.width() * ratio), qRound(panel.height() * ratio));
}
}  // namespace

void GraphViews::ReportPanelSize3D(QSize panel) { ReportSize(engine3D_.get(), *window3D_, panel); }
void GraphViews::ReportPanelSize2D(QSize panel) { ReportSize(engine2D_.get(), *window2D_, panel); }

void GraphViews::AfterFrames(int frames, int capMs, QObject* context, std::function<void()> then) {
    FrameCountWait::Start({{engine3D_.get(), thread3D_.get()}, {engine2D_.get(), thread2D_.get()}}, frames, capMs,
                          this, context, std::move(then));
}

void GraphViews::CaptureNextPicture(bool threeD, QObject* context, std::function<void(const QImage&)> then) {
    // A frame that rebuilds many lines can take a while; a view that hangs is given up.
    constexpr int CaptureCapMs = 20000;
    const WatchedView view = threeD ? WatchedView{engine3D_.get(), thread3D_.get()}
                                    : WatchedView{engine2D_.get(), thread2D_.get()};
    NextPictureWait::Start(view, CaptureCapMs, this, context, std::move(then));
}

void GraphViews::SetBothRunning(bool running) {
    if (engine3D_) SetRunning(*engine3D_, running);
    if (engine2D_) SetRunning(*engine2D_, running);
}

void GraphViews::TimerFPS_3DEngineTimer() {
    if (!engine3D_) return;
    Q_EMIT frameRate3D(QString::fromStdString(
        FrameRateReadout("Engine1", engine3D_->frameCount, TickCountMs(), counter3D_)));
}

void GraphViews::TimerFPS_2DEngineTimer() {
    if (!engine2D_) return;
    Q_EMIT frameRate2D(QString::fromStdString(
        FrameRateReadout("Engine2", engine2D_->frameCount, TickCountMs(), counter2D_)));
}

}  // namespace voltaris
