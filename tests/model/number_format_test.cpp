// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/number_format.h"

using namespace voltaris;

TEST(FormatGeneral, FileNumbersWithFifteenDigits) {
    EXPECT_EQ(FormatGeneral(0, 15), "0");
    EXPECT_EQ(FormatGeneral(0.5, 15), "0,5");
    EXPECT_EQ(FormatGeneral(-1.5, 15), "-1,5");
    EXPECT_EQ(FormatGeneral(2192308, 15), "2192308");
    EXPECT_EQ(FormatGeneral(0.0001, 15), "0,0001");
    EXPECT_EQ(FormatGeneral(9e-5, 15), "9E-5");
    EXPECT_EQ(FormatGeneral(1.6e-19, 15), "1,6E-19");
    EXPECT_EQ(FormatGeneral(3.17902351810262e-9, 15), "3,17902351810262E-9");
    EXPECT_EQ(FormatGeneral(1e15, 15), "1E15");
    EXPECT_EQ(FormatGeneral(999999999999999, 15), "999999999999999");
    EXPECT_EQ(FormatGeneral(static_cast<double>(0.012f), 15), "0,0120000001043081");
    EXPECT_EQ(FormatGeneral(-222.129845303873, 15), "-222,129845303873");
}

TEST(FormatGeneral, LabelNumbersWithThreeOrTwoDigits) {
    EXPECT_EQ(FormatGeneral(1000, 3), "1E3");
    EXPECT_EQ(FormatGeneral(500000, 3), "5E5");
    EXPECT_EQ(FormatGeneral(1.756e11, 3), "1,76E11");
    EXPECT_EQ(FormatGeneral(9.11e-31, 3), "9,11E-31");
    EXPECT_EQ(FormatGeneral(4.00000005340573e-10, 3), "4E-10");
    EXPECT_EQ(FormatGeneral(100, 3), "100");
    EXPECT_EQ(FormatGeneral(999.7, 3), "1E3");  // rounding carries into a fourth digit
    EXPECT_EQ(FormatGeneral(-1.6021765e-19, 2), "-1,6E-19");
    EXPECT_EQ(FormatGeneral(1e-10, 3), "1E-10");
}

TEST(ParseNumber, CommaSignExponentAndBlanks) {
    EXPECT_EQ(ParseNumber("0,5"), 0.5);
    EXPECT_EQ(ParseNumber(" -1,5 "), -1.5);
    EXPECT_EQ(ParseNumber("+2"), 2.0);
    EXPECT_EQ(ParseNumber("1,2E5"), 1.2e5);
    EXPECT_EQ(ParseNumber("1,2e-5"), 1.2e-5);
    EXPECT_EQ(ParseNumber("3,17902351810262E-9"), 3.17902351810262e-9);
    EXPECT_EQ(static_cast<float>(ParseNumber(FormatGeneral(static_cast<double>(0.012f), 15))), 0.012f);
}

TEST(ParseNumber, AnythingElseRaisesTheConversionError) {
    for (const char* text : {"", " ", "1.5", "1,2E", "abc", "1,2,3", "E5", "--1", "1e999", "1 2"}) {
        try {
            ParseNumber(text);
            ADD_FAILURE() << "parsed: " << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
        }
    }
}

// The English interface: shown numbers with the point, typed ones with point or comma, while
// the file format keeps the comma.
TEST(InterfaceNumbers, PointStyleShowsAndTakesThePointButFilesKeepTheComma) {
    EXPECT_EQ(FormatShownNumber(-1.756e11, 3), "-1,76E11");
    EXPECT_THROW(ParseTypedNumber("1.5"), ConversionError);

    SetInterfaceNumberStyle(NumberStyle::DecimalPoint);
    struct Restore {
        ~Restore() { SetInterfaceNumberStyle(NumberStyle::DecimalComma); }
    } restore;
    EXPECT_EQ(FormatShownNumber(-1.756e11, 3), "-1.76E11");
    EXPECT_EQ(FormatShownNumber(0.0120000001043081, 15), "0.0120000001043081");
    EXPECT_EQ(FormatGeneral(0.5, 15), "0,5");
    EXPECT_EQ(ParseNumber("0,5"), 0.5);
    EXPECT_THROW(ParseNumber("0.5"), ConversionError);

    EXPECT_EQ(ParseTypedNumber(" 1.2E5 "), 1.2e5);
    EXPECT_EQ(ParseTypedNumber("-1,5"), -1.5);
    for (const char* text : {"1.2,3", "1..2", "1.2.3", ".", "1,2E"}) {
        double ignored = 0;
        EXPECT_FALSE(TryParseTypedNumber(text, ignored)) << text;
        try {
            ParseTypedNumber(text);
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
        }
    }
}
