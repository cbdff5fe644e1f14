#pragma once

namespace kord {

// Opens the help file on its contents; the window that asks does not wait for it.
void OpenHelp();

// Opens the material data sheet: the PDF, else the word-processor document; says so when
// neither opens.
void OpenMaterialDataSheet();

}  // namespace kord
