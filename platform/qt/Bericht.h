#pragma once
// The banded report layer: a report is declared as bands of labels placed in millimetres, pulled
// row by row, and laid out into pages of drawn items apart from any painting.
//
// Declaring a report:
//
//     TBericht bericht;                                  // A4 portrait, 10 mm margins, 190 mm band
//     bericht.Titel.Hoehe = 10.6;                        // a band with height 0 is not printed
//     TBerichtLabel& titel = bericht.Titel.Label("QRLbTitel", BandMitte, 0, 0,
//                                                Ausrichtung::Zentriert, {16, true});
//     bericht.Spaltenkopf.Hoehe = 11.4;                  // repeated at the top of every page
//     bericht.Spaltenkopf.Label("QRLabel2", 0, 6.4, 0, Ausrichtung::Links).text = "Platz";
//     bericht.Detail.Hoehe = 4.2;
//     TBerichtLabel& name = bericht.Detail.Label("QRLbDetailName", 8.5, 0, 63.8);
//     bericht.Detail.Linie(0, 27.5, 190.8, 2.4);          // a horizontal line in the middle
//     bericht.BeforePrint = [&] { index = 0; titel.text = ...; };
//     bericht.NeedData = [&] { if (index >= n) return false; name.text = ...; ++index; return true;
//     };
//
// Label references stay valid for the report's life; NeedData sets the detail labels' texts for
// one band, returns false when there is no more. Every layout (preview, print, PDF, export) runs
// BeforePrint first, so each run prints the same rows. Layout() yields the pages; BerichtMaler
// draws them on any paged device; BerichtVorschau shows them; BerichtExport turns the rows into
// HTML, text and CSV.
#include <QLineF>
#include <QRectF>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QFont;

enum class Ausrichtung { Links, Rechts, Zentriert };

struct TBerichtSchrift {
    double punkt = 10.0;
    bool fett = false;
    QString familie = QStringLiteral("Arial");
};

// A label of a band. Left and top in mm from the band's top left corner. With a width of 0 the
// label grows with its text: a left-aligned one from `links` to the right, a right-aligned one
// from `links` to the left, a centred one around `links`.
struct TBerichtLabel {
    const char* name = "";
    double links = 0.0;
    double oben = 0.0;
    double breite = 0.0;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    TBerichtSchrift schrift;
    QString text;
};

// A horizontal line across the rectangle's vertical middle, in mm from the band's top left.
struct TBerichtLinie {
    double links, oben, breite, hoehe;
};

enum class BandArt { Titel, Spaltenkopf, Detail };

class TBerichtBand {
public:
    double Hoehe = 0.0; // mm; 0: the report has no such band
    std::deque<TBerichtLabel> Labels;
    std::vector<TBerichtLinie> Linien;

    TBerichtLabel& Label(const char* name, double links, double oben, double breite,
                         Ausrichtung ausrichtung = Ausrichtung::Links,
                         TBerichtSchrift schrift = {});
    void Linie(double links, double oben, double breite, double hoehe);
};

// One text drawn on a page: the rectangle in mm from the page's top left corner, the band it
// belongs to and, for detail bands, the running number of that band in the report (from 0).
struct TBerichtText {
    QString text;
    TBerichtSchrift schrift;
    QRectF mm;
    Ausrichtung ausrichtung;
    const char* name;
    BandArt band;
    int zeile;
};

// A band as placed on a page, also when it holds no text: its top in mm from the page's top.
struct TBandLage {
    BandArt band;
    int zeile;
    double oben;
};

struct TBerichtSeite {
    std::vector<TBandLage> baender;
    std::vector<TBerichtText> texte;
    std::vector<QLineF> linien; // mm from the page's top left corner
};

// A4 portrait.
constexpr double SeitenBreite = 210.0;
constexpr double SeitenHoehe = 297.0;
constexpr double BandMitte = 95.0; // the centre of a 190 mm band

class TBericht {
public:
    double Rand = 10.0; // all four margins, mm
    TBerichtBand Titel;
    TBerichtBand Spaltenkopf;
    TBerichtBand Detail;
    std::function<void()> BeforePrint;
    std::function<bool()> NeedData;

    double BandBreite() const { return SeitenBreite - 2 * Rand; }

    // Runs the report: BeforePrint, then each band as it is printed (title once, column header
    // once, each detail band after its NeedData answered true). The band's labels hold that
    // band's texts during the call.
    void Durchlaufen(const std::function<void(const TBerichtBand&, BandArt)>& band) const;
    // The pages: title on the first, column header at the top of each, detail bands down the page
    // until the next does not fit. A report without rows still has one page.
    std::vector<TBerichtSeite> Layout() const;
};

// The font of a report text: "Arial" is mapped to the installed metric-compatible family when
// Arial itself is missing, so widths are the same on every machine.
QFont BerichtFont(const TBerichtSchrift& schrift);
// Width and height of a text in mm.
double TextBreiteMm(const QString& text, const TBerichtSchrift& schrift);
double ZeilenHoeheMm(const TBerichtSchrift& schrift);
