#include "app/Startup.h"

#include "app/DialogWindow.h"
#include "app/InputWindow.h"
#include "app/ReportSnapshot.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "review/ResultsWindow.h"

namespace kord {

void ConnectWindows() {
    SetResultsLinks({.showInput = [] { frmData().Show(); }, .print = PrintLastDesign});
}

void Main() {
    ConnectWindows();
    State().DecimalComma = DecideDecimalComma(CurrentLocale());
    frmDialog().Show();
}

}  // namespace kord
