// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>

// The pages of the bottom page control with their controls. The pages are built here; the
// behaviour of their controls belongs to the charge editing, the moving particle and the
// display options, which connect to these controls. Each page's Retranslate function sets its
// fixed texts in the current language; texts that follow a page's state (captions that
// switch, readouts) are set by whoever changes them.

namespace voltaris::pages {

struct StaticChargesPage {
    QWidget* page;
    QTableWidget* StringGridDB;  // the charge table, hidden while the tab has no charges
    QLabel* emptyHint;           // the text behind the table
};
StaticChargesPage BuildStaticChargesPage();
void RetranslateStaticChargesPage(const StaticChargesPage& page);

// Never shown: the check boxes that carry the display options and the sign swap.
struct MiscPage {
    QWidget* page;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox9, *CheckBox3, *CheckBox7, *CheckBox8;
    QCheckBox *CheckBox5, *CheckBox6, *CheckBox10, *CheckBox11, *CheckBox4;
};
MiscPage BuildMiscPage();
void RetranslateMiscPage(const MiscPage& page);

struct ParticlePage {
    QWidget* page;
    QPushButton* Button11;  // "Aktivieren" / "Deaktivieren"
    QGroupBox* GroupBox4;   // hidden until the particle is switched on
    QPushButton *Button1, *Button2, *Button13, *Button14;
    QLineEdit *Edit1, *Edit2;
    QLabel *Label20, *Label7, *Label6, *Label10, *Label37;
    QScrollBar *ScrollBar1, *ScrollBar3;
    QLineEdit *EditStartX, *EditStartY, *EditStartDirection;  // metres, metres, degrees
    QLabel* LabelNonClassical;  // red, shown while the path gets faster than 0.1 c
};
ParticlePage BuildParticlePage();
void RetranslateParticlePage(const ParticlePage& page);

struct BremsstrahlungPage {
    QWidget* page;
    QPushButton* Button5;
    QGroupBox* GroupBox3;  // hidden while the radiation is off
    QLineEdit* Edit4;
};
BremsstrahlungPage BuildBremsstrahlungPage();
void RetranslateBremsstrahlungPage(const BremsstrahlungPage& page);

struct SlowMotionPage {
    QWidget* page;
    QPushButton* Button9;
    QWidget* PaintBox3;
    QLabel *Label31, *Label32, *Label12;
    QScrollBar* ScrollBar4;
    QLabel* Label30;              // the diagram's heading
    QComboBox* ComboBoxDiagram;   // what the diagram plots: "Geschwindigkeit" or "Energien"
    QLabel *LabelKinetic, *LabelPotential, *LabelTotal, *LabelRadiated;  // energies at the marker
};
SlowMotionPage BuildSlowMotionPage();
void RetranslateSlowMotionPage(const SlowMotionPage& page);

struct AlternatingVoltagePage {
    QWidget* page;
    QPushButton* Button12;
    QWidget *PaintBox1, *PaintBox2;
    QLabel *Label19, *Label21, *Label22;
    QScrollBar* ScrollBar7;
};
AlternatingVoltagePage BuildAlternatingVoltagePage();
void RetranslateAlternatingVoltagePage(const AlternatingVoltagePage& page);

// Developer settings of each view, hidden unless Ctrl+Shift+R shows it.
struct RenderControls {
    QPushButton *rendering, *colourSteps, *shader, *pause;
    QLabel *renderingLabel, *resolutionLabel, *colourStepsLabel, *shaderLabel;
    QScrollBar* resolution;
};
struct RenderPage {
    QWidget* page;
    RenderControls view3D, view2D;
    QPushButton* ButtonShowLog;
};
RenderPage BuildRenderPage();
void RetranslateRenderPage(const RenderPage& page);

struct BottomPages {
    QTabWidget* PageControl;
    StaticChargesPage staticCharges;
    MiscPage misc;
    ParticlePage particle;
    BremsstrahlungPage bremsstrahlung;
    SlowMotionPage slowMotion;
    AlternatingVoltagePage alternatingVoltage;
    RenderPage render;

    int IndexOf(QWidget* page) const { return PageControl->indexOf(page); }
};
// All pages in their order; "Misc", "Bremsstrahlung", "Zeitlupe", "Wechselspannung" and
// "Render" hidden, "Statische Ladungen" selected. The pages' fixed texts follow each change
// of the interface language.
BottomPages BuildBottomPages(QWidget* parent);
// The tab titles and every page's fixed texts in the current language.
void RetranslateBottomPages(const BottomPages& pages);

}  // namespace voltaris::pages
