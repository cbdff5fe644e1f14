#include "kit/ProgramState.h"

namespace kord {

DesignState& State() {
    static DesignState state;
    return state;
}

const char* Dec(const char* commaForm, const char* pointForm) {
    return State().DecimalComma ? commaForm : pointForm;
}

}  // namespace kord
