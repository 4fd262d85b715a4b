#include "core/Paarungslauf.h"

#include "core/Data.h"
#include "core/PaarungUebernehmen.h"
#include "core/PaarungsEngine.h"
#include "core/Teamturnier.h"
#include "core/Wertung.h"
#include "platform/Convert.h"
#include "platform/Cp1252.h"
#include "platform/Errors.h"
#include "platform/Messages.h"
#include "translation/Translate.h"

namespace {

constexpr int Abschnitt = 14;

std::string Text(int id) {
    return GetTranslation(Abschnitt, id);
}
void Meldung(const std::string& text) {
    Messages().ShowMessage(GetTranslation(7, 8), text);
}

void Werten(int r) {
    BerechneWertung(r, QuizWerten, FairplayWerten, ArmeebewertungKlassisch,
                    ArmeebewertungVergleichend, BemalungWerten, SonstigesWerten, SzenarioWerten);
}

[[noreturn]] void NichtGefunden(const std::string& name) {
    throw TuvonError("Die feste Paarung nennt \"" + TextFuerMeldung(name) +
                     "\", das gibt es nicht.");
}

bool Leer(const TRundenErgebnis& e) {
    const TRundenErgebnis leer;
    return e.Siegpunkte == leer.Siegpunkte && e.Gegner == leer.Gegner &&
           e.GegnerArmee.str() == leer.GegnerArmee.str() && e.Punkte == leer.Punkte &&
           e.Szenariopunkte == leer.Szenariopunkte && e.Armeepunkte == leer.Armeepunkte &&
           e.Fairplay == leer.Fairplay && e.Tisch == leer.Tisch;
}

int ErstesOffenesTeam() {
    for (size_t i = 0; i < Teamliste.size(); ++i)
        if (!Teamliste[i]->Gepaart)
            return static_cast<int>(i);
    return -1;
}

int ErsterOffenerSpieler() {
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        if (!Spielerliste[i]->Gepaart)
            return static_cast<int>(i);
    return -1;
}

void FesteSpielerpaarung(const std::string& a, const std::string& b) {
    const int i = FindeSpielerNachName(a);
    if (i < 0)
        NichtGefunden(a);
    const int j = FindeSpielerNachName(b);
    if (j < 0)
        NichtGefunden(b);
    const int r = AktuellerSpieltag;
    TSpieler& sa = *Spielerliste[static_cast<size_t>(i)];
    TSpieler& sb = *Spielerliste[static_cast<size_t>(j)];
    // One player on both sides is his own partner: the commit records a bye for him.
    for (auto [selbst, anderer, index] : {std::tuple{&sa, &sb, j}, std::tuple{&sb, &sa, i}}) {
        selbst->Gepaart = true;
        selbst->Partner = index;
        selbst->SetGegner(r, anderer->Startnummer);
        selbst->SetGegnerArmee(r, anderer->Armee);
    }
}

void FesteTeampaarung(const std::string& a, const std::string& b) {
    const int i = FindeTeam(a);
    if (i < 0)
        NichtGefunden(a);
    const int j = FindeTeam(b);
    if (j < 0)
        NichtGefunden(b);
    SetzeFesteTeampaarung(i, j);
}

} // namespace

void RegistrierePaarenTexte() {
    static const char* const texte[] = {
        "Achtung, der Spieltag scheint schonmal gepaart worden zu sein! Wirklich fortfahren?",
        "Achtung",
        "Paaren erfolgreich!",
        "Paaren nicht erfolgreich, bitte Restriktionen lockern",
        "Achtung: Ungerade Spieleranzahl! Eventuell Dummy-Spieler anlegen!",
        "Abstände:",
        "1. gegen ",
        ". gegen ",
        "Paaren",
        "Paarungsoptionen Bearbeiten",
        "Feste Paarung",
        "gegen",
        "Hinzufügen >",
        "< Entfernen",
        "Jetzt Paaren",
        "Abbrechen",
    };
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

TPaarungslauf PaarungVorbereiten(const std::vector<std::string>& feste) {
    TPaarungslauf lauf;
    lauf.Teamturnier = Teamturnier;
    const int r = AktuellerSpieltag;

    if (!Spielerliste.empty() && Spielerliste.front()->GetGegner(r) >= 0 &&
        !Messages().Ask(Text(2), Text(1)))
        return lauf;

    const bool zufaellig = r == 1 && !ErsteRundeNachArmeebewertung;
    if (zufaellig)
        SetzeZufallswerte();
    else
        Werten(r);
    VorbereitenPaarung();
    if (GruppenBeachten && !PruefeGruppen())
        return lauf;
    if (lauf.Teamturnier) {
        // A round the teams cannot record is refused before anything is written for it.
        PruefeTeamSpieltag();
        ErstelleTeampaarungen();
        VorbereitenTeampaarung();
    }
    // The real totals replace the random ones; the random order stays for the pairing.
    if (zufaellig)
        Werten(r);
    if (lauf.Teamturnier)
        UebernehmeTeamwertung();

    for (size_t k = 0; k + 1 < feste.size(); k += 2) {
        if (lauf.Teamturnier)
            FesteTeampaarung(feste[k], feste[k + 1]);
        else
            FesteSpielerpaarung(feste[k], feste[k + 1]);
    }

    lauf.Start = lauf.Teamturnier ? ErstesOffenesTeam() : ErsterOffenerSpieler();
    if (lauf.Start < 0) {
        if (lauf.Teamturnier)
            UebernehmeTeampaarung();
        else
            UebernehmePaarung();
        lauf.Ergebnis = TPaarungslauf::Stand::Gepaart;
        return lauf;
    }
    if (!lauf.Teamturnier) {
        int offen = 0;
        int letzter = -1;
        for (size_t i = 0; i < Spielerliste.size(); ++i)
            if (!Spielerliste[i]->Gepaart) {
                ++offen;
                letzter = static_cast<int>(i);
            }
        if (offen % 2 != 0) {
            Spielerliste[static_cast<size_t>(letzter)]->Gepaart = true;
            lauf.Freilos = true;
            // When the bye took the only one left, there is nothing to search.
            lauf.Start = ErsterOffenerSpieler();
        }
    }
    // A result the server stores meanwhile (on the main thread) then never has to grow a
    // player's list of rounds while the search reads the earlier ones. What is left empty is
    // taken back when the search fails.
    for (const auto& spieler : Spielerliste) {
        lauf.RundenVorher.emplace_back(spieler->Startnummer, spieler->GetRundenAnzahl());
        spieler->RundeAnlegen(r);
    }
    lauf.Ergebnis = TPaarungslauf::Stand::Suche;
    return lauf;
}

bool PaarungSuchen(const TPaarungslauf& lauf) {
    if (lauf.Start < 0)
        return true;
    return lauf.Teamturnier ? PaareTeamsRekursiv(lauf.Start) : PaareRekursiv(lauf.Start);
}

bool PaarungAbschliessen(const TPaarungslauf& lauf, bool gefunden,
                         const std::function<void()>& schliessen) {
    if (!gefunden) {
        PaarungZuruecknehmen(lauf);
        Meldung(Text(4));
        return false;
    }
    if (lauf.Teamturnier) {
        UebernehmeTeampaarung();
        schliessen();
        Meldung(Text(3));
        return true;
    }
    UebernehmePaarung();
    schliessen();
    if (lauf.Freilos)
        Meldung(Text(5));
    int a = -1, b = -1, c = -1, d = -1, e = -1;
    PaarungsStatistik(a, b, c, d, e);
    Meldung(Text(3) + "\r\n" + Text(6) + "\r\n" + Text(7) + IntToStr(a) + ".\r\n" + IntToStr(b) +
            Text(8) + IntToStr(c) + ".\r\n" + IntToStr(d) + Text(8) + IntToStr(e) + ".\r\n");
    return true;
}

void PaarungZuruecknehmen(const TPaarungslauf& lauf) {
    for (const auto& [nummer, runden] : lauf.RundenVorher) {
        TSpieler* s = FindeSpieler(nummer);
        while (s && s->GetRundenAnzahl() > runden && Leer(*s->Runden.back()))
            s->Runden.pop_back();
    }
}
