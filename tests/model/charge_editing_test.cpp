// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/charge_editing.h"

#include <gtest/gtest.h>

#include "doubles/scripted_dialogs.h"
#include "model/number_format.h"

using namespace voltaris;

namespace {

const std::string LimitMessage =
    "Leider kann die Ladung nicht erstellt werden. Es können maximal 20 Ladungen erstellt werden.";

struct ChargeEditing : ::testing::Test {
    Project project = Project::Initial();
    test::ScriptedDialogs dialogs;

    void Add(double amount, float x, float y, float radius = 0.5f) {
        FieldTab& t = project.Active();
        t.charges[t.ChargeCount++] = Charge{amount, x, y, radius};
    }
};

TEST_F(ChargeEditing, AddsOnlyInsideTheSquareAndAtMostTwentyCharges) {
    EXPECT_FALSE(AddCharge(project, 4e-10f, 10.01f, 5, dialogs));
    EXPECT_FALSE(AddCharge(project, 4e-10f, 5, -0.01f, dialogs));
    EXPECT_EQ(project.Active().ChargeCount, 0);
    EXPECT_TRUE(dialogs.messages.empty());

    // The border belongs to the square.
    EXPECT_TRUE(AddCharge(project, PopupAmount(4, false), 0, 10, dialogs));
    const Charge& first = project.Active().charges[0];
    EXPECT_EQ(first.amount, double(4e-10f));  // the float amount, widened
    EXPECT_EQ(FormatGeneral(first.amount, 15), "4,00000005340573E-10");
    EXPECT_FLOAT_EQ(first.y, 10.0f);
    EXPECT_FLOAT_EQ(first.radius, 0.5f);

    for (int i = 1; i < 20; ++i) ASSERT_TRUE(AddCharge(project, 2e-10f, 1, 1, dialogs));
    EXPECT_EQ(project.Active().ChargeCount, 20);
    EXPECT_TRUE(dialogs.messages.empty());
    // The 21st: one message per attempt, nothing added.
    EXPECT_FALSE(AddCharge(project, 2e-10f, 1, 1, dialogs));
    EXPECT_FALSE(AddCharge(project, 2e-10f, 1, 1, dialogs));
    EXPECT_EQ(project.Active().ChargeCount, 20);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{LimitMessage, LimitMessage}));
    // Outside the square the limit is not even reached.
    EXPECT_FALSE(AddCharge(project, 2e-10f, 11, 1, dialogs));
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// A mark left behind by a tab with more charges must not select a newly added charge (the
// next Delete + J would take it away too).
TEST_F(ChargeEditing, ANewChargeIsNeverBornSelected) {
    project.ChargeSelected[0] = true;
    ASSERT_TRUE(AddCharge(project, 2e-10f, 1, 1, dialogs));
    EXPECT_FALSE(AnyChargeSelected(project));
}

TEST_F(ChargeEditing, PositionAndRadiusScaleWithTheSquare) {
    project.Active().Resolution = -10;
    project.unitLength = UnitLengthOf(-10);
    ASSERT_TRUE(AddCharge(project, 2e-10f, 2, 4, dialogs));
    const Charge& c = project.Active().charges[0];
    EXPECT_FLOAT_EQ(c.radius, 5e-12f);
    EXPECT_FLOAT_EQ(c.x, 2e-11f);
    EXPECT_FLOAT_EQ(c.y, 4e-11f);
    EXPECT_EQ(ChargeTableCell(project, 0, RowRadius), "5E-12");
}

TEST_F(ChargeEditing, MenuAmountsAndCaptionsFollowTheUnit) {
    EXPECT_EQ(PopupAmount(-8, false), -8e-10f);
    EXPECT_EQ(PopupAmount(4, true), 4 * ElementaryCharge);
    EXPECT_EQ(PopupAmount(-2, true), -2 * ElementaryCharge);

    std::vector<std::string> coulomb, topView, e;
    for (int k : PopupMultiples) {
        coulomb.push_back(PopupCaption(k, false));
        topView.push_back(PopupCaption(k, false, true));
        e.push_back(PopupCaption(k, true, true));
    }
    EXPECT_EQ(coulomb, (std::vector<std::string>{"+ &2E-10", "+ &4E-10", "+ &8E-10", "- 2E-10", "- 4E-10", "- 8E-10"}));
    EXPECT_EQ(topView.back(), "- 8&E-10");
    EXPECT_EQ(e, (std::vector<std::string>{"+ &2", "+ &4", "+ &8", "- 2", "- 4", "- 8"}));

    // In e the table shows multiples of e and takes them.
    project.UnitsInElementaryCharges = true;
    ASSERT_TRUE(AddCharge(project, PopupAmount(4, true), 5, 5, dialogs));
    EXPECT_EQ(ChargeTableTitle(project, RowAmount), "Q in [e]");
    EXPECT_EQ(ChargeTableCell(project, 0, RowAmount), "4");
    EXPECT_EQ(project.Active().charges[0].amount, double(4 * ElementaryCharge));
}

TEST_F(ChargeEditing, TheAmountBoxTakesCommaNumbersAndRefusesTheRest) {
    float amount = 0;
    ASSERT_TRUE(AmountOfBoxText(project, "-1,5E-9", amount, dialogs));
    EXPECT_EQ(amount, -1.5e-9f);
    project.UnitsInElementaryCharges = true;
    ASSERT_TRUE(AmountOfBoxText(project, "3", amount, dialogs));
    EXPECT_EQ(amount, float(3 * double(ElementaryCharge)));
    EXPECT_TRUE(dialogs.errors.empty());

    project.UnitsInElementaryCharges = false;
    amount = 7;
    EXPECT_FALSE(AmountOfBoxText(project, "1.5", amount, dialogs));
    // Finite as a double but infinite as the float the charge is added with.
    EXPECT_FALSE(AmountOfBoxText(project, "1E39", amount, dialogs));
    EXPECT_EQ(amount, 7.0f);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"'1.5' ist kein gültiger Gleitkommawert",
                                                        "'1E39' ist kein gültiger Gleitkommawert"}));
}

TEST_F(ChargeEditing, TableShowsThreeDigitsWithTheDecimalComma) {
    Add(4.00000005340573e-10, 5.6f, 1000, 0.5f);
    EXPECT_EQ(ChargeTableTitle(project, RowHeader), "");
    EXPECT_EQ(ChargeTableTitle(project, RowAmount), "Q in [C]");
    EXPECT_EQ(ChargeTableTitle(project, RowRadius), "Radius in [m]");
    EXPECT_EQ(ChargeTableTitle(project, RowX), "X-Pos in [m]");
    EXPECT_EQ(ChargeTableTitle(project, RowY), "Y-Pos in [m]");
    EXPECT_EQ(ChargeTableCell(project, 0, RowHeader), "Ladung 1");
    EXPECT_EQ(ChargeTableCell(project, 0, RowAmount), "4E-10");
    EXPECT_EQ(ChargeTableCell(project, 0, RowRadius), "0,5");
    EXPECT_EQ(ChargeTableCell(project, 0, RowX), "5,6");
    EXPECT_EQ(ChargeTableCell(project, 0, RowY), "1E3");
}

TEST_F(ChargeEditing, CellEditsKeepTheLastValueWhileTheTextDoesNotParse) {
    Add(2e-10, 1, 2);
    // Typing "1,2E5" one key at a time.
    for (const char* text : {"1", "1,", "1,2", "1,2E", "1,2E5"}) {
        const bool parsed = ApplyChargeCellEdit(project, 0, RowAmount, text);
        EXPECT_EQ(parsed, std::string(text) != "1,2E") << text;
    }
    EXPECT_EQ(project.Active().charges[0].amount, 1.2e5);
    EXPECT_FALSE(ApplyChargeCellEdit(project, 0, RowAmount, "1,2E"));
    EXPECT_EQ(project.Active().charges[0].amount, 1.2e5);

    ASSERT_TRUE(ApplyChargeCellEdit(project, 0, RowRadius, "0,25"));
    ASSERT_TRUE(ApplyChargeCellEdit(project, 0, RowX, "-3"));
    ASSERT_TRUE(ApplyChargeCellEdit(project, 0, RowY, "7,5"));
    const Charge& c = project.Active().charges[0];
    EXPECT_EQ(c.radius, 0.25f);
    EXPECT_EQ(c.x, -3.0f);
    EXPECT_EQ(c.y, 7.5f);

    // In e the typed number counts elementary charges.
    project.UnitsInElementaryCharges = true;
    ASSERT_TRUE(ApplyChargeCellEdit(project, 0, RowAmount, "3"));
    EXPECT_EQ(c.amount, 3 * double(ElementaryCharge));
}

TEST_F(ChargeEditing, ValuesThatWouldBeStoredAsInfinityAreRefused) {
    Add(2e-10, 1, 2);
    const Charge before = project.Active().charges[0];
    EXPECT_FALSE(ApplyChargeCellEdit(project, 0, RowRadius, "1E39"));
    EXPECT_FALSE(ApplyChargeCellEdit(project, 0, RowX, "-1E39"));
    EXPECT_FALSE(ApplyChargeCellEdit(project, 0, RowY, "1E400"));
    EXPECT_FALSE(ApplyChargeCellEdit(project, 0, RowAmount, "1E400"));
    const Charge& after = project.Active().charges[0];
    EXPECT_EQ(after.radius, before.radius);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
}

TEST_F(ChargeEditing, HeaderSelectionWithAndWithoutCtrl) {
    for (int i = 0; i < 5; ++i) Add(2e-10, i, 1);
    SelectChargeByHeader(project, 1, true, false);
    SelectChargeByHeader(project, 3, true, false);
    EXPECT_TRUE(project.ChargeSelected[1] && project.ChargeSelected[3]);
    SelectChargeByHeader(project, 3, true, false);  // Ctrl toggles
    EXPECT_FALSE(project.ChargeSelected[3]);
    EXPECT_TRUE(AnyChargeSelected(project));

    // Without Ctrl only the clicked charge stays marked; a click beside the headers clears.
    SelectChargeByHeader(project, 4, false, false);
    EXPECT_FALSE(project.ChargeSelected[1]);
    EXPECT_TRUE(project.ChargeSelected[4]);
    SelectChargeByHeader(project, -1, false, false);
    EXPECT_FALSE(AnyChargeSelected(project));

    // During a radius drag clicks clear but never mark.
    SelectChargeByHeader(project, 2, false, true);
    SelectChargeByHeader(project, 2, true, true);
    EXPECT_FALSE(AnyChargeSelected(project));
}

TEST_F(ChargeEditing, DeletingChargesTwoAndFourOfFiveKeepsTheOthersInOrder) {
    for (int i = 0; i < 5; ++i) Add((i + 1) * 1e-10, float(i), 1);
    SelectChargeByHeader(project, 1, true, false);
    SelectChargeByHeader(project, 3, true, false);
    DeleteSelectedCharges(project);
    const FieldTab& t = project.Active();
    ASSERT_EQ(t.ChargeCount, 3);
    EXPECT_EQ(t.charges[0].amount, 1e-10);
    EXPECT_EQ(t.charges[1].amount, 3e-10);
    EXPECT_EQ(t.charges[2].amount, 5e-10);
    EXPECT_EQ(ChargeTableCell(project, 2, RowHeader), "Ladung 3");
    EXPECT_FALSE(AnyChargeSelected(project));
}

}  // namespace
