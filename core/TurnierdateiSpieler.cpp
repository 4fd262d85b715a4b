#include "core/TurnierdateiSpieler.h"

namespace {

constexpr std::size_t RundenGroesse = 59;

std::size_t TextGroesse(std::size_t breite) {
    return breite + 1;
}

// Up to version 10 the surname field holds first name and surname; a blank at the third
// character or later separates them.
void TrenneNamen(TSpieler& s) {
    const std::string ganz = s.Name.str();
    const std::size_t blank = ganz.find(' ');
    if (blank != std::string::npos && blank >= 2) {
        s.Vorname = ganz.substr(0, blank);
        s.Name = ganz.substr(blank + 1);
    }
    s.Kommentar = "";
    s.TeamNr = -1;
}

// Up to version 15 five rounds are part of the record, field by field for all five at once.
void LeseFuenfRunden(TBinaerLeser& in, TSpieler& s, int version) {
    for (int r = 1; r <= 5; ++r)
        s.SetSiegpunkte(r, in.Int32());
    for (int r = 1; r <= 5; ++r)
        s.SetGegner(r, in.Int32());
    for (int r = 1; r <= 5; ++r)
        s.SetPunkte(r, in.Int32());
    for (int r = 1; r <= 5; ++r)
        s.SetGegnerArmee(r, in.Text(version >= 7 ? 30 : 20));
    if (version >= 3)
        for (int r = 1; r <= 5; ++r)
            s.SetArmeepunkte(r, in.Int32());
    if (version >= 6)
        for (int r = 1; r <= 5; ++r) {
            s.SetFairplay(r, in.Int32());
            s.SetTisch(r, in.Int32());
        }
}

} // namespace

void SchreibeRundenErgebnis(TBinaerSchreiber& out, const TRundenErgebnis& runde) {
    out.Int32(runde.Siegpunkte);
    out.Int32(runde.Gegner);
    out.Int32(runde.Punkte);
    out.Text(runde.GegnerArmee.str(), 30);
    out.Int32(runde.Armeepunkte);
    out.Int32(runde.Fairplay);
    out.Int32(runde.Tisch);
    out.Int32(runde.Szenariopunkte);
}

TRundenErgebnis LeseRundenErgebnis(TBinaerLeser& in, int /*version*/) {
    TRundenErgebnis runde;
    runde.Siegpunkte = in.Int32();
    runde.Gegner = in.Int32();
    runde.Punkte = in.Int32();
    runde.GegnerArmee = in.Text(30);
    runde.Armeepunkte = in.Int32();
    runde.Fairplay = in.Int32();
    runde.Tisch = in.Int32();
    runde.Szenariopunkte = in.Int32();
    return runde;
}

void SchreibeRunden(TBinaerSchreiber& out, const TSpieler& spieler) {
    out.Int32(spieler.GetRundenAnzahl());
    for (const auto& runde : spieler.Runden)
        SchreibeRundenErgebnis(out, *runde);
}

void LeseRunden(TBinaerLeser& in, TSpieler& spieler, int version) {
    if (version < 16)
        return;
    const int n = in.Anzahl(RundenGroesse);
    spieler.Runden.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        spieler.Runden.push_back(
            std::make_unique<TRundenErgebnis>(LeseRundenErgebnis(in, version)));
}

void SchreibeSpieler(TBinaerSchreiber& out, const TSpieler& s) {
    out.Int32(s.Startnummer);
    out.Text(s.Name.str(), 45);
    out.Text(s.Nickname.str(), 30);
    out.Text(s.T3ID.str(), 30);
    out.Int32(s.ArchivID);
    out.Int32(s.Armeebewertung);
    out.Int32(s.Bemalung);
    out.Int32(s.Quiz);
    out.Int32(s.Fairplay);
    out.Int32(s.Sonstiges);
    out.Text(s.Armee.str(), 30);
    out.Text(s.Herkunft.str(), 20);
    out.Text(s.Team.str(), 30);
    out.Flag(s.Geloescht);
    out.Flag(s.Bezahlt);
    out.Flag(s.Gemeldet);
    out.Int32(s.ArmeelisteStatus);
    out.Text(s.Vorname.str(), 45);
    out.Text(s.Kommentar.str(), 45);
    out.Int32(s.TeamNr);
    out.Text(s.T3Zusatz.str(), 10);
    out.Double(s.Gesamtwertung);
    out.Int32(s.Gruppe);
    SchreibeRunden(out, s);
}

std::unique_ptr<TSpieler> LeseSpieler(TBinaerLeser& in, int v) {
    auto s = std::make_unique<TSpieler>();
    s->Startnummer = in.Int32();
    s->Name = in.Text(45);
    if (v >= 7)
        s->Nickname = in.Text(30);
    if (v >= 8)
        s->T3ID = in.Text(30);
    in.Int32(); // the archive link is not carried from one session to the next
    s->Armeebewertung = in.Int32();
    s->Bemalung = in.Int32();
    s->Quiz = in.Int32();
    s->Fairplay = in.Int32();
    s->Sonstiges = in.Int32();
    if (v <= 15)
        LeseFuenfRunden(in, *s, v);
    s->Armee = in.Text(v >= 7 ? 30 : 20);
    s->Herkunft = in.Text(20);
    if (v >= 2)
        s->Team = in.Text(30);
    if (v >= 4)
        s->Geloescht = in.Flag();
    if (v >= 5) {
        s->Bezahlt = in.Flag();
        s->Gemeldet = in.Flag();
        s->ArmeelisteStatus = in.Int32();
    }
    if (v >= 11) {
        s->Vorname = in.Text(45);
        s->Kommentar = in.Text(45);
        s->TeamNr = in.Int32();
    } else {
        TrenneNamen(*s);
    }
    if (v >= 13)
        s->T3Zusatz = in.Text(10);
    if (v >= 14 && v <= 15)
        for (int r = 1; r <= 5; ++r)
            s->SetSzenariopunkte(r, in.Int32());
    if (v >= 14)
        s->Gesamtwertung = in.Double();
    if (v >= 17)
        s->Gruppe = in.Int32();
    LeseRunden(in, *s, v);
    return s;
}

std::size_t SpielerMindestgroesse(int v) {
    const std::size_t armee = TextGroesse(v >= 7 ? 30 : 20);
    std::size_t n = 4 + TextGroesse(45) + 4 + 5 * 4 + armee + TextGroesse(20);
    if (v >= 7)
        n += TextGroesse(30);
    if (v >= 8)
        n += TextGroesse(30);
    if (v <= 15) {
        n += 3 * 5 * 4 + 5 * armee;
        if (v >= 3)
            n += 5 * 4;
        if (v >= 6)
            n += 2 * 5 * 4;
    }
    if (v >= 2)
        n += TextGroesse(30);
    if (v >= 4)
        n += 1;
    if (v >= 5)
        n += 2 + 4;
    if (v >= 11)
        n += 2 * TextGroesse(45) + 4;
    if (v >= 13)
        n += TextGroesse(10);
    if (v >= 14 && v <= 15)
        n += 5 * 4;
    if (v >= 14)
        n += 8;
    if (v >= 17)
        n += 4;
    if (v >= 16)
        n += 4;
    return n;
}
