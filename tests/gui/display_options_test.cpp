// SPDX-License-Identifier: GPL-3.0-or-later
// The display options: toolbar buttons, menu entries and the hidden check boxes always agree
// and switch the views' engines; the total and all-field-strength coupling; the lines wanted
// by either view; the settings of the page "Render"; the overlays and the camera commands.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

namespace {

// One view's three faces of an option.
struct Option {
    const char* button;
    const char* entry;
    const char* box;  // nullptr: no check box
};

}  // namespace

class DisplayOptionsTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    QToolButton* Button(const char* name) { return w.Control<QToolButton>(name); }
    QCheckBox* Box(const char* name) { return w.Control<QCheckBox>(name); }
    GraphEngine& Engine(bool threeD) {
        return threeD ? *w.form->Views().Engine3D() : *w.form->Views().Engine2D();
    }
    // Button, menu mark and check box agree with `down` (the box of "nur" is inverted).
    void ExpectAgreement(const Option& o, bool down, bool boxInverted = false) {
        QCOMPARE(Button(o.button)->isChecked(), down);
        QCOMPARE(w.Action(o.entry)->isChecked(), down);
        if (o.box) QCOMPARE(Box(o.box)->isChecked(), boxInverted ? !down : down);
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.Start()); }
    void cleanup() { w.Stop(); }

    void initialStatesAgreeEverywhere() {
        ExpectAgreement({"ToolButton19", "Gesammtfeldstrkeanzeigen1", "CheckBox1"}, false);
        ExpectAgreement({"ToolButton25", "Gesammtfeldstrkeanzeigen2", "CheckBox2"}, true);
        ExpectAgreement({"ToolButton24", "AlleFeldstrkenanzeigen1", "CheckBox9"}, false);
        ExpectAgreement({"ToolButton20", "FarbigenGraphanzeigen1", "CheckBox7"}, true, true);
        ExpectAgreement({"ToolButton28", "FarbigenGraphanzeigen2", "CheckBox8"}, true, true);
        ExpectAgreement({"ToolButton36", "Farbverlaufaktivieren1", nullptr}, true);
        ExpectAgreement({"ToolButton37", "Farbverlaufaktivieren2", nullptr}, false);
        QVERIFY(!Engine(true).showFieldStrength && Engine(false).showFieldStrength);
    }

    // Each option switched from the button and back from the menu, in both views.
    void buttonsAndMenuEntriesSwitchTheEngines() {
        for (bool threeD : {true, false}) {
            const Option surface = threeD ? Option{"ToolButton20", "FarbigenGraphanzeigen1", "CheckBox7"}
                                          : Option{"ToolButton28", "FarbigenGraphanzeigen2", "CheckBox8"};
            Button(surface.button)->click();
            ExpectAgreement(surface, false, true);
            QVERIFY(Engine(threeD).listHidden);
            w.Action(surface.entry)->trigger();
            ExpectAgreement(surface, true, true);
            QVERIFY(!Engine(threeD).listHidden);

            const Option equi = threeD ? Option{"ToolButton21", "quipotenziallinienanzeigen1", "CheckBox5"}
                                       : Option{"ToolButton29", "quipotenziallinienanzeigen2", "CheckBox6"};
            w.Action(equi.entry)->trigger();
            ExpectAgreement(equi, true);
            QVERIFY(Engine(threeD).showEquipotentials);
            Button(equi.button)->click();
            ExpectAgreement(equi, false);
            QVERIFY(!Engine(threeD).showEquipotentials);

            const Option field = threeD ? Option{"ToolButton23", "Feldlinienanzeigen1", "CheckBox10"}
                                        : Option{"ToolButton30", "Feldlinienanzeigen2", "CheckBox11"};
            Button(field.button)->click();
            ExpectAgreement(field, true);
            QVERIFY(Engine(threeD).showFieldLines);
            w.Action(field.entry)->trigger();
            QVERIFY(!Engine(threeD).showFieldLines);

            const Option gradient = threeD ? Option{"ToolButton36", "Farbverlaufaktivieren1", nullptr}
                                           : Option{"ToolButton37", "Farbverlaufaktivieren2", nullptr};
            const bool wasDown = Button(gradient.button)->isChecked();
            w.Action(gradient.entry)->trigger();
            ExpectAgreement(gradient, !wasDown);
            QCOMPARE(int(Engine(threeD).colourMode), wasDown ? 1 : 0);
            Button(gradient.button)->click();
            QCOMPARE(int(Engine(threeD).colourMode), wasDown ? 0 : 1);
        }
    }

    // Total and all field strengths: all drags total on, total drags all off, not otherwise.
    void totalAndAllFieldStrengthsAreCoupled() {
        for (bool threeD : {true, false}) {
            const Option total = threeD ? Option{"ToolButton19", "Gesammtfeldstrkeanzeigen1", "CheckBox1"}
                                        : Option{"ToolButton25", "Gesammtfeldstrkeanzeigen2", "CheckBox2"};
            const Option all = threeD ? Option{"ToolButton24", "AlleFeldstrkenanzeigen1", "CheckBox9"}
                                      : Option{"ToolButton26", "AlleFeldstrkenanzeigen2", "CheckBox3"};
            if (Button(total.button)->isChecked()) Button(total.button)->click();
            ExpectAgreement(total, false);
            ExpectAgreement(all, false);

            Button(all.button)->click();  // all on while total is off: both on
            ExpectAgreement(all, true);
            ExpectAgreement(total, true);
            QVERIFY(Engine(threeD).showFieldStrength && Engine(threeD).showAllFieldStrengths);

            w.Action(total.entry)->trigger();  // total off while all is on: both off
            ExpectAgreement(total, false);
            ExpectAgreement(all, false);
            QVERIFY(!Engine(threeD).showFieldStrength && !Engine(threeD).showAllFieldStrengths);

            Button(total.button)->click();  // total on: all stays off
            ExpectAgreement(total, true);
            ExpectAgreement(all, false);

            Button(all.button)->click();
            w.Action(all.entry)->trigger();  // all off: total stays on
            ExpectAgreement(all, false);
            ExpectAgreement(total, true);
            QVERIFY(Engine(threeD).showFieldStrength && !Engine(threeD).showAllFieldStrengths);
        }
    }

    void linesAreWantedWhileEitherViewShowsThem() {
        SharedScene& shared = w.form->Views().Shared();
        QVERIFY(!shared.EquipotentialsWanted && !shared.FieldLinesWanted);
        Button("ToolButton21")->click();  // 3D on
        Button("ToolButton29")->click();  // 2D on
        Button("ToolButton29")->click();  // 2D off again
        QVERIFY(shared.EquipotentialsWanted);
        QVERIFY(shared.published.Read().EquipotentialsWanted);
        QVERIFY(!Engine(false).showEquipotentials);
        Button("ToolButton21")->click();
        QVERIFY(!shared.EquipotentialsWanted);
        QVERIFY(!shared.published.Read().EquipotentialsWanted);

        Button("ToolButton30")->click();
        QVERIFY(shared.FieldLinesWanted && !shared.EquipotentialsWanted);
        QVERIFY(shared.published.Read().FieldLinesWanted);
        Button("ToolButton30")->click();
        QVERIFY(!shared.FieldLinesWanted);
    }

    void theRenderPageSetsEachViewsDeveloperSettings() {
        auto* rendering = w.Control<QPushButton>("Button3DRenderm");
        auto* renderingLabel = w.Control<QLabel>("Label3DRenderm");
        QCOMPARE(renderingLabel->text(), QString("solid"));
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            rendering->click();
            seen << renderingLabel->text();
        }
        QCOMPARE(seen, (QStringList{"lines", "wireframe", "points", "solid"}));
        // The surface builder brings 4 back to solid.
        QVERIFY(WaitUntil([&] { return Engine(true).renderMode == 0; }, 10000));
        QCOMPARE(int(Engine(false).renderMode), 0);

        auto* resolution = w.Control<QScrollBar>("ScrollBar2DRes");
        resolution->setValue(25);
        QCOMPARE(float(Engine(false).gridStep), 0.25f);
        QCOMPARE(w.Control<QLabel>("Label2DRes")->text(), QString("2,5"));
        resolution->setValue(0);
        QCOMPARE(float(Engine(false).gridStep), 0.01f);
        QCOMPARE(w.Control<QLabel>("Label2DRes")->text(), QString("0"));
        QCOMPARE(float(Engine(true).gridStep), 0.07f);

        // Stepped colours come with flat shading in the 3D view.
        w.Control<QPushButton>("Button3DApfen")->click();
        QCOMPARE(int(Engine(true).colourMode), 1);
        QCOMPARE(w.Control<QLabel>("Label3DApfen")->text(), QString("gestuft"));
        QCOMPARE(w.Control<QLabel>("Label3DShader")->text(), QString("gestuft"));
        w.Control<QPushButton>("Button3DApfen")->click();
        QCOMPARE(int(Engine(true).colourMode), 0);
        QCOMPARE(w.Control<QLabel>("Label3DShader")->text(), QString("verlaufen"));

        // The 2D button starts from five steps: the first click still says "verlaufen".
        auto* apfen2D = w.Control<QPushButton>("Button2DApfen");
        apfen2D->click();
        QCOMPARE(int(Engine(false).colourMode), 0);
        QCOMPARE(w.Control<QLabel>("Label2DApfen")->text(), QString("verlaufen"));
        apfen2D->click();
        QCOMPARE(w.Control<QLabel>("Label2DApfen")->text(), QString("gestuft"));
        QCOMPARE(int(Engine(false).shadeRequest), 0);
        QVERIFY(!Button("ToolButton37")->isChecked());  // the toolbar keeps its own state

        // Shader: flat, then (once the frame applied it) smooth.
        auto* shader = w.Control<QPushButton>("Button2DShder");
        shader->click();
        QCOMPARE(w.Control<QLabel>("Label2DShader")->text(), QString("gestuft"));
        QVERIFY(WaitUntil([&] { return Engine(false).shadeRequest == 2; }, 10000));
        shader->click();
        QCOMPARE(w.Control<QLabel>("Label2DShader")->text(), QString("verlaufen"));
        QVERIFY(WaitUntil([&] { return Engine(false).shadeRequest == 0; }, 10000));
    }

    // The overlays (off at the start) from button and menu; Home and "Ansicht zurücksetzen"
    // bring back the start camera, "Einpassen" zooms the 3D view onto "Paul Falle".
    void overlaysAndCameraCommands() {
        const Option axes3D{"ToolButtonAxes3D", "Achsenbeschriftunganzeigen1", nullptr};
        ExpectAgreement(axes3D, false);
        Button(axes3D.button)->click();
        ExpectAgreement(axes3D, true);
        QVERIFY(Engine(true).showAxisLabels && !Engine(false).showAxisLabels);
        // The top view's button lists the entries of its menu.
        QAction* colourBar = w.Action("Farbskalaanzeigen2");
        QVERIFY(!colourBar->isChecked() && !Engine(false).showColourBar);
        QVERIFY(Button("ToolButtonOverlays2D")->menu()->actions().contains(colourBar));
        colourBar->trigger();
        QVERIFY(colourBar->isChecked() && Engine(false).showColourBar);

        QVERIFY(w.ShowTab(5));
        w.Action("Einpassen1")->trigger();
        const float fitted = Engine(true).scaleX;
        QVERIFY(fitted > 0.01f && fitted < 0.09f);  // its peaks reach far beyond the start view
        QCOMPARE(float(Engine(true).scaleY), fitted);
        Engine(false).panX = 0.2f;
        Engine(false).scaleZ = 0.3f;
        QTest::keyClick(w.form->windowHandle(), Qt::Key_Home);
        for (bool threeD : {true, false}) {
            QCOMPARE(float(Engine(threeD).scaleX), 0.1f);
            QCOMPARE(float(Engine(threeD).scaleZ), 0.1f);
            QCOMPARE(float(Engine(threeD).panX), 0.0f);
            QCOMPARE(float(Engine(threeD).eyeY), threeD ? 0.8f : 1.6f);
            QCOMPARE(float(Engine(threeD).centreY), 0.0f);
        }
        Engine(true).rotationDeg = 40;
        w.Action("Ansichtzurcksetzen1")->trigger();
        QCOMPARE(int(Engine(true).rotationDeg), 0);
        QVERIFY(Engine(true).showAxisLabels);  // options are not part of the camera
    }
};

QTEST_MAIN(DisplayOptionsTest)
#include "display_options_test.moc"
