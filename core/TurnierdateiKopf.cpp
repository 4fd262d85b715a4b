#include "core/TurnierdateiKopf.h"

#include <algorithm>

namespace {

constexpr std::size_t GruppenGroesse = 51 + 4 + 4;
constexpr std::size_t MatrixZeilenGroesse = 16;

void SchreibeListe(TBinaerSchreiber& out, const std::vector<std::string>& liste,
                   std::size_t breite) {
    out.Int32(static_cast<std::int32_t>(liste.size()));
    for (const std::string& eintrag : liste)
        out.Text(eintrag, breite);
}

void LeseListe(TBinaerLeser& in, std::vector<std::string>& liste, std::size_t breite) {
    const int n = in.Anzahl(breite + 1);
    liste.clear();
    liste.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        liste.push_back(in.Text(breite));
}

} // namespace

void SchreibeTische(TBinaerSchreiber& out) {
    out.Flag(TischeZufaellig);
    out.Int32(ErsteInReihenfolge);
    out.Int32(AnzahlTische);
    out.Flag(TischgruppenBeruecksichtigen);
    out.Int32(AnzahlTischgruppen);
    out.Flag(TischgruppenManuell);
    out.Int32(WieOftProGruppe);
    out.Int32(static_cast<std::int32_t>(Tischgruppen.size()));
    for (const auto& gruppe : Tischgruppen) {
        out.Text(gruppe->Name.str(), 50);
        out.Int32(gruppe->ErsterTisch);
        out.Int32(gruppe->LetzterTisch);
    }
}

void LeseTische(TBinaerLeser& in, TTischStand& t) {
    t.TischeZufaellig = in.Flag();
    t.ErsteInReihenfolge = in.Int32();
    // Every table run creates this many tables: a damaged value must not ask for millions.
    t.AnzahlTische = std::clamp(in.Int32(), 0, HoechsteTischAnzahl);
    t.TischgruppenBeruecksichtigen = in.Flag();
    // The table dialog splits the tables among this many groups and shows one column for each.
    t.AnzahlTischgruppen = std::clamp(in.Int32(), 1, HoechsteTischAnzahl);
    t.TischgruppenManuell = in.Flag();
    t.WieOftProGruppe = in.Int32();
    const int n = in.Anzahl(GruppenGroesse);
    t.Tischgruppen.clear();
    for (int i = 0; i < n; ++i) {
        auto gruppe = std::make_unique<TTischgruppe>();
        gruppe->Name = in.Text(50);
        gruppe->ErsterTisch = in.Int32();
        gruppe->LetzterTisch = in.Int32();
        t.Tischgruppen.push_back(std::move(gruppe));
    }
}

void SchreibeSiegpunktmatrix(TBinaerSchreiber& out) {
    out.Int32(1);
    out.Flag(SiegpunktmatrixBenutzen);
    out.Int32(static_cast<std::int32_t>(Siegpunktmatrix.size()));
    for (const auto& zeile : Siegpunktmatrix) {
        out.Int32(zeile->Von);
        out.Int32(zeile->Bis);
        out.Int32(zeile->Sieger);
        out.Int32(zeile->Verlierer);
    }
}

void LeseSiegpunktmatrix(TBinaerLeser& in, TMatrixStand& m) {
    m.Zeilen.clear();
    in.Int32();
    m.SiegpunktmatrixBenutzen = in.Flag();
    const int n = in.Anzahl(MatrixZeilenGroesse);
    for (int i = 0; i < n; ++i) {
        auto zeile = std::make_unique<TSiegIntervall>();
        zeile->Von = in.Int32();
        zeile->Bis = in.Int32();
        zeile->Sieger = in.Int32();
        zeile->Verlierer = in.Int32();
        m.Zeilen.push_back(std::move(zeile));
    }
}

void SchreibeKopf(TBinaerSchreiber& out) {
    out.Text(T3TurnierID.str(), 30);
    out.Text(Turniername.str(), 50);
    out.Int32(AktuellerSpieltag);
    for (bool flag :
         {GleicheArmeenBeachten, KeinePaarungenMehrfach, GleicheOrteBeachten, NurNMalGegenArmee,
          ArmeebewertungKlassisch, ArmeebewertungVergleichend, BemalungWerten, QuizWerten,
          FairplayWerten, SonstigesWerten, GleicheTeamsBeachten, ErsteRundeNachArmeebewertung})
        out.Flag(flag);
    out.Int32(MalGegenSelbeArmee);
    for (int toleranz : Toleranzen)
        out.Int32(toleranz);
    SchreibeListe(out, OrteBeruecksichtigt, 20);
    SchreibeListe(out, OrteNeutral, 20);
    SchreibeListe(out, TeamsBeruecksichtigt, 30);
    SchreibeListe(out, TeamsNeutral, 30);
    SchreibeListe(out, ArmeenBeruecksichtigt, 30);
    SchreibeListe(out, ArmeenNeutral, 30);
    out.Flag(TischeZufaellig);
    out.Flag(Teamturnier);
    SchreibeSiegpunktmatrix(out);
    out.Flag(SzenarioWerten);
    for (double faktor :
         {FaktorTurnier, FaktorArmee, FaktorBemalung, FaktorFairplay, FaktorQuiz, FaktorSonstige})
        out.Double(faktor);
    out.Flag(PaarungshilfeAnzeigen);
    SchreibeTische(out);
    out.Int32(RundenAnzahl);
    out.Flag(GruppenBeachten);
    // The byte after FairplayProSpiel repeats it; scenario entry is not stored.
    out.Flag(FairplayProSpiel);
    out.Flag(FairplayProSpiel);
    out.Flag(DruckMitSpielernummer);
}

void LeseKopf(TBinaerLeser& in, int v, TTurnierStand& s) {
    if (v >= 8) {
        s.T3TurnierID = in.Text(30);
        s.Turniername = in.Text(50);
    } else {
        s.T3TurnierID = "0";
        s.Turniername = "";
    }
    if (v >= 9) {
        // A round below 1 would index before the first round; a huge one would make every
        // player grow that many rounds when the round's pairings are rebuilt.
        s.AktuellerSpieltag = std::clamp(in.Int32(), 1, HoechsteRundenAnzahl);
        for (bool* flag :
             {&s.GleicheArmeenBeachten, &s.KeinePaarungenMehrfach, &s.GleicheOrteBeachten,
              &s.NurNMalGegenArmee, &s.ArmeebewertungKlassisch, &s.ArmeebewertungVergleichend,
              &s.BemalungWerten, &s.QuizWerten, &s.FairplayWerten, &s.SonstigesWerten,
              &s.GleicheTeamsBeachten, &s.ErsteRundeNachArmeebewertung})
            *flag = in.Flag();
        s.MalGegenSelbeArmee = in.Int32();
        for (int& toleranz : s.Toleranzen)
            toleranz = in.Int32();
        LeseListe(in, s.OrteBeruecksichtigt, 20);
        LeseListe(in, s.OrteNeutral, 20);
        LeseListe(in, s.TeamsBeruecksichtigt, 30);
        LeseListe(in, s.TeamsNeutral, 30);
        LeseListe(in, s.ArmeenBeruecksichtigt, 30);
        LeseListe(in, s.ArmeenNeutral, 30);
    }
    if (v >= 10)
        s.Tische.TischeZufaellig = in.Flag();
    if (v >= 12) {
        s.Teamturnier = in.Flag();
        LeseSiegpunktmatrix(in, s.Matrix);
    }
    if (v >= 14) {
        s.SzenarioWerten = in.Flag();
        for (double* faktor : {&s.FaktorTurnier, &s.FaktorArmee, &s.FaktorBemalung,
                               &s.FaktorFairplay, &s.FaktorQuiz, &s.FaktorSonstige})
            *faktor = in.Double();
    }
    if (v >= 15) {
        s.PaarungshilfeAnzeigen = in.Flag();
        LeseTische(in, s.Tische);
    }
    // The round selector offers 1 to RundenAnzahl: it must stay a usable number.
    s.RundenAnzahl = v >= 16 ? std::clamp(in.Int32(), 1, HoechsteRundenAnzahl) : 5;
    s.GruppenBeachten = v >= 17 ? in.Flag() : false;
    if (v >= 18) {
        s.FairplayProSpiel = in.Flag();
        s.FairplayProSpiel = in.Flag();
        s.DruckMitSpielernummer = in.Flag();
    } else {
        s.FairplayProSpiel = s.SzenarioEingabe = s.DruckMitSpielernummer = true;
    }
}
