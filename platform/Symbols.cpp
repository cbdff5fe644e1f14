#include "platform/Symbols.h"

namespace kord {

std::string SymbolChar(int code) {
    switch (code) {
        case 97:
            return "α";
        case 101:
            return "ε";
        case 103:
            return "γ";
        case 106:
            return "φ";
        case 115:
            return "σ";
        case 120:
            return "ξ";
        case 163:
            return "≤";
        default:
            return {};
    }
}

std::string CodePageChar(int code) {
    switch (code) {
        case 174:
            return "®";
        case 178:
            return "²";
        default:
            return {};
    }
}

}  // namespace kord
