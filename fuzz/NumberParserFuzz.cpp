// The strict number reader against its documented grammar: optional blanks, an optional sign,
// digits with at most one decimal separator (at least one digit), an optional exponent, optional
// blanks. A text of that form reads as the C library reads it (overflow is no number); any other
// text is no number.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/NumberFormat.h"

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// The grammar, written out on its own; the text for strtod with '.' as separator, or false.
bool Grammar(const std::string& text, char point, std::string& plain) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool seenPoint = false;
    for (; i < e; ++i) {
        if (Digit(text[i])) {
            ++digits;
        } else if (text[i] == point && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) ++i;
        if (i == e || !Digit(text[i])) return false;
        while (i < e && Digit(text[i])) ++i;
    }
    if (i != e) return false;
    plain = text.substr(b, e - b);
    for (char& c : plain)
        if (c == point) c = '.';
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const kord::NumericLocale& loc :
         {kord::NumericLocale{'.', ","}, kord::NumericLocale{',', "\u00a0"}}) {
        const std::optional<double> read = kord::ParseNumber(text, loc);
        if (kord::IsNumber(text, loc) != read.has_value()) std::abort();
        std::string plain;
        if (!Grammar(text, loc.decimalSeparator, plain)) {
            if (read) std::abort();  // outside the grammar, yet read
            continue;
        }
        errno = 0;
        const double expected = std::strtod(plain.c_str(), nullptr);
        if (std::isinf(expected)) {
            if (read) std::abort();  // overflow read as a number
            continue;
        }
        if (!read) std::abort();  // a number of the grammar refused
        // Equal to the last bit; a value too small for any double is zero of either sign.
        if (*read != expected) std::abort();
    }
    return 0;
}
