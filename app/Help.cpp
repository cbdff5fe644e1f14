#include "app/Help.h"

#include "platform/Host.h"
#include "platform/Paths.h"

namespace kord {

void OpenHelp() {
    TheHost().ShowHelp(ProgramPath("Help/Kordelan-Help.hlp"));
}

}  // namespace kord
