// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace voltaris {

// A typed or loaded number that does not parse; what() is the user-facing message
// "'<text>' ist kein gültiger Gleitkommawert".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// The general number format: at most `digits` significant digits, trailing zeros dropped,
// decimal comma; plain notation for 0 and for magnitudes from 0.0001 up to `digits` digits
// before the comma, otherwise mantissa + "E" + exponent (no plus sign, no leading zeros).
// Files use 15 digits, tables and labels 3, the particle charge box 2.
std::string FormatGeneral(double value, int digits);

// Parses a number with the decimal comma: surrounding blanks, optional sign, optional
// exponent "E"/"e". Throws ConversionError for anything else (a decimal point included).
double ParseNumber(std::string_view text);

// As ParseNumber, but reports failure by the result instead of throwing.
bool TryParseNumber(std::string_view text, double& value);

// Numbers the user sees and types follow the interface language: the decimal comma in German,
// the decimal point in English. Files keep the comma whatever the language (the functions
// above). One setting for the whole process: the drawing threads label their views with it.
enum class NumberStyle { DecimalComma, DecimalPoint };
void SetInterfaceNumberStyle(NumberStyle style);
NumberStyle InterfaceNumberStyle();

// FormatGeneral in the interface number style.
std::string FormatShownNumber(double value, int digits);

// Parses a number the user typed. With the decimal comma exactly as ParseNumber; with the
// decimal point both "1.5" and "1,5" are taken. Throws ConversionError, whose text names the
// input as typed.
double ParseTypedNumber(std::string_view text);

// As ParseTypedNumber, but reports failure by the result instead of throwing.
bool TryParseTypedNumber(std::string_view text, double& value);

}  // namespace voltaris
