#include "platform/qt/BerichtExport.h"

#include "platform/qt/QtText.h"

#include <algorithm>

namespace {

const std::string Zeilenende = "\r\n";

struct Spalte {
    const TBerichtLabel* label;
    double von, bis;
};

double Ueberlappung(double a1, double a2, double b1, double b2) {
    return std::min(a2, b2) - std::max(a1, b1);
}

// The label's extent from the band's left edge, in mm.
std::pair<double, double> Bereich(const TBerichtLabel& label) {
    double breite = label.breite;
    double von = label.links;
    if (breite <= 0.0) {
        breite = label.text.isEmpty() ? 0.0 : TextBreiteMm(label.text, label.schrift);
        if (label.ausrichtung == Ausrichtung::Rechts)
            von -= breite;
        else if (label.ausrichtung == Ausrichtung::Zentriert)
            von -= breite / 2;
    }
    return {von, von + breite};
}

int PassendeSpalte(const std::vector<Spalte>& spalten, const TBerichtLabel& label) {
    const auto [von, bis] = Bereich(label);
    int beste = 0;
    double besteUeberlappung = -1e9;
    for (size_t i = 0; i < spalten.size(); ++i) {
        const double u = Ueberlappung(von, bis, spalten[i].von, spalten[i].bis);
        if (u > besteUeberlappung) {
            besteUeberlappung = u;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

QString Html(const QString& text) {
    QString s;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        case '\'':
            s += "&#39;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

QString Csv(const QString& feld) {
    if (!feld.contains(',') && !feld.contains('"') && !feld.contains('\r') && !feld.contains('\n'))
        return feld;
    return '"' + QString(feld).replace('"', "\"\"") + '"';
}

bool Leer(const QStringList& zeile) {
    return std::all_of(zeile.begin(), zeile.end(), [](const QString& s) { return s.isEmpty(); });
}

} // namespace

TBerichtTabelle BerichtTabelle(const TBericht& bericht) {
    std::vector<Spalte> spalten;
    for (const TBerichtLabel& label : bericht.Detail.Labels) {
        const auto [von, bis] = Bereich(label);
        spalten.push_back({&label, von, std::max(bis, von + 1.0)});
    }
    std::stable_sort(spalten.begin(), spalten.end(),
                     [](const Spalte& a, const Spalte& b) { return a.von < b.von; });

    TBerichtTabelle alle;
    alle.kopf = QStringList(static_cast<int>(spalten.size()), QString());
    for (const Spalte& s : spalten)
        alle.ausrichtung.push_back(s.label->ausrichtung);
    bericht.Durchlaufen([&](const TBerichtBand& band, BandArt art) {
        if (art == BandArt::Titel) {
            for (const TBerichtLabel& label : band.Labels)
                if (!label.text.isEmpty())
                    alle.titel += (alle.titel.isEmpty() ? "" : " ") + label.text;
        } else if (art == BandArt::Spaltenkopf) {
            for (const TBerichtLabel& label : band.Labels) {
                if (label.text.isEmpty() || spalten.empty())
                    continue;
                QString& kopf = alle.kopf[PassendeSpalte(spalten, label)];
                kopf += (kopf.isEmpty() ? "" : " ") + label.text;
            }
        } else {
            QStringList zeile;
            for (const Spalte& s : spalten)
                zeile << s.label->text;
            alle.zeilen.push_back(zeile);
        }
    });

    // Only the columns that show anything.
    TBerichtTabelle tabelle;
    tabelle.titel = alle.titel;
    tabelle.zeilen.resize(alle.zeilen.size());
    for (int c = 0; c < alle.kopf.size(); ++c) {
        bool genutzt = !alle.kopf[c].isEmpty();
        for (const auto& zeile : alle.zeilen)
            genutzt = genutzt || !zeile[c].isEmpty();
        if (!genutzt)
            continue;
        tabelle.kopf << alle.kopf[c];
        tabelle.ausrichtung.push_back(alle.ausrichtung[c]);
        for (size_t z = 0; z < alle.zeilen.size(); ++z)
            tabelle.zeilen[z] << alle.zeilen[z][c];
    }
    return tabelle;
}

std::string AlsHtml(const TBerichtTabelle& tabelle) {
    QStringList zeilen{"<!DOCTYPE html>",
                       "<html>",
                       "<head>",
                       "<meta charset=\"windows-1252\">",
                       "<title>" + Html(tabelle.titel) + "</title>",
                       "</head>",
                       "<body>",
                       "<h1>" + Html(tabelle.titel) + "</h1>",
                       "<table>"};
    auto zeile = [&](const QStringList& zellen, const char* tag) {
        QString z = "<tr>";
        for (int c = 0; c < zellen.size(); ++c) {
            const bool rechts = tabelle.ausrichtung[c] == Ausrichtung::Rechts;
            z += QString("<%1%2>%3</%1>")
                     .arg(tag, rechts ? " style=\"text-align:right\"" : "", Html(zellen[c]));
        }
        zeilen << z + "</tr>";
    };
    zeile(tabelle.kopf, "th");
    for (const auto& z : tabelle.zeilen)
        zeile(z, "td");
    zeilen << "</table>"
           << "</body>"
           << "</html>";
    return Cp(zeilen.join("\r\n") + "\r\n");
}

std::string AlsText(const TBerichtTabelle& tabelle) {
    std::vector<int> breite(tabelle.kopf.size(), 0);
    auto miss = [&](const QStringList& zellen) {
        for (int c = 0; c < zellen.size(); ++c)
            breite[c] = std::max<int>(breite[c], zellen[c].size());
    };
    miss(tabelle.kopf);
    for (const auto& z : tabelle.zeilen)
        miss(z);
    QStringList zeilen{tabelle.titel, QString()};
    auto zeile = [&](const QStringList& zellen) {
        QString z;
        for (int c = 0; c < zellen.size(); ++c) {
            if (c > 0)
                z += "  ";
            z += tabelle.ausrichtung[c] == Ausrichtung::Rechts ? zellen[c].rightJustified(breite[c])
                                                               : zellen[c].leftJustified(breite[c]);
        }
        while (z.endsWith(' '))
            z.chop(1);
        zeilen << z;
    };
    zeile(tabelle.kopf);
    for (const auto& z : tabelle.zeilen)
        zeile(z);
    return Cp(zeilen.join("\r\n") + "\r\n");
}

std::string AlsCsv(const TBerichtTabelle& tabelle) {
    std::string bytes;
    auto satz = [&](const QStringList& zellen) {
        QStringList felder;
        for (const QString& zelle : zellen)
            felder << Csv(zelle);
        bytes += Cp(felder.join(',')) + Zeilenende;
    };
    satz(tabelle.kopf);
    for (const auto& z : tabelle.zeilen)
        if (!Leer(z))
            satz(z);
    return bytes;
}

std::vector<TSpeicherformat> TabellenFormate() {
    return {
        {"HTML", "HTML|*.html", "html",
         [](const TBericht& b) { return AlsHtml(BerichtTabelle(b)); }},
        {"Text", "Text|*.txt", "txt", [](const TBericht& b) { return AlsText(BerichtTabelle(b)); }},
        {"CSV", "CSV|*.csv", "csv", [](const TBericht& b) { return AlsCsv(BerichtTabelle(b)); }},
    };
}
