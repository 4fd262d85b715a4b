#include "reports/Laufzettelbericht.h"

#include "core/Laufzettel.h"
#include "core/Paarungen.h"
#include "platform/qt/QtText.h"
#include "reports/Berichtstexte.h"

TRepLaufzettel* RepLaufzettel = nullptr;
int LaufzettelIndex = 0;
int LaufzettelSeite = 1;

namespace {

constexpr int Abschnitt = 20;

QString Seite(const std::string& name, int nummer) {
    QString text = Qs(name);
    if (LaufzettelSpielernummern)
        text += "(" + Zahl(nummer) + ")";
    return text;
}

} // namespace

TRepLaufzettel::TRepLaufzettel(QObject* parent)
    : QObject(parent), QRTischNr(QuickRep1.Detail.Label("QRTischNr", 0, 0, 0)),
      QRPaarung(QuickRep1.Detail.Label("QRPaarung", 0, 6.4, 188.6)),
      QRLabelPunkte(QuickRep1.Detail.Label("QRLabelPunkte", 0, 12.7, 0)),
      QRLabelTurnierpunkte(QuickRep1.Detail.Label("QRLabelTurnierpunkte", 99.5, 12.7, 0)),
      QRLabelFairplay(QuickRep1.Detail.Label("QRLabelFairplay", 0, 21.2, 0)),
      QRLabelSzenario(QuickRep1.Detail.Label("QRLabelSzenario", 99.5, 21.2, 0)) {
    setObjectName("RepLaufzettel");
    QuickRep1.Detail.Hoehe = 32.5;
    QuickRep1.Detail.Linie(0, 27.5, 190.8, 2.4); // QRShape1
    QuickRep1.BeforePrint = [this] { QuickRep1BeforePrint(); };
    QuickRep1.NeedData = [this] { return QuickRep1NeedData(); };
}

void TRepLaufzettel::FormCreate() {
    TexteRegistrieren();
}

void TRepLaufzettel::TexteRegistrieren() {
    RegistriereAbschnitt(Abschnitt, {"Tisch Nr.", " gegen ", "Tunierpunkte: ______ zu ______",
                                     "Szenario: ______ zu _______", "Fairplay: ______ zu _______",
                                     "Punkte : _______ zu ______"});
}

void TRepLaufzettel::TexteUebersetzen() {
    QRLabelPunkte.text = Text(Abschnitt, 6);
}

void TRepLaufzettel::QuickRep1BeforePrint() {
    TexteUebersetzen();
    LaufzettelIndex = 0;
    LaufzettelSeite = 1;
}

bool TRepLaufzettel::QuickRep1NeedData() {
    if (LaufzettelIndex >= static_cast<int>(Paarungsliste.size()))
        return false;
    const TPaarung& p = *Paarungsliste[LaufzettelIndex];
    QRTischNr.text = Text(Abschnitt, 1) + Zahl(p.GetTisch());
    const QString seite1 = Seite(p.Name1, p.Nummer1);
    const QString seite2 = Seite(p.Name2, p.Nummer2);
    if (LaufzettelSeite == 1) {
        QRPaarung.text = seite1 + Text(Abschnitt, 2) + seite2;
        if (LaufzettelZweiProPaarung)
            LaufzettelSeite = 2;
        else
            ++LaufzettelIndex;
    } else {
        QRPaarung.text = seite2 + Text(Abschnitt, 2) + seite1;
        LaufzettelSeite = 1;
        ++LaufzettelIndex;
    }
    QRLabelTurnierpunkte.text = LaufzettelTurnierpunkte ? Text(Abschnitt, 3) : QString();
    QRLabelSzenario.text = LaufzettelSzenario ? Text(Abschnitt, 4) : QString();
    QRLabelFairplay.text = LaufzettelFairplay ? Text(Abschnitt, 5) : QString();
    return true;
}
