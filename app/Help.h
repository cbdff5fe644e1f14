#pragma once

namespace kord {

// Opens the help file on its contents; the window that asks does not wait for it.
void OpenHelp();

}  // namespace kord
