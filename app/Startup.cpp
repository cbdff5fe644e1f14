#include "app/Startup.h"

#include "app/DialogWindow.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"

namespace kord {

void Main() {
    State().DecimalComma = DecideDecimalComma(CurrentLocale());
    frmDialog().Show();
}

}  // namespace kord
