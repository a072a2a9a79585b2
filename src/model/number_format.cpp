// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_format.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef _WIN32
#include <charconv>
#else
#include <locale.h>
#endif

namespace voltaris {

namespace {

#ifdef _WIN32
// Windows' C library has no strtod_l. std::from_chars rounds as correctly as glibc's strtod
// and ignores the locale; it refuses results out of range where strtod gives infinity (too
// large, refused below) or zero (too small). `c` is [sign]digits[.digits][e[sign]digits].
double ParseCNotation(const std::string& c) {
    const char* begin = c.data() + (c[0] == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(begin, c.data() + c.size(), value);
    if (error != std::errc::result_out_of_range) return value;
    // Which side of the range: the value lies below 10^(magnitude + exponent).
    long magnitude = 0;
    bool significant = false, afterPoint = false;
    size_t i = c[0] == '+' || c[0] == '-' ? 1 : 0;
    for (; i < c.size() && c[i] != 'e'; ++i) {
        if (c[i] == '.') {
            afterPoint = true;
        } else if (!significant && c[i] == '0') {
            if (afterPoint) --magnitude;
        } else {
            significant = true;
            if (!afterPoint) ++magnitude;
        }
    }
    const long exponent = i < c.size() ? std::strtol(c.c_str() + i + 1, nullptr, 10) : 0;  // saturates
    const bool tooLarge = static_cast<long double>(exponent) + magnitude > 0;
    const double zero = c[0] == '-' ? -0.0 : 0.0;
    errno = ERANGE;
    return tooLarge ? (c[0] == '-' ? -HUGE_VAL : HUGE_VAL) : zero;
}
#else
double ParseCNotation(const std::string& c) {
    // Parse in the C locale whatever the process locale is: '.' is the separator here.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(c.c_str(), nullptr, cLocale);
}
#endif

}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' ist kein gültiger Gleitkommawert") {}

std::string FormatGeneral(double value, int digits) {
    if (value == 0.0 || !std::isfinite(value)) {
        if (value == 0.0) return "0";
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    // %e rounds to `digits` significant digits and tells the decimal exponent after rounding.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    const char* e = std::strchr(buf, 'e');
    const int exponent = std::atoi(e + 1);
    std::string mantissa;  // significant digits without sign and point
    for (const char* p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9') mantissa += *p;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < digits) {
        if (exponent < 0) {
            out += "0,";
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += mantissa;
        } else {
            const size_t before = static_cast<size_t>(exponent) + 1;
            if (mantissa.size() <= before) {
                out += mantissa;
                out.append(before - mantissa.size(), '0');
            } else {
                out += mantissa.substr(0, before) + "," + mantissa.substr(before);
            }
        }
    } else {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += "," + mantissa.substr(1);
        out += "E" + std::to_string(exponent);
    }
    return out;
}

bool TryParseNumber(std::string_view text, double& value) {
    size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    std::string s;  // rebuilt in C notation for strtod
    size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) s += text[i++];
    size_t mantissaDigits = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') { s += text[i++]; ++mantissaDigits; }
    if (i < end && text[i] == ',') {
        s += '.';
        ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9') { s += text[i++]; ++mantissaDigits; }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) s += text[i++];
        size_t exponentDigits = 0;
        while (i < end && text[i] >= '0' && text[i] <= '9') { s += text[i++]; ++exponentDigits; }
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;
    errno = 0;
    const double v = ParseCNotation(s);
    if (!std::isfinite(v) || (errno == ERANGE && std::fabs(v) > 1.0)) return false;
    value = v;
    return true;
}

double ParseNumber(std::string_view text) {
    double v = 0;
    if (!TryParseNumber(text, v)) throw ConversionError(text);
    return v;
}

namespace {
std::atomic<NumberStyle> interfaceNumberStyle{NumberStyle::DecimalComma};
}  // namespace

void SetInterfaceNumberStyle(NumberStyle style) { interfaceNumberStyle.store(style, std::memory_order_relaxed); }

NumberStyle InterfaceNumberStyle() { return interfaceNumberStyle.load(std::memory_order_relaxed); }

std::string FormatShownNumber(double value, int digits) {
    std::string text = FormatGeneral(value, digits);
    if (InterfaceNumberStyle() == NumberStyle::DecimalPoint) std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

bool TryParseTypedNumber(std::string_view text, double& value) {
    if (InterfaceNumberStyle() == NumberStyle::DecimalComma) return TryParseNumber(text, value);
    // A number holds at most one separator, so turning the point into the comma cannot make
    // two of them out of one valid number.
    std::string withComma(text);
    std::replace(withComma.begin(), withComma.end(), '.', ',');
    return TryParseNumber(withComma, value);
}

double ParseTypedNumber(std::string_view text) {
    double v = 0;
    if (!TryParseTypedNumber(text, v)) throw ConversionError(text);
    return v;
}

}  // namespace voltaris
