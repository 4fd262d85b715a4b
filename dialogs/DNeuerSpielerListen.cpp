// The player dialog: the games page and the three pick lists.
#include "dialogs/DNeuerSpieler.h"

#include "core/Data.h"
#include "core/Tische.h"
#include "platform/Convert.h"
#include "platform/Guarded.h"
#include "platform/LineFile.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

std::string Paar(int eigener, int gegner) {
    return IntToStr(eigener) + " : " + IntToStr(gegner);
}

} // namespace

void TDlgNeuerSpiel::DetailsAnzeigen() {
    mDetails->clear();
    if (SpielerIndex < 0 || SpielerIndex >= static_cast<int>(Spielerliste.size()))
        return;
    const TSpieler& s = *Spielerliste[static_cast<size_t>(SpielerIndex)];
    auto zeile = [this](int id, const std::string& rest) {
        mDetails->appendPlainText(Qs(GetTranslation(12, id) + rest));
    };
    for (int r = 1; r <= s.GetRundenAnzahl(); ++r) {
        const int g = FindeSpielerIndex(s.GetGegner(r));
        if (g < 0)
            continue;
        const TSpieler& o = *Spielerliste[static_cast<size_t>(g)];
        zeile(4, IntToStr(r));
        zeile(5,
              o.GetNameMitNick() + " (" + o.Armee.str() + "(" + IntToStr(o.Armeebewertung) + "))");
        std::string tisch = IntToStr(s.GetTisch(r));
        if (TischgruppenBeruecksichtigen)
            tisch += " (" + TischgruppenName(s.GetTisch(r)) + ")";
        zeile(6, tisch);
        const int zusatzS = ArmeebewertungVergleichend ? s.GetArmeepunkte(r) : 0;
        const int zusatzO = ArmeebewertungVergleichend ? o.GetArmeepunkte(r) : 0;
        zeile(7, "\t\t" + Paar(s.GetPunkte(r) + zusatzS, o.GetPunkte(r) + zusatzO));
        if (ArmeebewertungVergleichend)
            zeile(8, "\t" + Paar(s.GetPunkte(r), o.GetPunkte(r)));
        zeile(9, "\t" + Paar(s.GetSiegpunkte(r), o.GetSiegpunkte(r)));
        zeile(10, "\t\t" + Paar(s.GetFairplay(r), o.GetFairplay(r)));
    }
}

void TDlgNeuerSpiel::ListeLaden(QComboBox* liste, std::filesystem::path& datei) {
    FileDialogRequest anfrage = DlgOd;
    if (!TrimText(datei.string()).empty())
        anfrage.initialPath = datei;
    const auto gewaehlt = FileDialogs().OpenFile(this, anfrage);
    if (!gewaehlt)
        return;
    datei = *gewaehlt;
    const auto zeilen = ReadAllLines(datei);
    // Replacing the items leaves the text being edited alone and marks nothing as changed.
    const QSignalBlocker still(liste);
    const QString text = liste->currentText();
    liste->clear();
    for (const auto& z : zeilen)
        liste->addItem(Qs(z));
    liste->setEditText(text);
}

void TDlgNeuerSpiel::ListeSpeichern(QComboBox* liste, std::filesystem::path& datei) {
    FileDialogRequest anfrage = DlgSd;
    if (!TrimText(datei.string()).empty())
        anfrage.initialPath = datei;
    const auto gewaehlt = FileDialogs().SaveFile(this, anfrage);
    if (!gewaehlt)
        return;
    datei = *gewaehlt;
    std::vector<std::string> zeilen;
    for (int i = 0; i < liste->count(); ++i)
        zeilen.push_back(Cp(liste->itemText(i)));
    WriteAllLines(datei, zeilen);
}

void TDlgNeuerSpiel::ArmeeLaden1Click() {
    Guarded([this] { ListeLaden(cbArmee, ArmeeDatei); });
}
void TDlgNeuerSpiel::ArmeebelegungSpeichern1Click() {
    Guarded([this] { ListeSpeichern(cbArmee, ArmeeDatei); });
}
void TDlgNeuerSpiel::HerkunftLaden1Click() {
    Guarded([this] { ListeLaden(cbHerkunft, HerkunftDatei); });
}
void TDlgNeuerSpiel::HerkunftSpeichern1Click() {
    Guarded([this] { ListeSpeichern(cbHerkunft, HerkunftDatei); });
}
void TDlgNeuerSpiel::TeamLaden1Click() {
    Guarded([this] { ListeLaden(cbTeam, TeamDatei); });
}
void TDlgNeuerSpiel::TeamSpeichern1Click() {
    Guarded([this] { ListeSpeichern(cbTeam, TeamDatei); });
}
