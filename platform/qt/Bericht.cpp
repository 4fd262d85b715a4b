#include "platform/qt/Bericht.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <map>
#include <tuple>

namespace {

constexpr double MmProPunkt = 25.4 / 72.0;
// Fonts are measured at this many pixels per point, where hinting and rounding no longer matter,
// so that layout does not depend on the screen or printer it ends up on.
constexpr int PixelProPunkt = 100;

QString Familie(const QString& gewuenscht) {
    // Liberation Sans has Arial's metrics; it stands in where Arial itself is not installed.
    static const bool arialDa = QFontDatabase::hasFamily(QStringLiteral("Arial"));
    if (gewuenscht == QLatin1String("Arial") && !arialDa)
        return QStringLiteral("Liberation Sans");
    return gewuenscht;
}

const QFontMetricsF& Masse(const TBerichtSchrift& schrift) {
    using Schluessel = std::tuple<double, bool, QString>;
    static std::map<Schluessel, QFontMetricsF> masse;
    const Schluessel schluessel{schrift.punkt, schrift.fett, schrift.familie};
    auto it = masse.find(schluessel);
    if (it == masse.end()) {
        QFont font = BerichtFont(schrift);
        font.setPixelSize(static_cast<int>(schrift.punkt * PixelProPunkt));
        it = masse.emplace(schluessel, QFontMetricsF(font)).first;
    }
    return it->second;
}

// A left-aligned text that is wider than its label would run into the next column: it is cut
// to the label's width, ending in "...".
QString Gekuerzt(const QString& text, const TBerichtSchrift& schrift, double breiteMm) {
    if (TextBreiteMm(text, schrift) <= breiteMm)
        return text;
    return Masse(schrift).elidedText(text, Qt::ElideRight, breiteMm / MmProPunkt * PixelProPunkt);
}

// Places the band's labels and lines with the band's top at y (mm from the page's top).
void Setze(TBerichtSeite& seite, const TBerichtBand& band, BandArt art, int zeile, double rand,
           double y) {
    seite.baender.push_back({art, zeile, y});
    for (const TBerichtLabel& label : band.Labels) {
        if (label.text.isEmpty())
            continue;
        const double hoehe = ZeilenHoeheMm(label.schrift);
        double x = rand + label.links;
        double breite = label.breite;
        QString text = label.text;
        if (breite > 0.0 && label.ausrichtung == Ausrichtung::Links)
            text = Gekuerzt(text, label.schrift, breite);
        if (breite <= 0.0) {
            breite = TextBreiteMm(label.text, label.schrift);
            if (label.ausrichtung == Ausrichtung::Rechts)
                x -= breite;
            else if (label.ausrichtung == Ausrichtung::Zentriert)
                x -= breite / 2;
        }
        seite.texte.push_back({text, label.schrift, QRectF(x, y + label.oben, breite, hoehe),
                               label.ausrichtung, label.name, art, zeile});
    }
    for (const TBerichtLinie& linie : band.Linien) {
        const double mitte = y + linie.oben + linie.hoehe / 2;
        seite.linien.emplace_back(rand + linie.links, mitte, rand + linie.links + linie.breite,
                                  mitte);
    }
}

} // namespace

TBerichtLabel& TBerichtBand::Label(const char* name, double links, double oben, double breite,
                                   Ausrichtung ausrichtung, TBerichtSchrift schrift) {
    return Labels.emplace_back(TBerichtLabel{name, links, oben, breite, ausrichtung, schrift, {}});
}

void TBerichtBand::Linie(double links, double oben, double breite, double hoehe) {
    Linien.push_back({links, oben, breite, hoehe});
}

void TBericht::Durchlaufen(const std::function<void(const TBerichtBand&, BandArt)>& band) const {
    if (BeforePrint)
        BeforePrint();
    if (Titel.Hoehe > 0)
        band(Titel, BandArt::Titel);
    if (Spaltenkopf.Hoehe > 0)
        band(Spaltenkopf, BandArt::Spaltenkopf);
    if (Detail.Hoehe > 0 && NeedData)
        while (NeedData())
            band(Detail, BandArt::Detail);
}

std::vector<TBerichtSeite> TBericht::Layout() const {
    std::vector<TBerichtSeite> seiten(1);
    const double unten = SeitenHoehe - Rand;
    double y = Rand;
    TBerichtSeite kopf; // the column header as placed at the top of a page
    int zeile = 0;
    Durchlaufen([&](const TBerichtBand& band, BandArt art) {
        if (art == BandArt::Spaltenkopf) {
            Setze(kopf, band, art, 0, Rand, Rand);
            Setze(seiten.back(), band, art, 0, Rand, y);
            y += band.Hoehe;
            return;
        }
        // A band that does not fit starts a new page, unless the page holds nothing yet.
        if (y + band.Hoehe > unten + 1e-9 && y > Rand + Spaltenkopf.Hoehe + 1e-9) {
            seiten.emplace_back(kopf);
            y = Rand + Spaltenkopf.Hoehe;
        }
        Setze(seiten.back(), band, art, art == BandArt::Detail ? zeile++ : 0, Rand, y);
        y += band.Hoehe;
    });
    return seiten;
}

QFont BerichtFont(const TBerichtSchrift& schrift) {
    QFont font(Familie(schrift.familie));
    font.setPointSizeF(schrift.punkt);
    font.setBold(schrift.fett);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double TextBreiteMm(const QString& text, const TBerichtSchrift& schrift) {
    return Masse(schrift).horizontalAdvance(text) / PixelProPunkt * MmProPunkt;
}

double ZeilenHoeheMm(const TBerichtSchrift& schrift) {
    return Masse(schrift).height() / PixelProPunkt * MmProPunkt;
}
