#pragma once
// The concrete class table of the input window: list position → characteristic strength.

#include <array>
#include <string>

namespace kord {

struct ConcreteClass {
    const char* item;  // the list text, blanks included (the input file stores it)
    double fck;        // N/mm²
};

inline constexpr std::array<ConcreteClass, 9> kConcreteClasses{{
    {" C 12/15 ", 12},
    {" C 16/20 ", 16},
    {" C 20/25 ", 20},
    {" C 25/30 ", 25},
    {" C 30/37 ", 30},
    {" C 35/45 ", 35},
    {" C 40/50 ", 40},
    {" C 45/55 ", 45},
    {" C 50/60 ", 50},
}};

// 8.2, not 8: the mean strength the system has always used.
inline constexpr double kFcmOverFck = 8.2;

inline constexpr std::array<const char*, 3> kFibreKinds{{
    " Włókno węglowe   (CFRP) ",
    " Włókno aramidowe (AFRP) ",
    " Włókno szklane   (GFRP) ",
}};

}  // namespace kord
