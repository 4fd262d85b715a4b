// The language command of the main window.
#include "mainwindow/FMain.h"

#include "mainwindow/ProgrammOrdner.h"
#include "translation/Sprachwahl.h"
#include "translation/qt/DSpracheWaehlen.h"

void TMain::Sprachendern1Click() {
    // Closing the chooser in any way applies the language chosen; only OK stores the numbers.
    DlgSpracheWaehlen->exec();
    SpracheWaehlen(ProgrammOrdner(), DlgSpracheWaehlen->Originalsprache(),
                   DlgSpracheWaehlen->Sprache());
    // Every other window takes the new texts at its next showing.
    TexteUebersetzen();
}
