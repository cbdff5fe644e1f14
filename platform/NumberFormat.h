#pragma once

// Reading and writing numbers with the conventions of the user's locale.
//
// All conversions here are independent of the C library's locale: QCoreApplication calls
// setlocale(LC_ALL, ""), after which strtod/printf would follow the user's locale on their own
// and disagree with these functions. The digits themselves are always ASCII.

#include <optional>
#include <string>
#include <string_view>

namespace kord {

// The numeric conventions of the user's locale, read once.
struct NumericLocale {
    // The locale's decimal separator when it is a single ASCII character (in practice '.' or
    // ','); '.' for the few locales that write another character.
    char decimalSeparator = '.';
    // UTF-8, e.g. "," "." "\u00a0" "’"; may be empty.
    std::string groupSeparator;

    // QLocale::system(): LC_ALL, then LC_NUMERIC, then LANG.
    static NumericLocale FromSystem();
    // QLocale(name), e.g. "pl_PL", "en_US", "de_CH", "C", "pl_PL.UTF-8". Qt carries its own
    // locale data, so this works whether or not the system has the locale installed.
    static NumericLocale FromName(const std::string& name);

    bool operator==(const NumericLocale&) const = default;
};

// The process-wide locale numbers are read and written with. Until it is set it is the system
// locale (read on first use). Set it once at start, before any other thread reads it; tests may
// set it.
const NumericLocale& CurrentLocale();
void SetCurrentLocale(const NumericLocale& loc);

// Strict conversion of a typed text: optional leading/trailing blanks (space, tab), an optional
// sign, ASCII digits with at most one decimal separator (the locale's one only), an optional
// exponent (e/E, optional sign, at least one digit). No group separators. At least one digit
// before the exponent. Only finite results: "nan", "inf" and overflow are refused; a value too
// small for a double reads as zero. Empty or blank text is no number.
std::optional<double> ParseNumber(const std::string& text,
                                  const NumericLocale& loc = CurrentLocale());
bool IsNumber(const std::string& text, const NumericLocale& loc = CurrentLocale());

// The lenient reading used only by DecideDecimalComma: like ParseNumber, but the integer part
// may also be split by the locale's group separator into proper groups (1 to 3 leading digits,
// then groups of exactly 3), as "1.500" under de_DE or "12 345,5" under pl_PL.
std::optional<double> ParseNumberWithGroups(const std::string& text, const NumericLocale& loc);

// Whether the locale writes decimals with a comma, decided once at start by reading "1.500"
// and "1,500" with the locale's conventions (group separator included):
//  1. "1.500" is a number → its value > 500 (the point groups thousands);
//  2. else "1,500" is a number → !(its value > 500) (the comma is the decimal separator);
//  3. else false.
bool DecideDecimalComma(const NumericLocale& loc);

// Plain value text: up to 15 significant digits, no trailing zeros, the locale's decimal
// separator, no group separator, no leading blank, never "-0". Plain digits for magnitudes from
// 1e-15 up to below 1e15 (1e-7 → "0.0000001"); outside that range the exponent form
// "1.5E+16", "1E-16" (at least two exponent digits). Non-finite values give "nan", "inf", "-inf".
std::string FormatGeneral(double v, const NumericLocale& loc = CurrentLocale());

// Fixed patterns such as "####0.00", "#0.000", "0.00000", "####0". Before the point, each '0'
// is a digit always written (leading zeros pad to their count) and '#' adds nothing: all
// integer digits of the value are written, without blanks. After the point, each '0' is a
// decimal always written and each '#' an optional one (dropped when a trailing zero). Other
// pattern characters are ignored. The value's 15-significant-digit decimal form is rounded half
// away from zero (1.005 → "1.01", -1.005 → "-1.01"); a result that shows only zeros has no minus
// sign. The locale's decimal separator, no group separator. Non-finite values as FormatGeneral.
std::string FormatPattern(double v, std::string_view pattern,
                          const NumericLocale& loc = CurrentLocale());

}  // namespace kord
