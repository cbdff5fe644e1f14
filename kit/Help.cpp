#include "kit/Help.h"

#include "engine/MessageTexts.h"
#include "platform/Host.h"
#include "platform/Paths.h"

namespace kord {

void OpenHelp() {
    TheHost().ShowHelp(ProgramPath("Help/Kordelan-Help.hlp"));
}

void OpenMaterialDataSheet() {
    if (TheHost().OpenDocument(ProgramPath("Vendrik/Plankor.pdf"))) return;
    if (TheHost().OpenDocument(ProgramPath("Vendrik/Plankor.doc"))) return;
    Warn(
        "Nie można otworzyć karty materiałowej Vendrik Plankor: w folderze Vendrik programu nie "
        "ma pliku Plankor.pdf ani Plankor.doc, albo w systemie brak programu do ich "
        "wyświetlenia.",
        kWarningTitle);
}

}  // namespace kord
