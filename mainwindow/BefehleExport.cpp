// The text, HTML and "T3" exports of the main window. Each asks for a file, builds its lines in
// memory and replaces the file only once they are all written; none refreshes the views.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Exporte.h"
#include "core/T3Export.h"
#include "mainwindow/DateiDialog.h"
#include "platform/LineFile.h"
#include "platform/Uhr.h"

#include <functional>

namespace {

// Offers the remembered name, else what the dialog last held; on OK the chosen file becomes the
// remembered name. False when cancelled.
bool DateiWaehlen(TDateiDialog& dialog, std::filesystem::path& gemerkt) {
    if (!TrimText(PathText(gemerkt)).empty())
        dialog.FileName = gemerkt;
    if (!dialog.Execute())
        return false;
    gemerkt = dialog.FileName;
    return true;
}

using Zeilen = std::vector<std::string>;

// Asks for the file as DateiWaehlen does, then builds the lines and writes them.
void Speichern(TDateiDialog& dialog, std::filesystem::path& gemerkt,
               const std::function<Zeilen()>& zeilen) {
    if (DateiWaehlen(dialog, gemerkt))
        WriteLinesAtomically(gemerkt, zeilen());
}

// The standings of the round, recomputed and sorted, in the lines of one export.
Zeilen Tabellenexport(int runde, Zeilen (*zeilen)(int runde)) {
    WerteFuerExport(runde);
    return zeilen(runde);
}

} // namespace

void TMain::Spieltag1Click() {
    SpieltagAlsTextSpeichern();
}

void TMain::abelle1Click() {
    TabelleAlsTextSpeichern();
}

void TMain::HtmlExport1Click() {
    TabelleAlsHtmlSpeichern();
}

void TMain::ErgebnisseExportieren1Click() {
    if (SDExport->Execute())
        T3ExportSpeichern(SDExport->FileName);
}

void TMain::SpieltagAlsTextSpeichern() {
    Speichern(*SDErgebnis, TextDateiSpieltag,
              [this] { return SpieltagTextZeilen(AusgewaehlteRunde()); });
}

void TMain::TabelleAlsTextSpeichern() {
    Speichern(*SDTabelle, TextDateiTabelle,
              [this] { return Tabellenexport(AusgewaehlteRunde(), &TabelleTextZeilen); });
}

void TMain::TabelleAlsHtmlSpeichern() {
    Speichern(*SDTabelle, HtmlDatei,
              [this] { return Tabellenexport(AusgewaehlteRunde(), &TabelleHtmlZeilen); });
}

void TMain::T3ExportSpeichern(const std::filesystem::path& datei) {
    const TDatum heute = Heute();
    const int runde = AusgewaehlteRunde();
    WerteFuerExport(runde);
    WriteLinesAtomically(datei, T3ExportZeilen(runde, heute));
}
