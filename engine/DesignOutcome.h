#pragma once
// What a design tells the window that ran it: success, or the message saying why not and the
// input it concerns. Showing the message and moving the focus is the window's business.

#include <string>
#include <utility>

#include "engine/MessageTexts.h"

namespace kord {

// The input of the design case that a refusal concerns; the input window knows its box.
enum class DesignField {
    None,
    FlangeWidth,
    FlangeDepth,
    BottomSteel,  // the area of the bottom layers
    d11,
    d12,
    d2,
    Mo,
    Msd,
    MeanStrength,
    Modulus,
    ShearForce,
    StripWidth,
    StripSpacing,
    CornerRadius,
    Diameter,
    RuptureStrain,
    RequiredStrength,
    RequiredStrain,
};

struct DesignOutcome {
    bool success = true;
    std::string message;
    std::string title;
    DesignField focus = DesignField::None;
    // Some refusals give the focus before their message shows, the others after it.
    bool focusFirst = false;

    static DesignOutcome Success() { return {}; }
    static DesignOutcome Refused(std::string message, DesignField focus = DesignField::None,
                                 bool focusFirst = false) {
        return {false, std::move(message), kWarningTitle, focus, focusFirst};
    }
};

}  // namespace kord
