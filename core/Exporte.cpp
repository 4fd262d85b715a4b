#include "core/Exporte.h"

#include "core/Data.h"
#include "core/Wertung.h"
#include "platform/Convert.h"
#include "translation/Translate.h"

#include <algorithm>

namespace {

std::string Text(int id) {
    return GetTranslation(1, id);
}

// A special score counted into the total: its heading and its value.
struct TSonderwert {
    int textId;
    int (*wert)(const TSpieler&);
};

std::vector<TSonderwert> GezaehlteSonderwerte() {
    const std::pair<bool, TSonderwert> alle[] = {
        {ArmeebewertungKlassisch, {85, [](const TSpieler& s) { return s.Armeebewertung; }}},
        {BemalungWerten, {86, [](const TSpieler& s) { return s.Bemalung; }}},
        {QuizWerten, {87, [](const TSpieler& s) { return s.Quiz; }}},
        {FairplayWerten, {93, [](const TSpieler& s) { return s.FairplayGesamt; }}},
        {SonstigesWerten, {92, [](const TSpieler& s) { return s.Sonstiges; }}},
    };
    std::vector<TSonderwert> gezaehlt;
    for (const auto& [an, wert] : alle)
        if (an)
            gezaehlt.push_back(wert);
    return gezaehlt;
}

long long Armeepunkte(const TSpieler& s, int runde) {
    long long summe = 0;
    for (int k = 1; k <= runde; ++k)
        summe += s.GetArmeepunkte(k);
    return summe;
}

std::string Zelle(const std::string& inhalt) {
    return "<td>" + inhalt + "</td>";
}

} // namespace

long long PunkteBisRunde(const TSpieler& s, int runde) {
    long long summe = 0;
    for (int k = 1; k <= runde; ++k)
        summe += s.GetPunkte(k);
    return summe;
}

void WerteFuerExport(int runde) {
    BerechneWertungMitOptionen(runde);
    SortiereTabelle();
}

std::vector<std::string> SpieltagTextZeilen(int runde) {
    std::vector<std::string> zeilen;
    for (const auto& p : Spielerliste) {
        const int o = p->GetGegner(runde);
        if (o < 1 || o < p->Startnummer)
            continue;
        const TSpieler* gegner = FindeSpieler(o);
        if (!gegner)
            continue;
        const long long n = static_cast<long long>(zeilen.size()) + 1;
        // The table the game was given, as the games view shows it.
        const int tisch = gegner->GetTisch(runde);
        std::string tischteil;
        if (tisch > 0)
            tischteil = (tisch < 10 ? "( " : "(") + IntToStr(tisch) + ")";
        zeilen.push_back(
            (n < 10 ? " " : "") + IntToStr(n) + ".:" + tischteil + "\t" + p->GetName() + " - " +
            gegner->GetName() + "\t : " + IntToStr(p->GetPunkte(runde)) + "-" +
            IntToStr(gegner->GetPunkte(runde)) + "\t (" + IntToStr(p->GetSiegpunkte(runde)) + "-" +
            IntToStr(gegner->GetSiegpunkte(runde)) + ")");
    }
    return zeilen;
}

std::vector<std::string> TabelleTextZeilen(int runde) {
    size_t breite = 0;
    for (const auto& s : Spielerliste)
        breite = std::max(breite, s->GetName().size());
    const auto sonderwerte = GezaehlteSonderwerte();

    std::string kopf = Text(83) + std::string(breite + 1, ' ') + "\t" + Text(84) + "\t";
    for (const auto& w : sonderwerte)
        kopf += Text(w.textId) + "\t";
    std::vector<std::string> zeilen{kopf + Text(90) + "\t" + Text(91)};

    for (size_t i = 0; i < Spielerliste.size(); ++i) {
        const TSpieler& s = *Spielerliste[i];
        const std::string name = s.GetName();
        std::string zeile = IntToStr(static_cast<long long>(i) + 1) + ". " + name + " " +
                            std::string(breite + 1 - name.size(), ' ') + "\t" +
                            IntToStr(PunkteBisRunde(s, runde)) + " \t";
        for (const auto& w : sonderwerte)
            zeile += IntToStr(w.wert(s)) + " \t";
        zeilen.push_back(zeile + IntToStr(s.Gesamtpunkte) + "    \t" +
                         IntToStr(s.Siegpunktdifferenz));
        zeilen.push_back(s.Armee.str());
    }
    return zeilen;
}

std::vector<std::string> TabelleHtmlZeilen(int runde) {
    const auto sonderwerte = GezaehlteSonderwerte();
    std::vector<std::string> zeilen{"<HTML>",  "<HEAD>",  "<TITLE>", "</TITLE>",
                                    "</HEAD>", "<table>", "<tr>"};
    std::vector<int> koepfe{83, 84};
    for (const auto& w : sonderwerte)
        koepfe.push_back(w.textId);
    for (const int id : {90, 91, 98})
        koepfe.push_back(id);
    for (const int id : koepfe)
        zeilen.push_back(Zelle(HtmlText(Text(id))));
    zeilen.push_back("</tr>");

    for (size_t i = 0; i < Spielerliste.size(); ++i) {
        const TSpieler& s = *Spielerliste[i];
        const long long punkte = PunkteBisRunde(s, runde);
        zeilen.push_back("<tr>");
        zeilen.push_back(
            Zelle(IntToStr(static_cast<long long>(i) + 1) + ". " + HtmlText(s.GetName()) + " "));
        if (ArmeebewertungVergleichend)
            zeilen.push_back(
                Zelle(IntToStr(punkte + Armeepunkte(s, runde)) + "(" + IntToStr(punkte) + ")"));
        else
            zeilen.push_back(Zelle(IntToStr(punkte)));
        for (const auto& w : sonderwerte)
            zeilen.push_back(Zelle(IntToStr(w.wert(s))));
        zeilen.push_back(Zelle(IntToStr(s.Gesamtpunkte)));
        zeilen.push_back(Zelle(IntToStr(s.Siegpunktdifferenz)));
        zeilen.push_back(Zelle(HtmlText(s.Armee.str())));
        zeilen.push_back("</tr>");
    }
    for (const char* ende : {"</table>", "</body>", "</html>"})
        zeilen.push_back(ende);
    return zeilen;
}

std::string HtmlText(const std::string& text) {
    std::string aus;
    for (const char c : text) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        case '\'':
            aus += "&#39;";
            break;
        default:
            aus += c;
        }
    }
    return aus;
}
