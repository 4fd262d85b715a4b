#pragma once
// The main window: round selector, the three large buttons, the tool bar, the menus and the five
// list views of the tournament. Its creation builds the text table and the tournament state.
#include <QMainWindow>
#include <filesystem>
#include <functional>

class QAction;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;
class QWidget;
class TDateiDialog;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);

    // Creation, first show and close of the window (see FMain.cpp).
    void FormCreate();
    void FormShow();
    // Asks whether to save; false when the chosen save failed and the window must stay open.
    bool FormClose();

    void TexteRegistrieren();
    void TexteUebersetzen();

    // Views (FMainAnsicht.cpp).
    void AnsichtErneuern();
    void GridErneuern();
    void GridErgebnisErneuern();
    void GridTeamErneuern();
    void GridTeampunkteErneuern();
    void GridPaarungsinfosErneuern();
    void SpieltagAuswahlErneuern();
    void cbSpieltagChange();
    void FormKeyDown(int key);
    void GridColumnClick(int spalte);
    // The round chosen in the round selector, read from its text.
    int AusgewaehlteRunde() const;

    // Commands (Befehle*.cpp).
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void SpeichernUnter1Click();
    void Beenden1Click();
    void Spielerimportieren1Click();
    void NeuerSpielerClick();
    void NeuenSpielereingeben1Click();
    void Button1Click();
    void bPaarenClick();
    void Ergebnisse1Click();
    void Paarenkonfigurieren1Click();
    void PaarungenTauschen1Click();
    void Armeebewertung1Click();
    void Bemalung1Click();
    void Quizpunkte1Click();
    void Fairplay1Click();
    void Sonstiges1Click();
    void SpielerlschenNurvorerstemSpiel1Click();
    void Info1Click();
    void Tabelle2Click();
    void Spieltag2Click();
    void Laufzettel1Click();
    void Hilfe2Click();
    void Sprachendern1Click();
    void SpielerinArchivbernehmen1Click();
    void Archivdatenanzeigen1Click();
    void MehrereSpielerausArchivbernehmen1Click();

    void Spieltag1Click();
    void abelle1Click();
    void HtmlExport1Click();
    void ErgebnisseExportieren1Click();
    void TischeVerwalten1Click();
    void Siegpunktmatrix1Click();
    void Spielerbersicht1Click();
    void Verwaltungsdrucke1Click();

    // Exports of the round chosen in the round selector (BefehleExport.cpp). Failures are raised.
    void SpieltagAlsTextSpeichern();
    void TabelleAlsTextSpeichern();
    void TabelleAlsHtmlSpeichern();
    void T3ExportSpeichern(const std::filesystem::path& datei);

    // Saves to Dateiname, asking for a name first when it has none. Failures are raised.
    void TurnierSpeichern();

    // Controls, named as their objectName.
    QLabel* lbTurniername;
    QLabel* Label1;
    QComboBox* cbSpieltag;
    QPushButton* bPaaren;
    QPushButton* bSpieler;
    QPushButton* bErgebnis;

    QToolBar* ToolBar1;
    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QToolButton* ToolButton3;
    QToolButton* ToolButton5;

    QTabWidget* PageControl1;
    QWidget* TabSheet3;
    QWidget* TabSheet5;
    QWidget* TabSheet4;
    QWidget* tbTeampaarungen;
    QWidget* tsPaarungshilfe;
    QTableWidget* Grid;
    QTableWidget* lvSpiele;
    QTableWidget* GridTeam;
    QTableWidget* lvTeamSpiele;
    QTableWidget* lvPaarungsinfo;

    QMenu* Datei;
    QAction* Neu1;
    QAction* Laden;
    QAction* Speichern1;
    QAction* SpeichernUnter1;
    QAction* Sprachendern1;
    QAction* Beenden1;

    QMenu* Verwaltung;
    QAction* NeuenSpielereingeben1;
    QAction* SpielerVerndern;
    QAction* Ergebnisse1;
    QAction* Paarenkonfigurieren1;
    QAction* PaarungenTauschen1;
    QMenu* WerteEingeben1;
    QAction* Armeebewertung1;
    QAction* Bemalung1;
    QAction* Quizpunkte1;
    QAction* Fairplay1;
    QAction* Sonstiges1;
    QAction* SpielerlschenNurvorerstemSpiel1;
    QAction* Spielerimportieren1;
    QAction* ErgebnisseExportieren1;
    QAction* TischeVerwalten1;
    QAction* Siegpunktmatrix1;
    QAction* ServerVerwalten1;

    QMenu* Archiv1;
    QAction* SpielerinArchivbernehmen1;
    QAction* Archivdatenanzeigen1;
    QAction* MehrereSpielerausArchivbernehmen1;

    QMenu* Drucken;
    QAction* Tabelle;
    QAction* Spieltag;
    QAction* Spielerbersicht1;
    QAction* HtmlExport1;
    QMenu* extdatei1;
    QAction* abelle1;
    QAction* Spieltag1;
    QAction* Verwaltungsdrucke1;
    QAction* Laufzettel1;

    QMenu* Hilfe1;
    QAction* Info1;
    QAction* Hilfe2;

    QMenu* DruckMenu;
    QAction* Tabelle2;
    QAction* Spieltag2;

    TDateiDialog* OD;
    TDateiDialog* SD;
    TDateiDialog* SDTabelle;
    TDateiDialog* SDErgebnis;
    TDateiDialog* ODImport;
    TDateiDialog* SDExport;

    // The file names last chosen by the three text and HTML exports, for the run only.
    std::filesystem::path TextDateiSpieltag;
    std::filesystem::path TextDateiTabelle;
    std::filesystem::path HtmlDatei;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Textquelle = std::function<QString(int section, int id)>;

    void ErzeugeSteuerelemente();
    void ErzeugeMenues();
    void ErzeugeWerkzeugleiste();
    void ErzeugeAnsichten();
    void VerbindeBefehle();
    // Sets every caption, hint and heading the text table names, taking each from the source.
    void Beschriften(const Textquelle& text);
    void BeschriftenEingebaut();
    void ZeigeTurniername();
    void ZeigeSeite(QWidget* seite, bool sichtbar);
};
