// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "app/charge_editor.h"
#include "app/charge_table.h"
#include "app/display_options.h"
#include "app/output/output_dialogs.h"
#include "app/pages/bottom_pages.h"
#include "app/undo/edit_history.h"
#include "app/view_option_controls.h"
#include "engine/gui/graph_views.h"
#include "engine/gui/view_mouse.h"
#include "model/project_commands.h"
#include "output/usage_report.h"

class QLabel;
class QMenuBar;
class QPrinter;
class QPlainTextEdit;
class QTabBar;

namespace voltaris {

class Form3;
class StatusPanels;
namespace pages {
class ParticlePages;
}

// The main window: the project and tab commands, the tab strip with the two views and the
// resolution scroll bar, the bottom panel with the view toolbars and the pages, the status
// bar, and the input that belongs to the window as a whole (keys, wheel, splitter).
class Form1 : public QMainWindow, private CommandView {
    Q_OBJECT
public:
    struct Options {
        bool showSplash = true;  // fade the splash in before the views start
        bool usageReport = true;  // send the usage report about a second after the first show
        // The export and print dialogs and the desktop; null: Qt's own.
        OutputDialogs* output = nullptr;
        // A project file to open once started, as "Projekt öffnen" would; empty: the sample stays.
        std::string projectFile = {};
    };

    Form1(Project& project, CommandDialogs& dialogs, Options options);
    ~Form1() override;
    void setVisible(bool visible) override;

    GraphViews& Views() { return views_; }
    ProjectCommands& Commands() { return commands_; }
    EditHistory& History() { return history_; }
    // The first show has run: the views draw and the sample project is open.
    bool Started() const { return started_; }
    float ViewSplitRatio() const { return viewSplitRatio_; }
    bool DeletePending() const { return deletePending_; }
    bool AmountBoxOpen() const { return chargeEditor_ && chargeEditor_->AmountBoxOpen(); }
    ChargeEditor& Charges() { return *chargeEditor_; }
    const pages::BottomPages& Pages() const { return pages_; }
    pages::ParticlePages& ParticlePages() { return *particlePages_; }
    const UsageReportSender& UsageReport() const { return usageReport_; }

    // CommandView, also used by the other parts of the window.
    void UpdateWindowTitle() override;
    void RefreshChargeTable() override;
    void RequestRedraw(bool surfaceToo) override;

protected:
    bool event(QEvent* event) override;
    // A change of the interface's language sets every text anew.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // CommandView
    void ShowTabs(int selected) override;
    void AppendLog(const std::string& text) override;
    void WaitForViews(std::function<void()> then) override;
    void LeaveTab() override;
    void ProjectReplaced() override;

    // Construction (form1_layout.cpp, form1_menus.cpp)
    void BuildMenus();
    // The texts of the window, in the interface's language (form1.cpp, form1_menus.cpp,
    // form1_layout.cpp, form1_undo.cpp).
    void RetranslateUi();
    void RetranslateMenus();  // with the toolbar's switches
    void RetranslateEditMenu();
    void RetranslateTabArea();
    void RetranslateAmountBox();
    void RetranslateToolbarLink();
    void BuildToolBar1();
    QWidget* BuildTabControl();
    QWidget* BuildBottomPanel();
    void BuildStatusBar();
    void LayoutBottomPanel();
    void FitBottomPanel();  // the panel's height: what its pages need, at least 200 pixels
    int ViewToolbarHeight() const;
    void PlaceToolbarLink();  // "Toolbar verbergen" at the right, clear of the 2D toolbar
    void ConnectEditing();  // form1_charges.cpp

    // Undo and redo (form1_undo.cpp)
    void BuildEditMenu(QMenuBar* bar);
    void ConnectHistory();
    void ShowPutBack(StepScope scope, int32_t shown);

    // Start-up (form1.cpp)
    void FormShow();
    void berClick();

    // Tab area (form1_tab_area.cpp)
    void TabControlChange(int index);
    void TabControlResize();
    void ScrollBar5Change(int position);
    void Label16Mouse(QEvent* event);

    // Window-wide input (form1_input.cpp)
    void FormKeyDown(const QKeyEvent& event);
    bool FormMouseWheel(const QWheelEvent& event);
    void FormMouseMove(const QWidget& surface, QPoint position);
    void PointerMayHaveLeftViews();
    void CancelPendingDeletion();
    void KeepLettersFromMenuBar();
    void ReturnKeysFromMenuBar();

    // The pages of the moving particle (form1_particle.cpp)
    void ConnectParticlePages();
    void StopAlternatingVoltage();

    // Picture export, printing, help, website and usage report (form1_output.cpp)
    void BuildOutputCommands();
    void Tabdrucken1Click();
    void StartUsageReport();

    // Bottom panel (form1_bottom.cpp)
    void LabelLegendeClick();
    void ButtonShowLogClick();
    void ToggleRenderPage();

    void ShowStatus(int panel, const QString& text);

    Project& project_;
    CommandDialogs& dialogs_;
    Options options_;
    GraphViews views_;
    ProjectCommands commands_;
    EditHistory history_;
    std::unique_ptr<ViewMouseHandler> recordedMouse2D_;  // the top view's mouse, drags as steps
    ViewMouseState mouseState_;
    View3DMouse mouse3D_;
    View2DMouse mouse2D_;
    Form3* splash_ = nullptr;
    ChargeEditor* chargeEditor_ = nullptr;
    ChargeTable* chargeTable_ = nullptr;
    DisplayOptions* displayOptions_ = nullptr;
    std::unique_ptr<QtOutputDialogs> qtOutput_;
    OutputDialogs* output_ = nullptr;
    std::unique_ptr<QPrinter> printer_;  // keeps the print dialog's choices between prints
    UsageReportSender usageReport_;

    // Controls, named as in the window description.
    QToolBar* ToolBar1 = nullptr;
    QWidget* TabControl = nullptr;
    QTabBar* tabStrip_ = nullptr;
    QWidget* Panel3DEngine = nullptr;
    QWidget* Panel2DEngine = nullptr;
    QLabel* Label16 = nullptr;
    QScrollBar* ScrollBar5 = nullptr;
    QLabel *Label17 = nullptr, *Label18 = nullptr, *Label34 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPlainTextEdit* MemoLog = nullptr;
    QWidget* PanelLegende = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* LabelLegende = nullptr;
    pages::BottomPages pages_{};
    ViewToolbar toolbar3D_{}, toolbar2D_{};
    ViewMenu menu3D_{}, menu2D_{};
    StatusPanels* statusPanels_ = nullptr;
    pages::ParticlePages* particlePages_ = nullptr;
    QPointer<QWidget> focusBeforeMenuBar_;  // where the keyboard goes back when a menu closes
    double suggestedAmplification_ = 1.0;  // from the last path build made without radiation

    bool started_ = false;
    bool titleNamesProject_ = false;  // the title shows the project's name (after the first open)
    bool toolbarShown_ = true;        // the view toolbars and pages, hidden by "Toolbar verbergen"
    bool firstShowSeen_ = false;
    bool deletePending_ = false;
    bool splitterDragging_ = false;
    float viewSplitRatio_ = 1.0f;
};

}  // namespace voltaris
