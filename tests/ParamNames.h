#pragma once

// Names of the cases of parameterised suites: readable and stable in `ctest -N`, so that
// `ctest -R` and `--rerun-failed` find them.

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>

namespace kord::test {

// The letters and digits of a text as one test name: each word capitalised, a '_' between two
// numbers and "Minus" for a sign ("a bar at 0,19" → "ABarAt0_19", "-2" → "Minus2").
inline std::string Identifier(std::string_view text) {
    std::string out;
    bool inWord = false;
    bool minus = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80 && std::isalnum(c)) {
            if (!inWord) {
                if (minus) out += "Minus";
                if (std::isdigit(c) && !out.empty() &&
                    std::isdigit(static_cast<unsigned char>(out.back())))
                    out += '_';
                out += static_cast<char>(std::toupper(c));
            } else {
                out += ch;
            }
            inWord = true;
            minus = false;
        } else {
            inWord = false;
            minus = ch == '-';
        }
    }
    return out;
}

// A number to ten significant digits, without trailing zeros: 74.9, 16000.01.
inline std::string Num(double value) {
    std::ostringstream s;
    s.precision(10);
    s << value;
    return s.str();
}

inline std::string Separator(bool comma) {
    return comma ? "Comma" : "Point";
}

// A name generator from a text made of the parameter.
template <class F>
auto NamedBy(F describe) {
    return [describe](const auto& info) { return Identifier(describe(info.param)); };
}

// For the suites that run once under each decimal separator.
inline std::string SeparatorName(const ::testing::TestParamInfo<bool>& info) {
    return Separator(info.param);
}

}  // namespace kord::test
