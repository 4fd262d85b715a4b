#include "reports/Tabellenbericht.h"

#include "core/Data.h"
#include "core/Teamturnier.h"
#include "mainwindow/Zahlformat.h"
#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"

#include <QLocale>
#include <array>
#include <cmath>

TForm1* Form1 = nullptr;
int TabellenIndex = 0;
int TeamUnterzeile = 0;
bool TabelleKomplett = false;

namespace {

constexpr int Abschnitt = 3;
constexpr Ausrichtung R = Ausrichtung::Rechts;

TBerichtLabel& Kopf(TBericht& b, const char* name, double links) {
    return b.Spaltenkopf.Label(name, links, 6.4, 0);
}

// Team values are averages or sums; they print rounded, halves to even.
long long Gerundet(double wert) {
    return static_cast<long long>(std::nearbyint(wert));
}

// P, or with the comparative army rating (P + A)(P), over rounds 1 to AktuellerSpieltag.
QString Punktetext(const TSpieler& s) {
    long long punkte = 0, armee = 0;
    for (int r = 1; r <= AktuellerSpieltag; ++r) {
        punkte += s.GetPunkte(r);
        armee += s.GetArmeepunkte(r);
    }
    if (ArmeebewertungVergleichend)
        return Zahl(punkte + armee) + "(" + Zahl(punkte) + ")";
    return Zahl(punkte);
}

} // namespace

TForm1::TForm1(QObject* parent)
    : QObject(parent), QRLbTitel(QRTabelle.Titel.Label("QRLbTitel", BandMitte, 0, 0,
                                                       Ausrichtung::Zentriert, {16, true})),
      QRLabel2(Kopf(QRTabelle, "QRLabel2", 0)), QRLabel3(Kopf(QRTabelle, "QRLabel3", 8.5)),
      QRLabel4(Kopf(QRTabelle, "QRLabel4", 84.7)), Armee(Kopf(QRTabelle, "Armee", 97.4)),
      QRLabel5(Kopf(QRTabelle, "QRLabel5", 108.0)), QRLabel6(Kopf(QRTabelle, "QRLabel6", 124.9)),
      QRLabel7(Kopf(QRTabelle, "QRLabel7", 133.4)), QRLabel8(Kopf(QRTabelle, "QRLabel8", 146.1)),
      QRLabel10(Kopf(QRTabelle, "QRLabel10", 163.0)), QRLabel9(Kopf(QRTabelle, "QRLabel9", 175.7)),
      QRlbDetailPlatz(QRTabelle.Detail.Label("QRlbDetailPlatz", 0, 0, 6.9, R)),
      QRLbDetailName(QRTabelle.Detail.Label("QRLbDetailName", 8.5, 0, 63.8)),
      QRLbDetailPunkte(QRTabelle.Detail.Label("QRLbDetailPunkte", 76.2, 0, 18.3, R)),
      QRLbDetailArmee(QRTabelle.Detail.Label("QRLbDetailArmee", 103.7, 0, 4.0, R)),
      QrLbDetailBemalung(QRTabelle.Detail.Label("QrLbDetailBemalung", 116.4, 0, 4.0, R)),
      QRLbDetailQuiz(QRTabelle.Detail.Label("QRLbDetailQuiz", 127.0, 0, 4.0, R)),
      QRLbDetailFair(QRTabelle.Detail.Label("QRLbDetailFair", 139.7, 0, 4.0, R)),
      QRLbDetailSonstiges(QRTabelle.Detail.Label("QRLbDetailSonstiges", 154.5, 0, 4.0, R)),
      QrLbDetailGesamt(QRTabelle.Detail.Label("QrLbDetailGesamt", 167.2, 0, 7.7, R)),
      QrLbDetailDifferenz(QRTabelle.Detail.Label("QrLbDetailDifferenz", 179.9, 0, 9.5, R)) {
    setObjectName("Form1");
    QRTabelle.Titel.Hoehe = 10.6;
    QRTabelle.Spaltenkopf.Hoehe = 11.4;
    QRTabelle.Detail.Hoehe = 4.2;
    QRTabelle.BeforePrint = [this] { QRTabelleBeforePrint(); };
    QRTabelle.NeedData = [this] {
        return Teamturnier ? QRTabelleNeedTeamData() : QRTabelleNeedData();
    };
}

void TForm1::FormCreate() {
    TexteRegistrieren();
}

void TForm1::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt,
                         {"Platz", "Name", "Punkte", "Armee", "Bemalung", "Quiz", "Fairplay",
                          "Sonstiges", "Gesamt", "Differenz", " Tabelle Spieltag "});
}

void TForm1::TexteUebersetzen() {
    QRLabel2.text = Text(Abschnitt, 1);
    QRLabel3.text = Text(Abschnitt, 2);
    QRLabel4.text = Text(Abschnitt, 3);
    QRLabel10.text = Text(Abschnitt, 9);
    QRLabel9.text = Text(Abschnitt, 10);
}

void TForm1::QRTabelleBeforePrint() {
    TexteUebersetzen();
    TabellenIndex = 0;
    TeamUnterzeile = 0;
    QRLbTitel.text = Qs(Turniername.str()) + Text(Abschnitt, 11) + Zahl(AktuellerSpieltag);
    const auto wahlweise = [](bool an, int id) { return an ? Text(Abschnitt, id) : QString(); };
    Armee.text = wahlweise(ArmeebewertungKlassisch, 4);
    QRLabel5.text = wahlweise(BemalungWerten, 5);
    QRLabel6.text = wahlweise(QuizWerten, 6);
    QRLabel7.text = wahlweise(FairplayWerten, 7);
    QRLabel8.text = wahlweise(SonstigesWerten, 8);
}

void TForm1::Zusatzspalten(const std::array<long long, 5>& werte) {
    const bool an[] = {ArmeebewertungKlassisch, BemalungWerten, QuizWerten, FairplayWerten,
                       SonstigesWerten};
    TBerichtLabel* labels[] = {&QRLbDetailArmee, &QrLbDetailBemalung, &QRLbDetailQuiz,
                               &QRLbDetailFair, &QRLbDetailSonstiges};
    for (size_t i = 0; i < werte.size(); ++i)
        labels[i]->text = an[i] ? Zahl(werte[i]) : QString();
}

void TForm1::Spielerwerte(const TSpieler& s) {
    QRLbDetailPunkte.text = Punktetext(s);
    Zusatzspalten({s.Armeebewertung, s.Bemalung, s.Quiz, s.FairplayGesamt, s.Sonstiges});
    QrLbDetailDifferenz.text = Zahl(s.Siegpunktdifferenz);
}

void TForm1::LeereDetail() {
    for (TBerichtLabel& label : QRTabelle.Detail.Labels)
        label.text.clear();
}

bool TForm1::QRTabelleNeedData() {
    const int anzahl = static_cast<int>(Spielerliste.size());
    while (TabellenIndex < anzahl && Spielerliste[TabellenIndex]->Geloescht)
        ++TabellenIndex;
    if (TabellenIndex >= anzahl)
        return false;
    const TSpieler& s = *Spielerliste[TabellenIndex];
    LeereDetail();
    QRlbDetailPlatz.text = Zahl(TabellenIndex + 1) + ".";
    QRLbDetailName.text = Qs(s.GetNameMitNick());
    Spielerwerte(s);
    QrLbDetailGesamt.text =
        Qs(ZahlAllgemein(s.Gesamtwertung, Cp(QLocale().decimalPoint()).front()));
    ++TabellenIndex;
    return true;
}

bool TForm1::QRTabelleNeedTeamData() {
    if (TabellenIndex >= static_cast<int>(Teamliste.size()))
        return false;
    LeereDetail();
    const TTTTeam& team = *Teamliste[TabellenIndex];
    const auto teamEnde = [] {
        ++TabellenIndex;
        TeamUnterzeile = 0;
    };
    if (TeamUnterzeile == 0) {
        QRlbDetailPlatz.text = Zahl(TabellenIndex + 1) + ".";
        QRLbDetailName.text = Qs(team.Name.str());
        QRLbDetailPunkte.text = Zahl(Gerundet(team.Punkte));
        Zusatzspalten({Gerundet(team.Armee), Gerundet(team.Bemalung), Gerundet(team.Quiz),
                       Gerundet(team.Fairplay), Gerundet(team.Sonstiges)});
        QrLbDetailDifferenz.text = Zahl(Gerundet(team.Differenz));
        QrLbDetailGesamt.text = Zahl(Gerundet(team.Gesamt));
        TeamUnterzeile = 1;
        return true;
    }
    const int mitglied = team.MitgliedAufPlatz(TeamUnterzeile);
    if (TeamUnterzeile > TeamPlaetze || !TabelleKomplett || mitglied < 1) {
        teamEnde(); // an empty row closes the team
        return true;
    }
    // A member who is no longer in the list prints like a deleted one, without values.
    const TSpieler* s = FindeSpieler(mitglied);
    QRLbDetailName.text =
        !s || s->Geloescht ? QStringLiteral("geloescht") : Qs(s->GetNameMitNick());
    if (s) {
        Spielerwerte(*s);
        QrLbDetailGesamt.text = Zahl(s->Gesamtpunkte);
    }
    ++TeamUnterzeile;
    return true;
}
