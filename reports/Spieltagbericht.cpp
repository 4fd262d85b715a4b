#include "reports/Spieltagbericht.h"

#include "core/Teamturnier.h"
#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"

TRepSpieltag* RepSpieltag = nullptr;

namespace {

constexpr int Abschnitt = 2;
constexpr Ausrichtung R = Ausrichtung::Rechts;
constexpr Ausrichtung Z = Ausrichtung::Zentriert;

// A row of the game of players a and b in round r: names, ratings, points and victory points.
TDruckPaarung& Spielzeile(TObjectList<TDruckPaarung>& liste, const TSpieler& a, const TSpieler& b,
                          int r) {
    auto& d = *liste.emplace_back(std::make_unique<TDruckPaarung>());
    d.Startnummer1 = a.Startnummer;
    d.Startnummer2 = b.Startnummer;
    d.Name1 = a.GetName();
    d.Name2 = b.GetName();
    d.Armeebewertung1 = a.Armeebewertung;
    d.Armeebewertung2 = b.Armeebewertung;
    d.Punkte1 = a.GetPunkte(r);
    d.Punkte2 = b.GetPunkte(r);
    d.Siegpunkte1 = a.GetSiegpunkte(r);
    d.Siegpunkte2 = b.GetSiegpunkte(r);
    d.PunkteModifiziert1 = a.GetArmeepunkte(r) + d.Punkte1;
    d.PunkteModifiziert2 = b.GetArmeepunkte(r) + d.Punkte2;
    return d;
}

QString Paar(int a, int b) {
    return Zahl(a) + ":" + Zahl(b);
}

} // namespace

TRepSpieltag::TRepSpieltag(QObject* parent)
    : QObject(parent), QRLbTitel(QuickRep1.Titel.Label("QRLbTitel", 86, 0, 0, Z)),
      QRLabel1(QuickRep1.Spaltenkopf.Label("QRLabel1", 11.1, 6.4, 0)),
      QRLabel2(QuickRep1.Spaltenkopf.Label("QRLabel2", 74.1, 6.4, 0)),
      QRLabel3(QuickRep1.Spaltenkopf.Label("QRLabel3", 154.5, 6.4, 0)),
      QRLbNr(QuickRep1.Detail.Label("QRLbNr", 0, 0, 6.9, R)),
      QRLbTischNr(QuickRep1.Detail.Label("QRLbTischNr", 12.7, 0, 6.9, R)),
      QRLbSpieler1(QuickRep1.Detail.Label("QRLbSpieler1", 21.2, 0, 55.3)),
      QRLbDP(QuickRep1.Detail.Label("QRLbDP", 78.3, 0, 4.5, Z)),
      QRLbSpieler2(QuickRep1.Detail.Label("QRLbSpieler2", 82.6, 0, 55.3)),
      QRLbDifferenz(QuickRep1.Detail.Label("QRLbDifferenz", 139.7, 0, 21.4, Z)),
      QRLbErgebnis1(QuickRep1.Detail.Label("QRLbErgebnis1", 160.9, 0, 15.1, Z)),
      QRLbErgebnis2(QuickRep1.Detail.Label("QRLbErgebnis2", 175.7, 0, 15.3, Z)) {
    setObjectName("RepSpieltag");
    QuickRep1.Titel.Hoehe = 10.6;
    QuickRep1.Spaltenkopf.Hoehe = 10.6;
    QuickRep1.Detail.Hoehe = 5.0;
    QuickRep1.BeforePrint = [this] { QuickRep1BeforePrint(); };
    QuickRep1.NeedData = [this] { return QuickRep1NeedData(); };
}

void TRepSpieltag::FormCreate() {
    TexteRegistrieren();
    Druckliste.clear();
}

void TRepSpieltag::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt, {"Tisch", "Paarung", "Ergebnis"});
}

void TRepSpieltag::TexteUebersetzen() {
    QRLabel1.text = Text(Abschnitt, 1);
    QRLabel2.text = Text(Abschnitt, 2);
    QRLabel3.text = Text(Abschnitt, 3);
}

void TRepSpieltag::ErstelleDruckliste(int r) {
    Druckliste.clear();
    if (Teamturnier)
        Teamzeilen(r);
    else
        Spielerzeilen(r);
    QRLbTitel.text = Qs(Turniername.str()) + Text(1, 96) + Zahl(r);
}

// Teams record rounds 1 to 5 only: for a later round every team reads "no opponent", so the
// report has no rows.
void TRepSpieltag::Teamzeilen(int r) {
    int n = 0;
    for (const auto& t : Teamliste) {
        const int g = t->GegnerInRunde(r);
        if (g < 1 || g < t->Nummer)
            continue;
        const int o = FindeTeamNachNummer(g);
        if (o < 0)
            continue;
        const TTTTeam& gegner = *Teamliste[o];
        auto& team = *Druckliste.emplace_back(std::make_unique<TDruckPaarung>());
        team.Teamzeile = true;
        team.Name1 = t->Name.str();
        team.Name2 = gegner.Name.str();
        team.Startnummer1 = team.Startnummer2 = -1;
        team.Nummer = ++n;
        team.Tisch = t->TischInRunde(r);
        for (int k = 1; k <= TeamPlaetze; ++k) {
            // An empty slot or a start number without a player on either side has no game.
            const TSpieler* a = FindeSpieler(t->MitgliedAufPlatz(k));
            const TSpieler* b = FindeSpieler(gegner.MitgliedAufPlatz(k));
            if (!a || !b)
                continue;
            TDruckPaarung& d = Spielzeile(Druckliste, *a, *b, r);
            d.Nummer = n;
            team.Punkte1 += d.Punkte1;
            team.Punkte2 += d.Punkte2;
            team.Siegpunkte1 += d.Siegpunkte1;
            team.Siegpunkte2 += d.Siegpunkte2;
        }
        Druckliste.emplace_back(std::make_unique<TDruckPaarung>())->Leerzeile = true;
    }
}

void TRepSpieltag::Spielerzeilen(int r) {
    int n = 0;
    for (const auto& p : Spielerliste) {
        const int g = p->GetGegner(r);
        if (g < 1 || g < p->Startnummer || g == p->Startnummer)
            continue;
        const TSpieler* q = FindeSpieler(g);
        if (!q || (p->Geloescht && q->Geloescht))
            continue;
        TDruckPaarung& d = Spielzeile(Druckliste, *p, *q, r);
        d.Tisch = p->GetTisch(r);
        d.Nummer = ++n;
    }
}

void TRepSpieltag::QuickRep1BeforePrint() {
    TexteUebersetzen();
    Zeile = 0;
}

bool TRepSpieltag::QuickRep1NeedData() {
    if (Zeile >= static_cast<int>(Druckliste.size()))
        return false;
    const TDruckPaarung& d = *Druckliste[Zeile++];
    for (TBerichtLabel& label : QuickRep1.Detail.Labels)
        label.text.clear();
    if (d.Leerzeile)
        return true;
    QRLbDP.text = ":";
    if (d.Tisch >= 1)
        QRLbTischNr.text = Zahl(d.Tisch);
    QString s1 = Qs(d.Name1), s2 = Qs(d.Name2);
    if (ArmeebewertungVergleichend && !d.Teamzeile) {
        s1 += "(" + Zahl(d.Armeebewertung1) + ")";
        s2 += "(" + Zahl(d.Armeebewertung2) + ")";
    }
    if (d.Startnummer1 > -1 && DruckMitSpielernummer) {
        s1 = "(" + Zahl(d.Startnummer1) + ")" + s1;
        s2 = "(" + Zahl(d.Startnummer2) + ")" + s2;
    }
    QRLbSpieler1.text = s1;
    QRLbSpieler2.text = s2;
    if (d.Punkte1 == 0 && d.Punkte2 == 0) {
        if (!d.Teamzeile) {
            QRLbDifferenz.text = "____:____";
            QRLbErgebnis1.text = "__:__";
        }
    } else {
        QRLbDifferenz.text = Paar(d.Siegpunkte1, d.Siegpunkte2);
        QRLbErgebnis1.text = Paar(d.Punkte1, d.Punkte2);
        if (ArmeebewertungVergleichend)
            QRLbErgebnis2.text = Paar(d.PunkteModifiziert1, d.PunkteModifiziert2);
    }
    return true;
}
