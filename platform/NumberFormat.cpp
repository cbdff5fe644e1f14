#include "platform/NumberFormat.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace kord {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

NumericLocale FromQLocale(const QLocale& q) {
    NumericLocale loc;
    const QString point = q.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        loc.decimalSeparator = static_cast<char>(point.at(0).unicode());
    }
    loc.groupSeparator = q.groupSeparator().toStdString();
    return loc;
}

NumericLocale& CurrentLocaleStorage() {
    static NumericLocale loc = NumericLocale::FromSystem();
    return loc;
}

// Reads an already trimmed text: sign, digits with at most one `point`, optional exponent.
// The text is rewritten in the canonical form std::from_chars reads, which is independent of
// the C library's locale.
std::optional<double> ReadPlain(std::string_view s, char point) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string intDigits;
    std::string fracDigits;
    while (i < s.size() && IsDigit(s[i])) intDigits += s[i++];
    if (i < s.size() && s[i] == point) {
        ++i;
        while (i < s.size() && IsDigit(s[i])) fracDigits += s[i++];
    }
    if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

    std::string_view exponentText;
    // Saturated far beyond any text's length, so that the order of magnitude below stays exact
    // whatever the count of leading or trailing zeros.
    constexpr long long kExponentCap = 1'000'000'000'000'000LL;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const size_t start = i++;
        bool exponentNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponentNegative = s[i++] == '-';
        if (i >= s.size() || !IsDigit(s[i])) return std::nullopt;
        while (i < s.size() && IsDigit(s[i])) {
            const int digit = s[i++] - '0';
            if (exponent < kExponentCap) exponent = exponent * 10 + digit;
        }
        if (exponentNegative) exponent = -exponent;
        exponentText = s.substr(start, i - start);
    }
    if (i != s.size()) return std::nullopt;

    std::string canonical = negative ? "-" : "";
    canonical += intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty()) canonical += "." + fracDigits;
    canonical += exponentText;

    double value = 0.0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(),
                                           value, std::chars_format::general);
    if (end != canonical.data() + canonical.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal order of the first significant digit
        // tells which. Overflow is no number; underflow reads as zero.
        long long order = 0;
        const size_t firstInt = intDigits.find_first_not_of('0');
        if (firstInt != std::string::npos) {
            order = static_cast<long long>(intDigits.size() - firstInt);
        } else {
            const size_t firstFrac = fracDigits.find_first_not_of('0');
            if (firstFrac != std::string::npos) order = -static_cast<long long>(firstFrac);
        }
        if (order + exponent > 0) return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A double as its 15-significant-digit decimal form: digits d0 d1 ... d14, the value being
// d0.d1...d14 × 10^exp10. Zero gives fifteen zeros and exponent 0.
struct Decimal15 {
    bool negative = false;
    std::string digits;
    int exp10 = 0;
};

Decimal15 ToDecimal15(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));  // "-d.ddd…de+XX"
    Decimal15 d;
    size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (IsDigit(text[i])) d.digits += text[i];
    }
    ++i;  // 'e'
    const bool exponentNegative = text[i] == '-';
    ++i;  // sign, always written by to_chars
    int exponent = 0;
    for (; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
    d.exp10 = exponentNegative ? -exponent : exponent;
    return d;
}

std::string NonFinite(double v) {
    if (std::isnan(v)) return "nan";
    return v < 0 ? "-inf" : "inf";
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits) {
    for (size_t k = digits.size(); k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

NumericLocale NumericLocale::FromSystem() {
    return FromQLocale(QLocale::system());
}

NumericLocale NumericLocale::FromName(const std::string& name) {
    return FromQLocale(QLocale(QString::fromStdString(name)));
}

const NumericLocale& CurrentLocale() {
    return CurrentLocaleStorage();
}

void SetCurrentLocale(const NumericLocale& loc) {
    CurrentLocaleStorage() = loc;
}

std::optional<double> ParseNumber(const std::string& text, const NumericLocale& loc) {
    return ReadPlain(Trim(text), loc.decimalSeparator);
}

bool IsNumber(const std::string& text, const NumericLocale& loc) {
    return ParseNumber(text, loc).has_value();
}

std::optional<double> ParseNumberWithGroups(const std::string& text, const NumericLocale& loc) {
    const std::string_view sep = loc.groupSeparator;
    if (sep.empty() || (sep.size() == 1 && sep[0] == loc.decimalSeparator)) {
        return ParseNumber(text, loc);
    }
    const std::string_view s = Trim(text);
    std::string joined;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) joined += s[i++];

    // The integer part, with the separators taken out and the group lengths noted.
    std::vector<size_t> groups{0};
    while (i < s.size()) {
        if (IsDigit(s[i])) {
            joined += s[i++];
            ++groups.back();
        } else if (s.substr(i, sep.size()) == sep) {
            i += sep.size();
            groups.push_back(0);
        } else {
            break;
        }
    }
    if (groups.size() > 1) {
        if (groups.front() < 1 || groups.front() > 3) return std::nullopt;
        for (size_t k = 1; k < groups.size(); ++k) {
            if (groups[k] != 3) return std::nullopt;
        }
    }
    joined += s.substr(i);
    return ReadPlain(joined, loc.decimalSeparator);
}

// A reader of our own rather than QLocale::toDouble: the decision must follow from the two
// separators alone, so that it agrees with how this program reads numbers and can be checked
// for any pair of separators, not only for the locales Qt knows.
bool DecideDecimalComma(const NumericLocale& loc) {
    if (const auto v = ParseNumberWithGroups("1.500", loc)) return *v > 500;
    if (const auto v = ParseNumberWithGroups("1,500", loc)) return !(*v > 500);
    return false;
}

std::string FormatGeneral(double v, const NumericLocale& loc) {
    if (!std::isfinite(v)) return NonFinite(v);
    const Decimal15 d = ToDecimal15(v);
    const size_t lastNonZero = d.digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) return "0";  // also for -0
    const std::string digits = d.digits.substr(0, lastNonZero + 1);
    const int e = d.exp10;

    std::string out = d.negative ? "-" : "";
    if (e >= 15 || e < -15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += loc.decimalSeparator;
            out += digits.substr(1);
        }
        out += e < 0 ? "E-" : "E+";
        const std::string exponent = std::to_string(std::abs(e));
        if (exponent.size() < 2) out += '0';
        out += exponent;
    } else if (e >= 0) {
        const size_t intCount = static_cast<size_t>(e) + 1;
        if (digits.size() <= intCount) {
            out += digits + std::string(intCount - digits.size(), '0');
        } else {
            out += digits.substr(0, intCount);
            out += loc.decimalSeparator;
            out += digits.substr(intCount);
        }
    } else {
        out += '0';
        out += loc.decimalSeparator;
        out += std::string(static_cast<size_t>(-e - 1), '0');
        out += digits;
    }
    return out;
}

std::string FormatPattern(double v, std::string_view pattern, const NumericLocale& loc) {
    if (!std::isfinite(v)) return NonFinite(v);

    size_t minInt = 0;
    size_t minDec = 0;
    size_t maxDec = 0;
    bool afterPoint = false;
    for (const char c : pattern) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == '0') {
            if (afterPoint) {
                ++minDec;
                ++maxDec;
            } else {
                ++minInt;
            }
        } else if (c == '#' && afterPoint) {
            ++maxDec;
        }
    }

    // |v| × 10^maxDec rounded half away from zero, as a string of digits.
    const Decimal15 d = ToDecimal15(v);
    const long keep = d.exp10 + static_cast<long>(maxDec) + 1;  // digits at or above the last place
    const long available = static_cast<long>(d.digits.size());
    std::string scaled;
    if (keep <= 0) {
        scaled = (keep == 0 && d.digits[0] >= '5') ? "1" : "0";
    } else if (keep >= available) {
        scaled = d.digits + std::string(static_cast<size_t>(keep - available), '0');
    } else {
        scaled = d.digits.substr(0, static_cast<size_t>(keep));
        if (d.digits[static_cast<size_t>(keep)] >= '5') IncrementDigits(scaled);
    }
    if (scaled.size() < maxDec) scaled.insert(0, maxDec - scaled.size(), '0');

    std::string intPart = scaled.substr(0, scaled.size() - maxDec);
    std::string fracPart = scaled.substr(scaled.size() - maxDec);
    const size_t firstNonZero = intPart.find_first_not_of('0');
    intPart.erase(0, firstNonZero == std::string::npos ? intPart.size() : firstNonZero);
    if (intPart.size() < minInt) intPart.insert(0, minInt - intPart.size(), '0');
    while (fracPart.size() > minDec && fracPart.back() == '0') fracPart.pop_back();

    const bool allZero = (intPart + fracPart).find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !allZero) ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) {
        out += loc.decimalSeparator;
        out += fracPart;
    }
    return out;
}

}  // namespace kord
