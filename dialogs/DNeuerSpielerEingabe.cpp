// The player dialog: new entries, saving, choosing a row and the search by start number.
#include "dialogs/DNeuerSpieler.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "dialogs/SortierteZeile.h"
#include "platform/Convert.h"
#include "platform/Errors.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Everything the fields hold, the numbers already converted.
struct Eingabe {
    std::string Vorname, Name, Nickname, Kommentar, Armee, Herkunft, Team;
    int TeamNr, Armeebewertung, Bemalung, Quiz, Fairplay, Sonstiges, Gruppe, ArmeelisteStatus;
    bool Geloescht, Gemeldet, Bezahlt;
};

void Uebertrage(const Eingabe& e, TSpieler& s) {
    s.Name = e.Name;
    s.Nickname = e.Nickname;
    s.Vorname = e.Vorname;
    s.Kommentar = e.Kommentar;
    s.Armee = e.Armee;
    s.Herkunft = e.Herkunft;
    s.Team = e.Team;
    s.TeamNr = e.TeamNr;
    s.Armeebewertung = e.Armeebewertung;
    s.Fairplay = e.Fairplay;
    s.Sonstiges = e.Sonstiges;
    s.Bemalung = e.Bemalung;
    s.Quiz = e.Quiz;
    s.Gruppe = e.Gruppe;
    s.Geloescht = e.Geloescht;
    s.Gemeldet = e.Gemeldet;
    s.Bezahlt = e.Bezahlt;
    s.ArmeelisteStatus = e.ArmeelisteStatus;
}

// Appends " 1", " 2", ... to the surname of a new player until no player in the list has its
// display name. A surname too long for the suffix is shortened so that the whole suffix fits:
// a cut suffix could give a name tried before, and the search would never end. Every candidate
// ends in its own number, so each is new and the search ends.
void MacheNamenEindeutig(TSpieler& spieler) {
    constexpr size_t breite = decltype(spieler.Name)::Width;
    const std::string basis = spieler.Name.str();
    for (int n = 1; FindeSpielerNachName(spieler.GetName()) >= 0; ++n) {
        const std::string suffix = " " + IntToStr(n);
        spieler.Name = basis.substr(0, std::min(basis.size(), breite - suffix.size())) + suffix;
    }
}

void ZuListeHinzufuegen(QComboBox* liste) {
    if (liste->findText(liste->currentText(), Qt::MatchFixedString) < 0)
        liste->addItem(liste->currentText());
}

QString T(int id) {
    return Qs(GetTranslation(12, id));
}

} // namespace

void TDlgNeuerSpiel::PruefeZahl(QLineEdit* feld, int& letzterWert) {
    int wert = 0;
    if (TryStrToInt(Cp(feld->text()), wert)) {
        letzterWert = wert;
        Geaendert = true;
    } else {
        feld->setText(QString::number(letzterWert));
    }
}

void TDlgNeuerSpiel::ZeigeStartnummer(int startnummer) {
    lbSpielerNummer->setText(T(45) + QString::number(startnummer));
}

void TDlgNeuerSpiel::NeuerEintrag() {
    for (QLineEdit* e : {EVorname, EName, ENick, EKommentar})
        e->clear();
    cbArmee->setEditText(QString());
    cbHerkunft->setEditText("Neutral");
    cbTeam->setEditText("Neutral");
    for (QLineEdit* e :
         {ETeamNr, EArmeebewertung, EBemalung, EQuiz, EFairplay, ESonstiges, EGruppeNr})
        e->setText("0");
    LetzteArmeebewertung = LetzteBemalung = LetztesQuiz = LetztesFairplay = LetztesSonstiges =
        LetzteGruppe = 0;
    for (QCheckBox* c : {cbBezahlt, cbGemeldet, cbGeloescht})
        c->setChecked(false);
    cbArmeelisteStatus->setCurrentIndex(0);
    lbSpielerNummer->setText(T(45));
    Geaendert = false;
}

void TDlgNeuerSpiel::FrageUndSpeichern() {
    if (Geaendert && Messages().Ask(GetTranslation(12, 3), GetTranslation(12, 2)))
        Speichern();
}

void TDlgNeuerSpiel::Speichern() {
    // Every number is converted before anything is written: a bad number leaves the player, the
    // list, the pick lists and the mark of unsaved changes as they were.
    const Eingabe e{Cp(EVorname->text()),
                    Cp(EName->text()),
                    Cp(ENick->text()),
                    Cp(EKommentar->text()),
                    Cp(cbArmee->currentText()),
                    Cp(cbHerkunft->currentText()),
                    Cp(cbTeam->currentText()),
                    StrToInt(Cp(ETeamNr->text())),
                    StrToInt(Cp(EArmeebewertung->text())),
                    StrToInt(Cp(EBemalung->text())),
                    StrToInt(Cp(EQuiz->text())),
                    StrToInt(Cp(EFairplay->text())),
                    StrToInt(Cp(ESonstiges->text())),
                    StrToInt(Cp(EGruppeNr->text())),
                    std::max(0, cbArmeelisteStatus->currentIndex()),
                    cbGeloescht->isChecked(),
                    cbGemeldet->isChecked(),
                    cbBezahlt->isChecked()};
    if (Modus == SpielerBearbeiten &&
        (SpielerIndex < 0 || SpielerIndex >= static_cast<int>(Spielerliste.size())))
        throw TuvonError("Der bearbeitete Spieler ist nicht mehr in der Liste");

    for (QComboBox* liste : {cbHerkunft, cbTeam, cbArmee})
        ZuListeHinzufuegen(liste);
    Geaendert = false;

    if (Modus == NeuerSpieler || Modus == ArchivEingabe) {
        auto spieler = std::make_unique<TSpieler>();
        spieler->Startnummer = NeueStartnummer();
        ZeigeStartnummer(spieler->Startnummer);
        Uebertrage(e, *spieler);
        if (Modus == ArchivEingabe) {
            Spielerliste.push_back(std::move(spieler));
            return;
        }
        MacheNamenEindeutig(*spieler);
        const std::string name = spieler->GetName();
        Spielerliste.push_back(std::move(spieler));
        QListWidgetItem* zeile = NeueZeile(name);
        lvSpieler->addItem(zeile);
        lvSpieler->setCurrentItem(zeile);
        SpielerIndex = FindeSpielerNachName(name);
        ListenIndex = zeile;
        Modus = SpielerBearbeiten;
    } else if (Modus == SpielerBearbeiten) {
        TSpieler& spieler = *Spielerliste[static_cast<size_t>(SpielerIndex)];
        Uebertrage(e, spieler);
        if (ListenIndex)
            ListenIndex->setText(Qs(spieler.GetName()));
    }
}

void TDlgNeuerSpiel::SpielerLaden(int index) {
    const TSpieler& s = *Spielerliste[static_cast<size_t>(index)];
    EVorname->setText(Qs(s.Vorname));
    EName->setText(Qs(s.Name));
    ENick->setText(Qs(s.Nickname));
    EKommentar->setText(Qs(s.Kommentar));
    cbArmee->setEditText(Qs(s.Armee));
    cbHerkunft->setEditText(Qs(s.Herkunft));
    cbTeam->setEditText(Qs(s.Team));
    ETeamNr->setText(QString::number(s.TeamNr));
    EArmeebewertung->setText(QString::number(s.Armeebewertung));
    EBemalung->setText(QString::number(s.Bemalung));
    EQuiz->setText(QString::number(s.Quiz));
    EFairplay->setText(QString::number(s.Fairplay));
    ESonstiges->setText(QString::number(s.Sonstiges));
    EGruppeNr->setText(QString::number(s.Gruppe));
    cbArmeelisteStatus->setCurrentIndex(s.ArmeelisteStatus);
    cbBezahlt->setChecked(s.Bezahlt);
    cbGemeldet->setChecked(s.Gemeldet);
    cbGeloescht->setChecked(s.Geloescht);
    LetzteArmeebewertung = s.Armeebewertung;
    LetzteBemalung = s.Bemalung;
    LetztesQuiz = s.Quiz;
    LetztesFairplay = s.Fairplay;
    LetztesSonstiges = s.Sonstiges;
    LetzteGruppe = s.Gruppe;
    ZeigeStartnummer(s.Startnummer);
    DetailsAnzeigen();
    Geaendert = false;
}

void TDlgNeuerSpiel::Zeilenklick(QListWidgetItem* zeile) {
    const std::string text = Cp(zeile->text());
    FrageUndSpeichern();
    if (Modus == ArchivEingabe) {
        const int i = Archiv.FindPerson(text);
        if (i < 0)
            return;
        const TPerson& person = *Archiv.Personen[static_cast<size_t>(i)];
        EName->setText(Qs(person.Name));
        cbArmee->setEditText(Qs(person.Armee));
        cbHerkunft->setEditText(Qs(person.Herkunft));
        cbTeam->setEditText(Qs(person.Team));
        return;
    }
    const int index = FindeSpielerNachName(text);
    if (index < 0)
        return;
    Modus = SpielerBearbeiten;
    SpielerIndex = index;
    SpielerLaden(index);
    ListenIndex = zeile;
}

void TDlgNeuerSpiel::ButtonNeuClick() {
    Guarded([this] {
        FrageUndSpeichern();
        if (Modus != ArchivEingabe)
            Modus = NeuerSpieler;
        NeuerEintrag();
    });
}

void TDlgNeuerSpiel::ButtonSaveClick() {
    Guarded([this] { Speichern(); });
}

void TDlgNeuerSpiel::lvSpielerClick(QListWidgetItem* zeile) {
    if (zeile)
        Guarded([this, zeile] { Zeilenklick(zeile); });
}

void TDlgNeuerSpiel::OKBtnClick() {
    Guarded([this] { FrageUndSpeichern(); });
    accept();
}

void TDlgNeuerSpiel::ToolButton2Click() {
    // A search that finds nothing, or fails on the way, says nothing.
    try {
        int nummer = 0;
        if (!TryStrToInt(Cp(EStartnummer->text()), nummer))
            return;
        const int index = FindeSpielerIndex(nummer);
        if (index < 0)
            return;
        const QString name = Qs(Spielerliste[static_cast<size_t>(index)]->GetName());
        for (int row = 0; row < lvSpieler->count(); ++row) {
            QListWidgetItem* zeile = lvSpieler->item(row);
            if (GleichOhneFall(zeile->text(), name)) {
                lvSpieler->setCurrentItem(zeile);
                Zeilenklick(zeile);
                return;
            }
        }
    } catch (const std::exception&) {
    }
}
