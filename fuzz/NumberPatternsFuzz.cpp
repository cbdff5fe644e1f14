// Every double (eight bytes at a time) in every fixed pattern the program writes numbers with,
// and in the general form, with either decimal separator: the text has the pattern's shape and
// reads back to the value within the pattern's rounding.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/NumberFormat.h"

namespace {

constexpr std::string_view kPatterns[] = {"####0", "####0.00", "###0.00", "##0.00", "##0.000",
                                          "#0.00", "#0.000",   "0.00",    "0.000",  "0.00000"};

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The text read back with '.' for the separator, in long double (wider than any double's
// rounding error here, and without overflow at the top of the double's range).
long double ReadBack(std::string text, char point) {
    for (char& c : text)
        if (c == point) c = '.';
    char* end = nullptr;
    const long double r = std::strtold(text.c_str(), &end);
    if (*end != '\0') std::abort();
    return r;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

void NonFinite(double v, const std::string& out) {
    Check(out == (std::isnan(v) ? "nan" : v < 0 ? "-inf" : "inf"));
}

void CheckPattern(double v, std::string_view pattern, const kord::NumericLocale& loc) {
    const std::string out = kord::FormatPattern(v, pattern, loc);
    if (!std::isfinite(v)) return NonFinite(v, out);
    const std::size_t point = pattern.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : pattern.size() - point - 1;
    const std::string_view before = pattern.substr(0, point);
    const std::size_t minInt =
        static_cast<std::size_t>(std::count(before.begin(), before.end(), '0'));
    std::string_view s = out;
    const bool minus = !s.empty() && s[0] == '-';
    if (minus) s.remove_prefix(1);
    const std::size_t sep = s.find(loc.decimalSeparator);
    const std::string_view intPart = s.substr(0, sep);
    const std::string_view frac = sep == std::string_view::npos ? "" : s.substr(sep + 1);
    Check(Digits(intPart));
    Check(intPart.size() >= minInt);
    Check(intPart.size() <= minInt || intPart[0] != '0');
    Check(sep == std::string_view::npos ? decimals == 0 : frac.size() == decimals && Digits(frac));
    const long double back = ReadBack(out, loc.decimalSeparator);
    // A minus sign exactly when a negative value shows some digit other than zero.
    Check(minus == (v < 0 && back != 0));
    // Half a unit of the last decimal, and the 15 significant digits the value is taken to.
    const long double tolerance =
        0.5L * std::pow(10.0L, -static_cast<long double>(decimals)) * (1 + 1e-12L) +
        std::fabs(static_cast<long double>(v)) * 1e-14L;
    Check(std::fabs(back - v) <= tolerance);
}

void CheckGeneral(double v, const kord::NumericLocale& loc) {
    const std::string out = kord::FormatGeneral(v, loc);
    if (!std::isfinite(v)) return NonFinite(v, out);
    std::string_view s = out;
    if (!s.empty() && s[0] == '-') s.remove_prefix(1);
    const std::size_t e = s.find('E');
    const std::string_view mantissa = s.substr(0, e);
    const std::size_t sep = mantissa.find(loc.decimalSeparator);
    Check(Digits(mantissa.substr(0, sep)));
    if (sep != std::string_view::npos) {
        const std::string_view frac = mantissa.substr(sep + 1);
        Check(Digits(frac) && frac.back() != '0');
    }
    std::size_t significant = 0;
    bool leading = true;
    for (char c : mantissa) {
        if (c == loc.decimalSeparator) continue;
        if (c != '0') leading = false;
        if (!leading) ++significant;
    }
    Check(significant <= 15);
    const long double back = ReadBack(out, loc.decimalSeparator);
    Check(out[0] != '-' || back != 0);
    Check(std::fabs(back - v) <= std::fabs(static_cast<long double>(v)) * 5.000001e-15L);
    if (e != std::string_view::npos) {
        const std::string_view exponent = s.substr(e + 1);
        Check(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
              Digits(exponent.substr(1)));
        Check(std::fabs(back) >= 1e15L || std::fabs(back) < 1e-15L);
    } else {
        Check(back == 0 || (std::fabs(back) >= 1e-15L && std::fabs(back) < 1e15L));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double v = 0;
        std::memcpy(&v, data + at, sizeof v);
        for (const kord::NumericLocale& loc :
             {kord::NumericLocale{'.', ","}, kord::NumericLocale{',', "\u00a0"}}) {
            for (std::string_view pattern : kPatterns) CheckPattern(v, pattern, loc);
            CheckGeneral(v, loc);
        }
    }
    return 0;
}
