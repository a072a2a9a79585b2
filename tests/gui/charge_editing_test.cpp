// SPDX-License-Identifier: GPL-3.0-or-later
// Adding charges from the views' pop-up menus and the amount box, the charge table with its
// live edits, header selection and keyboard deletion, and the two charge switches.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "engine/gui/pointer_readout.h"
#include "model/charge_editing.h"
#include "model/number_format.h"
#include "support/view_test_support.h"
#include "support/window_fixture.h"

using namespace voltaris;
using namespace voltaris::test;

class ChargeEditingTest : public QObject {
    Q_OBJECT
    WindowFixture w;

    FieldTab& Tab() { return w.project.Active(); }
    QTableWidget* Grid() { return w.Control<QTableWidget>("StringGridDB"); }
    ChargeEditor& Charges() { return w.form->Charges(); }
    void Press(Qt::Key key) { QTest::keyClick(w.form->windowHandle(), key); }

    // Replaces the active tab's charges with `count` charges of 1..count E-10 C along y = 2.
    void SetCharges(int count) {
        Tab().ChargeCount = count;
        for (int i = 0; i < count; ++i) {
            Tab().charges[i] = Charge{(i + 1) * 1e-10, float(i + 1), 2, 0.5f};
            w.project.ChargeSelected[i] = false;
        }
        w.form->RefreshChargeTable();
        w.form->RequestRedraw(true);
    }
    // Lets a view pick the point under its centre pixel; returns it in graph units.
    QPointF PickCentre(GraphEngine& engine, ViewWindow& window) {
        engine.pickX = window.width() / 2;
        engine.pickY = window.height() / 2;
        [&] { QVERIFY(WaitForFrames(engine, 3)); }();
        return {engine.pickedX, engine.pickedZ};
    }
    QString Text(int row, int column) { return Grid()->item(row, column)->text(); }
    QPoint CellCentre(int row, int column) { return Grid()->visualRect(Grid()->model()->index(row, column)).center(); }
    QColor CellBackground(int row, int column) {
        const QImage image = Grid()->viewport()->grab().toImage();
        const QRect cell = Grid()->visualRect(Grid()->model()->index(row, column));
        return image.pixelColor(cell.right() - 4, cell.bottom() - 3);  // beside the text
    }

private Q_SLOTS:
    void initTestCase() { VOLTARIS_SKIP_WITHOUT_OPENGL(); }

    void init() { QVERIFY(w.StartActive()); }
    void cleanup() { w.Stop(); }

    void eitherViewsMenuAddsAtItsPickedPoint() {
        SetCharges(0);
        GraphViews& views = w.form->Views();
        const QPointF top = PickCentre(*views.Engine2D(), views.Window2D());
        QVERIFY2(InsideSquare(top.x(), top.y()), "the top view's centre lies on the square");
        Charges().AmountEntries(true)[1]->trigger();  // "+ &4E-10"
        QCOMPARE(Tab().ChargeCount, 1);
        QCOMPARE(Tab().charges[0].amount, double(4e-10f));
        QVERIFY(qAbs(Tab().charges[0].x - top.x() * w.project.unitLength) < 1e-4);
        QVERIFY(qAbs(Tab().charges[0].y - top.y() * w.project.unitLength) < 1e-4);
        QVERIFY(Grid()->isVisible());
        QCOMPARE(Grid()->columnCount(), 2);
        QCOMPARE(Text(0, 1), QString("Ladung 1"));
        QCOMPARE(Text(1, 1), QString("4E-10"));

        const QPointF centre3D = PickCentre(*views.Engine3D(), views.Window3D());
        Charges().AmountEntries(false)[5]->trigger();  // "- 8E-10"
        if (InsideSquare(centre3D.x(), centre3D.y())) {
            QCOMPARE(Tab().ChargeCount, 2);
            QCOMPARE(Tab().charges[1].amount, double(-8e-10f));
        } else {
            QCOMPARE(Tab().ChargeCount, 1);  // beside the square nothing is added, silently
        }
        QVERIFY(w.dialogs.messages.empty());

        // The 21st charge: the limit message once per attempt.
        SetCharges(20);
        Charges().AmountEntries(true)[0]->trigger();
        Charges().AmountEntries(true)[0]->trigger();
        QCOMPARE(Tab().ChargeCount, 20);
        QCOMPARE(int(w.dialogs.messages.size()), 2);
        QCOMPARE(w.dialogs.messages[0],
                 std::string("Leider kann die Ladung nicht erstellt werden. Es können maximal 20 Ladungen erstellt "
                             "werden."));
    }

    void menuCaptionsFollowTheUnitSwitch() {
        auto captions = [&](bool topView) {
            QStringList list;
            for (QAction* a : Charges().AmountEntries(topView)) list << a->text();
            return list;
        };
        const QStringList coulomb{"+ &2E-10", "+ &4E-10", "+ &8E-10", "- 2E-10", "- 4E-10", "- 8E-10"};
        QCOMPARE(captions(false), coulomb);
        QCOMPARE(captions(true).last(), QString("- 8&E-10"));
        for (bool topView : {false, true}) {
            QMenu* menu = Charges().Popup(topView);
            QCOMPARE(menu->actions().first()->text(), QString("Hier Ladung hinzufügen"));
            QVERIFY(!menu->actions().first()->isEnabled());
            QCOMPARE(menu->defaultAction(), Charges().AmountEntries(topView)[1]);
            QCOMPARE(Charges().OtherAmountEntry(topView)->text(), QString("&Anderer Betrag"));
        }

        SetCharges(1);
        auto* unit = w.Control<QToolButton>("ToolButton39");
        unit->click();
        QVERIFY(w.project.UnitsInElementaryCharges);
        const QStringList e{"+ &2", "+ &4", "+ &8", "- 2", "- 4", "- 8"};
        QCOMPARE(captions(false), e);
        QCOMPARE(captions(true), e);
        QCOMPARE(w.Control<QLabel>("Label24")->text(), QString("e"));
        QCOMPARE(w.Control<QLabel>("Label20")->text(), QString("e"));
        QCOMPARE(Text(1, 0), QString("Q in [e]"));
        QCOMPARE(Text(1, 1), QString::fromStdString(FormatGeneral(1e-10 / ElementaryCharge, 3)));
        QVERIFY(w.Action("LadunginColoumbbzwElementarladungenangeben1")->isChecked());

        // Back through the menu entry: coulomb, and the top view's quirk is gone for good.
        w.Action("LadunginColoumbbzwElementarladungenangeben1")->trigger();
        QVERIFY(!unit->isChecked());
        QVERIFY(!w.project.UnitsInElementaryCharges);
        QCOMPARE(captions(true), coulomb);
        QCOMPARE(Text(1, 0), QString("Q in [C]"));
        QCOMPARE(w.Control<QLabel>("Label24")->text(), QString("C"));
    }

    void theAmountBoxAddsTypedAmountsAndReportsTheRest() {
        SetCharges(0);
        GraphViews& views = w.form->Views();
        const QPointF top = PickCentre(*views.Engine2D(), views.Window2D());
        QVERIFY(InsideSquare(top.x(), top.y()));
        auto* box = w.Control<QGroupBox>("GroupBox1");
        auto* edit = w.Control<QLineEdit>("Edit3");

        Charges().OtherAmountEntry(true)->trigger();
        QVERIFY(box->isVisible() && w.form->AmountBoxOpen());
        QVERIFY(WaitUntil([&] { return edit->hasFocus(); }, 2000));
        // While the box is open the top view ignores the mouse.
        views.Engine2D()->pickX = 7;
        QTest::mouseMove(&views.Window2D(), QPoint(20, 20));
        QCOMPARE(int(views.Engine2D()->pickX), 7);
        // Back to the centre, and picked there again before the box adds at it.
        QCOMPARE(PickCentre(*views.Engine2D(), views.Window2D()), top);

        edit->setText("-1,5E-9");
        QTest::keyClick(edit, Qt::Key_Return);  // Enter acts as "OK"
        QVERIFY(!box->isVisible() && !w.form->AmountBoxOpen());
        QCOMPARE(Tab().ChargeCount, 1);
        QCOMPARE(Tab().charges[0].amount, double(-1.5e-9f));

        Charges().OtherAmountEntry(false)->trigger();
        edit->setText("1.5");
        w.Control<QPushButton>("Button7")->click();
        QVERIFY(!box->isVisible());
        QCOMPARE(Tab().ChargeCount, 1);
        QCOMPARE(w.dialogs.errors, std::vector<std::string>{"'1.5' ist kein gültiger Gleitkommawert"});

        Charges().OtherAmountEntry(true)->trigger();
        edit->setText("2");
        w.Control<QPushButton>("Button8")->click();  // "X"
        QVERIFY(!box->isVisible() && !w.form->AmountBoxOpen());
        QCOMPARE(Tab().ChargeCount, 1);
    }

    // The right click left the keyboard with the view's window; the box takes it: its field
    // has the focus with the old amount selected, and what is typed lands in it.
    void theAmountBoxTakesTheKeyboard() {
        auto* edit = w.Control<QLineEdit>("Edit3");
        edit->setText("4E-10");
        ViewWindow& view = w.form->Views().Window2D();
        view.requestActivate();
        QVERIFY(WaitUntil([&] { return QGuiApplication::focusWindow() == &view; }, 5000));

        Charges().OtherAmountEntry(true)->trigger();
        QVERIFY(WaitUntil([&] { return QGuiApplication::focusWindow() == w.form->windowHandle() && edit->hasFocus(); },
                          5000));
        QCOMPARE(edit->selectedText(), QString("4E-10"));
        for (const char c : QByteArray("1,2E5")) QTest::keyClick(QGuiApplication::focusWindow(), c);
        QCOMPARE(edit->text(), QString("1,2E5"));
        w.Control<QPushButton>("Button8")->click();
    }

    void theTableShowsTheChargesInItsColours() {
        SetCharges(0);
        QVERIFY(!Grid()->isVisible());
        auto* hint = w.Control<QLabel>("LabelKeineLadungen");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QString("Es sind noch keine Ladungen vorhanden. Um Ladungen hinzuzufügen, auf die "
                                       "gewünschte Stelle rechts klicken."));

        SetCharges(3);
        QVERIFY(Grid()->isVisible());
        QCOMPARE(Grid()->rowCount(), 5);
        QCOMPARE(Grid()->columnCount(), 4);
        const QStringList titles{"", "Q in [C]", "Radius in [m]", "X-Pos in [m]", "Y-Pos in [m]"};
        for (int row = 0; row < 5; ++row) QCOMPARE(Text(row, 0), titles[row]);
        QCOMPARE(Text(0, 3), QString("Ladung 3"));
        QCOMPARE(Text(1, 2), QString("2E-10"));
        QCOMPARE(Text(2, 2), QString("0,5"));
        QCOMPARE(Text(3, 3), QString("3"));
        QCOMPARE(Grid()->rowHeight(2), 20);
        QCOMPARE(Grid()->columnWidth(1), 67);
        // Every row title fits its column.
        for (const QString& title : titles)
            QVERIFY(Grid()->fontMetrics().horizontalAdvance(title) + 4 <= Grid()->columnWidth(0));
        QVERIFY(!(Grid()->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(Grid()->item(2, 0)->flags() & Qt::ItemIsEditable));

        const QColor lilac(238, 233, 252);
        QCOMPARE(CellBackground(1, 2), lilac);
        QCOMPARE(CellBackground(3, 1), lilac);
        QVERIFY(CellBackground(2, 1) != lilac);
        const QColor highlight = Grid()->palette().color(QPalette::Active, QPalette::Highlight);
        QVERIFY(CellBackground(0, 2) != highlight);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(0, 2));
        QVERIFY(w.project.ChargeSelected[1]);
        QCOMPARE(CellBackground(0, 2), highlight);
        QCOMPARE(w.form->Views().Shared().published.Read().chargeSelected[1], true);
    }

    void typingIntoACellFollowsEveryKeyThatParses() {
        SetCharges(2);
        // A first click selects the cell and arms editing; a click on a header disarms it.
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(1, 2));
        QVERIFY(Grid()->editTriggers() != QAbstractItemView::NoEditTriggers);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(0, 1));
        QCOMPARE(Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);

        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(1, 2));
        Grid()->editItem(Grid()->item(1, 2));
        auto* editor = Grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        const double before = Tab().charges[1].amount;
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(Tab().charges[1].amount, before);  // empty text: kept
        QTest::keyClicks(editor, "1,2");
        QCOMPARE(Tab().charges[1].amount, 1.2);
        QTest::keyClicks(editor, "E");
        QCOMPARE(Tab().charges[1].amount, 1.2);  // "1,2E" does not parse
        QTest::keyClicks(editor, "5");
        QCOMPARE(Tab().charges[1].amount, 1.2e5);
        QCOMPARE(w.form->Views().Shared().published.Read().field.amount[1], 1.2e5);  // the views follow
        QTest::keyClick(editor, Qt::Key_Return);
        // The cell keeps the typed text (the editor hands it over once control returns).
        QVERIFY(WaitUntil([&] { return Text(1, 2) == "1,2E5"; }, 2000));

        // A radius a float cannot hold never reaches the model (it could not be saved again).
        Grid()->editItem(Grid()->item(2, 1));
        editor = Grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "1E39");
        QCOMPARE(Tab().charges[0].radius, 1000.0f);  // "1E3" was the last text it could hold
        QTest::keyClick(editor, Qt::Key_Escape);
    }

    void ctrlClickedHeadersAreDeletedWithDeleteThenJ() {
        SetCharges(5);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, 2));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, 4));
        QVERIFY(w.project.ChargeSelected[1] && w.project.ChargeSelected[3]);
        QVERIFY(!w.project.ChargeSelected[0] && !w.project.ChargeSelected[2] && !w.project.ChargeSelected[4]);

        // Delete, then any other key: all stay.
        Press(Qt::Key_Delete);
        QVERIFY(w.form->DeletePending());
        Press(Qt::Key_K);
        QVERIFY(!w.form->DeletePending());
        Press(Qt::Key_J);
        QCOMPARE(Tab().ChargeCount, 5);

        Press(Qt::Key_Delete);
        Press(Qt::Key_J);
        QCOMPARE(Tab().ChargeCount, 3);
        QCOMPARE(Tab().charges[0].amount, 1e-10);
        QCOMPARE(Tab().charges[1].amount, 3e-10);
        QCOMPARE(Tab().charges[2].amount, 5e-10);
        QCOMPARE(Grid()->columnCount(), 4);
        QCOMPARE(Text(0, 3), QString("Ladung 3"));
        QCOMPARE(Text(1, 3), QString("5E-10"));

        // A click without Ctrl clears the marks, also beside the headers.
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, 1));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(2, 2));
        QVERIFY(!AnyChargeSelected(w.project));
    }

    void theSignSwapComesFromButtonAndMenuAlike() {
        SetCharges(1);
        auto* button = w.Control<QToolButton>("ToolButton13");
        auto* box = w.Control<QCheckBox>("CheckBox4");
        QAction* entry = w.Action("PositiveundnegativeLadungenvertauschen1");
        button->click();
        QVERIFY(button->isChecked() && box->isChecked() && entry->isChecked());
        QCOMPARE(w.project.SignFactor, -1);
        QCOMPARE(w.form->Views().Shared().published.Read().field.SignFactor, -1);
        QCOMPARE(Text(1, 1), QString("1E-10"));  // amounts and table stay
        entry->trigger();
        QVERIFY(!button->isChecked() && !box->isChecked() && !entry->isChecked());
        QCOMPARE(w.project.SignFactor, 1);
    }
};

QTEST_MAIN(ChargeEditingTest)
#include "charge_editing_test.moc"
