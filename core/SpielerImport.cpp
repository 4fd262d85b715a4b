#include "core/SpielerImport.h"

#include "core/Data.h"
#include "platform/Convert.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "platform/Messages.h"
#include "translation/Translate.h"

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string ImportVersion = "v1.3.3";

void ZeigeFalscheVersion(const std::string& gelesen) {
    Messages().ShowMessage(GetTranslation(7, 8), GetTranslation(7, 1) + "\r\n" +
                                                     GetTranslation(7, 2) + gelesen + "\r\n" +
                                                     GetTranslation(7, 3) + ImportVersion + "\r\n" +
                                                     GetTranslation(7, 4));
}

// Every field ends in "||"; whatever follows the last one is not a field.
std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> felder;
    std::size_t start = 0;
    for (std::size_t ende = zeile.find("||"); ende != std::string::npos;
         ende = zeile.find("||", start)) {
        felder.push_back(zeile.substr(start, ende - start));
        start = ende + 2;
    }
    return felder;
}

std::unique_ptr<TSpieler> SpielerAusZeile(const LineReader& leser, const std::string& zeile) {
    auto spieler = std::make_unique<TSpieler>();
    spieler->Startnummer = NeueStartnummer();
    const std::vector<std::string> f = Felder(zeile);
    const std::size_t n = f.size();
    if (n >= 1)
        spieler->T3ID = f[0];
    if (n >= 2)
        spieler->Vorname = f[1];
    if (n >= 3)
        spieler->Name = f[2];
    if (n >= 4)
        spieler->Nickname = f[3];
    if (n >= 5)
        spieler->Armee = f[4];
    if (n >= 6 && f[5].size() >= 2)
        spieler->Herkunft = f[5];
    if (n >= 7 && f[6].size() >= 2)
        spieler->Team = f[6];
    if (n >= 8)
        spieler->ArmeelisteStatus = leser.Zahl(f[7]);
    if (n >= 9 && !f[8].empty())
        spieler->Armeebewertung = leser.Zahl(f[8]);
    if (n >= 10)
        spieler->Bezahlt = leser.Zahl(f[9]) != 0;
    if (n >= 11)
        spieler->T3Zusatz = f[10];
    return spieler;
}

// A taken display name gets " 1", " 2", ... behind the surname as read. Where surname and number
// would not fit into the field, the surname gives way so that the number always stays visible
// (cutting the number off would find the same name again and again).
void NummeriereDoppeltenNamen(TSpieler& spieler) {
    const std::string nachname = spieler.Name.str();
    for (int k = 1; FindeSpielerNachName(spieler.GetName()) >= 0; ++k) {
        const std::string zusatz = " " + IntToStr(k);
        const std::size_t platz = decltype(spieler.Name)::Width - zusatz.size();
        spieler.Name = nachname.substr(0, platz) + zusatz;
    }
}

} // namespace

void ImportiereSpieler(const std::filesystem::path& datei) {
    LineReader leser(datei);
    std::string version;
    leser.ReadLine(version);
    if (TrimText(version) != ImportVersion) {
        ZeigeFalscheVersion(version);
        return;
    }
    Turniername = leser.NextLine();
    T3TurnierID = leser.NextLine();
    const int anzahl = leser.Zahl(leser.NextLine());
    std::string zeile;
    for (int i = 0; i < anzahl; ++i) {
        if (!leser.ReadLine(zeile))
            throw EFileFormatError("Die Importdatei endet nach " + IntToStr(i) + " von " +
                                   IntToStr(anzahl) + " Spielern: " + PathText(datei));
        auto spieler = SpielerAusZeile(leser, zeile);
        NummeriereDoppeltenNamen(*spieler);
        Spielerliste.push_back(std::move(spieler));
    }
}
