#include "reports/RVerwaltung.h"

#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"

TRepVerwaltung* RepVerwaltung = nullptr;

namespace {

constexpr int Abschnitt = 22;
constexpr double KopfOben = 2.1;

QString JaNein(bool wert) {
    return Text(Abschnitt, wert ? 5 : 6);
}

} // namespace

TRepVerwaltung::TRepVerwaltung(QObject* parent) : QObject(parent) {
    setObjectName("RepVerwaltung");
    QRVerwaltung.Titel.Hoehe = 10.6;
    QRLabel5 =
        &QRVerwaltung.Titel.Label("QRLabel5", BandMitte, KopfOben, 0, Ausrichtung::Zentriert);

    auto& kopf = QRVerwaltung.Spaltenkopf;
    kopf.Hoehe = 10.6;
    QRLabel1 = &kopf.Label("QRLabel1", 0, KopfOben, 0);
    QRLabel2 = &kopf.Label("QRLabel2", 88.9, KopfOben, 0);
    QRLabel3 = &kopf.Label("QRLabel3", 152.4, KopfOben, 0);
    QRLabel4 = &kopf.Label("QRLabel4", 171.5, KopfOben, 0);

    auto& detail = QRVerwaltung.Detail;
    detail.Hoehe = 5.0;
    QRLName = &detail.Label("QRLName", 0, 0, 87.0);
    QRLArmeeliste = &detail.Label("QRLArmeeliste", 88.9, 0, 44.7);
    QRLBezahlt = &detail.Label("QRLBezahlt", 152.4, 0, 15.3);
    QRLGemeldet = &detail.Label("QRLGemeldet", 171.5, 0, 15.3);

    QRVerwaltung.BeforePrint = [this] { QRVerwaltungBeforePrint(); };
    QRVerwaltung.NeedData = [this] { return QRVerwaltungNeedData(); };
}

void TRepVerwaltung::FormCreate() {
    TexteRegistrieren();
    Druckliste.clear();
}

void TRepVerwaltung::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt,
                         {"Fehlt", "Abgegeben", "Rücksprache", "Ok", "Ja", "Nein", "Spieler Status",
                          "Name", "Armeelisten Status", "Bezahlt", "Gemeldet"});
}

void TRepVerwaltung::TexteUebersetzen() {
    QRLabel5->text = Text(Abschnitt, 7);
    QRLabel1->text = Text(Abschnitt, 8);
    QRLabel2->text = Text(Abschnitt, 9);
    QRLabel3->text = Text(Abschnitt, 10);
    QRLabel4->text = Text(Abschnitt, 11);
}

void TRepVerwaltung::BuildNewPrintData() {
    Druckliste = VerwaltungDruckliste(Filter);
}

void TRepVerwaltung::QRVerwaltungBeforePrint() {
    TexteUebersetzen();
    Zeile = 0;
}

bool TRepVerwaltung::QRVerwaltungNeedData() {
    if (Zeile >= static_cast<int>(Druckliste.size()))
        return false;
    const TVerwaltungDruck& d = Druckliste[static_cast<size_t>(Zeile)];
    const QString name = Qs(d.Name.str());
    QRLName->text = MitStartnummer ? Zahl(d.Startnummer) + " " + name : name;
    // A status outside 0..3 has no text.
    QRLArmeeliste->text =
        d.Armeeliste >= 0 && d.Armeeliste < 4 ? Text(Abschnitt, d.Armeeliste + 1) : QString();
    QRLBezahlt->text = JaNein(d.Bezahlt);
    QRLGemeldet->text = JaNein(d.Gemeldet);
    ++Zeile;
    return true;
}
