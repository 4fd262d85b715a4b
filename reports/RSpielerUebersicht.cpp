#include "reports/RSpielerUebersicht.h"

#include "core/Data.h"
#include "dialogs/Textvergleich.h"
#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"

#include <algorithm>

TRepSpielerUebersicht* RepSpielerUebersicht = nullptr;

namespace {

constexpr int Abschnitt = 21;
// The two text lines of the column header and of a detail band, mm from the band's top.
constexpr double KopfZeile1 = 2.1, KopfZeile2 = 6.4, DetailZeile2 = 4.2;

// A score not given yet is a blank to fill in.
QString Ausfuellen(int wert) {
    return wert <= 0 ? QStringLiteral("___") : Zahl(wert);
}

} // namespace

std::vector<UebersichtDruck> UebersichtDruckliste() {
    std::vector<const TSpieler*> spieler;
    for (const auto& s : Spielerliste)
        if (!s->Geloescht)
            spieler.push_back(s.get());
    // Stable, so that players of the same name keep their list order and each is printed once.
    std::stable_sort(spieler.begin(), spieler.end(), [](const TSpieler* a, const TSpieler* b) {
        return VergleicheOhneFall(Qs(a->GetName()), Qs(b->GetName())) < 0;
    });
    std::vector<UebersichtDruck> zeilen;
    for (const TSpieler* s : spieler) {
        UebersichtDruck d;
        d.Name = s->GetNameMitNick();
        d.Ort = s->Herkunft.str();
        d.Team = TrimText(s->Team.str()) == "Neutral" ? std::string() : s->Team.str();
        d.Armee = s->Armee.str();
        d.Bewertung = s->Armeebewertung;
        d.Bemalung = s->Bemalung;
        d.Quiz = s->Quiz;
        d.Startnummer = s->Startnummer;
        zeilen.push_back(std::move(d));
    }
    return zeilen;
}

TRepSpielerUebersicht::TRepSpielerUebersicht(QObject* parent) : QObject(parent) {
    setObjectName("RepSpielerUebersicht");
    auto& titel = QuickRep1.Titel;
    titel.Hoehe = 10.6;
    QRLabel1 = &titel.Label("QRLabel1", BandMitte, KopfZeile1, 0, Ausrichtung::Zentriert);

    auto& kopf = QuickRep1.Spaltenkopf;
    kopf.Hoehe = 10.6;
    QRLabel3 = &kopf.Label("QRLabel3", 14.8, KopfZeile1, 0);
    QRLabel4 = &kopf.Label("QRLabel4", 91.0, KopfZeile1, 0);
    QRLabel5 = &kopf.Label("QRLabel5", 143.9, KopfZeile1, 0);
    QRLabel2 = &kopf.Label("QRLabel2", 0, KopfZeile2, 0);
    QRLabel6 = &kopf.Label("QRLabel6", 14.8, KopfZeile2, 0);
    QRLabel7 = &kopf.Label("QRLabel7", 91.0, KopfZeile2, 0);
    QRLabel9 = &kopf.Label("QRLabel9", 112.2, KopfZeile2, 0);
    QRLabel8 = &kopf.Label("QRLabel8", 171.5, KopfZeile2, 0);

    auto& detail = QuickRep1.Detail;
    detail.Hoehe = 9.3;
    QRLbNummer = &detail.Label("QRLbNummer", 0, 0, 10.8, Ausrichtung::Rechts);
    QRLbName = &detail.Label("QRLbName", 14.8, 0, 74.3);
    QRLbOrt = &detail.Label("QRLbOrt", 91.0, 0, 44.7);
    QRLbTeam = &detail.Label("QRLbTeam", 143.9, 0, 46.8);
    QRLbStartnummer = &detail.Label("QRLbStartnummer", 0, DetailZeile2, 10.8, Ausrichtung::Rechts);
    QRLbArmee = &detail.Label("QRLbArmee", 14.8, DetailZeile2, 55.3);
    QRLbBewertung = &detail.Label("QRLbBewertung", 91.0, DetailZeile2, 15.3, Ausrichtung::Rechts);
    QRLbBemalung = &detail.Label("QRLbBemalung", 121.2, DetailZeile2, 0, Ausrichtung::Rechts);
    QRLbQuiz = &detail.Label("QRLbQuiz", 178.3, DetailZeile2, 0, Ausrichtung::Rechts);

    QuickRep1.BeforePrint = [this] { QuickRep1BeforePrint(); };
    QuickRep1.NeedData = [this] { return QuickRep1NeedData(); };
}

void TRepSpielerUebersicht::FormCreate() {
    TexteRegistrieren();
    Druckliste.clear();
}

void TRepSpielerUebersicht::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt, {"Spielerübersicht", "Name", "Ort", "Team", "Nummer", "Armee",
                                     "Bewertung", "Bemalung", "Quiz", "(Nummer)"});
}

void TRepSpielerUebersicht::TexteUebersetzen() {
    QRLabel1->text = Text(Abschnitt, 1);
    QRLabel3->text = Text(Abschnitt, 2);
    QRLabel4->text = Text(Abschnitt, 3);
    QRLabel5->text = Text(Abschnitt, 4);
    QRLabel2->text = DruckMitSpielernummer ? Text(Abschnitt, 10) : QString();
    QRLabel6->text = Text(Abschnitt, 6);
    QRLabel7->text = Text(Abschnitt, 7);
    QRLabel9->text = Text(Abschnitt, 8);
    QRLabel8->text = Text(Abschnitt, 9);
}

void TRepSpielerUebersicht::QuickRep1BeforePrint() {
    TexteUebersetzen();
    Zeile = 0;
}

bool TRepSpielerUebersicht::QuickRep1NeedData() {
    if (Zeile >= static_cast<int>(Druckliste.size()))
        return false;
    const UebersichtDruck& d = Druckliste[static_cast<size_t>(Zeile)];
    QRLbNummer->text = Zahl(Zeile + 1);
    QRLbStartnummer->text = DruckMitSpielernummer ? "(" + Zahl(d.Startnummer) + ")" : QString();
    QRLbName->text = Qs(d.Name);
    QRLbOrt->text = Qs(d.Ort);
    QRLbTeam->text = Qs(d.Team);
    QRLbArmee->text = Qs(d.Armee);
    QRLbBewertung->text = Zahl(d.Bewertung);
    QRLbBemalung->text = Ausfuellen(d.Bemalung);
    QRLbQuiz->text = Ausfuellen(d.Quiz);
    ++Zeile;
    return true;
}
