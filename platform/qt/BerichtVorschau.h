#pragma once
// The preview window of the report layer: every page of a report, zoom, page navigation, print
// through the print dialog, save as PDF and in the extra formats the report offers. Showing it
// and choosing a printer go through a seam, so that window tests drive the preview without a
// modal loop and print to a file.
#include "platform/qt/Bericht.h"
#include "platform/qt/BerichtExport.h"

#include <QDialog>
#include <vector>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

class TBerichtVorschau : public QDialog {
    Q_OBJECT
public:
    // Lays the report out at once; the report must outlive the window. Without a title the
    // window takes the texts of the report's title band.
    TBerichtVorschau(const TBericht& bericht, std::vector<TSpeicherformat> formate,
                     const QString& titel, QWidget* parent = nullptr);
    ~TBerichtVorschau() override;

    const std::vector<TBerichtSeite>& Seiten() const { return seiten_; }
    int AktuelleSeite() const; // 1-based

    // The tool bar's commands. Failures are shown in the error box.
    void Drucken();
    void SpeichereAlsPdf();
    void Speichere(const TSpeicherformat& format);
    void ZeigeSeite(int seite);
    void Vergroessern();
    void Verkleinern();
    void GanzeSeite();

    QToolBar* Werkzeuge = nullptr; // its actions carry object names (aDrucken, aPdf, aFormat0, ...)

private:
    void SeiteGeaendert();

    const TBericht& bericht_;
    std::vector<TSpeicherformat> formate_;
    std::vector<TBerichtSeite> seiten_;
    QPrinter* drucker_;
    QPrintPreviewWidget* vorschau_;
    QLabel* seitenAnzeige_;
};

class VorschauSeam {
public:
    virtual ~VorschauSeam() = default;
    // Shows the preview and returns when it has been closed.
    virtual void Zeige(TBerichtVorschau& vorschau) = 0;
    // The print dialog: sets up the printer; false when cancelled.
    virtual bool WaehleDrucker(QPrinter& drucker, QWidget* parent) = 0;
};

VorschauSeam& Vorschauen();
// The caller keeps ownership; nullptr restores the Qt windows.
void SetVorschauen(VorschauSeam* seam);

// Shows the report's preview (modal in the program) and returns when it is closed.
void Vorschau(const TBericht& bericht, const QString& titel,
              std::vector<TSpeicherformat> formate = {}, QWidget* parent = nullptr);
