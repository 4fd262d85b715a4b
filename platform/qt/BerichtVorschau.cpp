#include "platform/qt/BerichtVorschau.h"

#include "platform/Guarded.h"
#include "platform/LineFile.h"
#include "platform/qt/BerichtMaler.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

class QtVorschauen final : public VorschauSeam {
public:
    void Zeige(TBerichtVorschau& vorschau) override { vorschau.exec(); }
    bool WaehleDrucker(QPrinter& drucker, QWidget* parent) override {
        QPrintDialog dialog(&drucker, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

QtVorschauen qtVorschauen;
VorschauSeam* aktuell = &qtVorschauen;

QAction* Aktion(QToolBar* leiste, const QString& name, const QString& text, const QString& hinweis,
                const std::function<void()>& befehl) {
    QAction* aktion = leiste->addAction(text);
    aktion->setObjectName(name);
    aktion->setToolTip(hinweis);
    QObject::connect(aktion, &QAction::triggered, leiste, [befehl] { Guarded(befehl); });
    return aktion;
}

} // namespace

VorschauSeam& Vorschauen() {
    return *aktuell;
}

void SetVorschauen(VorschauSeam* seam) {
    aktuell = seam ? seam : &qtVorschauen;
}

TBerichtVorschau::TBerichtVorschau(const TBericht& bericht, std::vector<TSpeicherformat> formate,
                                   const QString& titel, QWidget* parent)
    : QDialog(parent), bericht_(bericht), formate_(std::move(formate)), seiten_(bericht.Layout()),
      drucker_(new QPrinter(QPrinter::HighResolution)) {
    setObjectName("BerichtVorschau");
    QString ueberschrift = titel;
    for (const TBerichtText& text : seiten_.front().texte)
        if (titel.isEmpty() && text.band == BandArt::Titel)
            ueberschrift += (ueberschrift.isEmpty() ? "" : " ") + text.text;
    setWindowTitle(ueberschrift);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    drucker_->setFullPage(true);
    drucker_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));

    Werkzeuge = new QToolBar(this);
    Werkzeuge->setObjectName("Werkzeuge");
    Aktion(Werkzeuge, "aDrucken", "Drucken...", "Drucken", [this] { Drucken(); });
    Aktion(Werkzeuge, "aPdf", "PDF...", "Als PDF speichern", [this] { SpeichereAlsPdf(); });
    for (size_t i = 0; i < formate_.size(); ++i)
        Aktion(Werkzeuge, "aFormat" + QString::number(i), formate_[i].name + "...",
               "Als " + formate_[i].name + " speichern", [this, i] { Speichere(formate_[i]); });
    Werkzeuge->addSeparator();
    Aktion(Werkzeuge, "aGanzeSeite", "Ganze Seite", "Ganze Seite", [this] { GanzeSeite(); });
    Aktion(Werkzeuge, "aGroesser", "+", "Vergrößern", [this] { Vergroessern(); });
    Aktion(Werkzeuge, "aKleiner", "-", "Verkleinern", [this] { Verkleinern(); });
    Werkzeuge->addSeparator();
    Aktion(Werkzeuge, "aErste", "|<", "Erste Seite", [this] { ZeigeSeite(1); });
    Aktion(Werkzeuge, "aVorige", "<", "Vorige Seite", [this] { ZeigeSeite(AktuelleSeite() - 1); });
    seitenAnzeige_ = new QLabel(Werkzeuge);
    seitenAnzeige_->setObjectName("lbSeite");
    seitenAnzeige_->setContentsMargins(8, 0, 8, 0);
    Werkzeuge->addWidget(seitenAnzeige_);
    Aktion(Werkzeuge, "aNaechste", ">", "Nächste Seite",
           [this] { ZeigeSeite(AktuelleSeite() + 1); });
    Aktion(Werkzeuge, "aLetzte", ">|", "Letzte Seite",
           [this] { ZeigeSeite(static_cast<int>(seiten_.size())); });
    Werkzeuge->addSeparator();
    Aktion(Werkzeuge, "aSchliessen", "Schließen", "Vorschau schließen", [this] { accept(); });

    vorschau_ = new QPrintPreviewWidget(drucker_, this);
    vorschau_->setObjectName("Vorschau");
    connect(vorschau_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* drucker) { ZeichneSeiten(seiten_, *drucker); });
    connect(vorschau_, &QPrintPreviewWidget::previewChanged, this,
            &TBerichtVorschau::SeiteGeaendert);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Werkzeuge);
    layout->addWidget(vorschau_);

    const QRect verfuegbar = screen() ? screen()->availableGeometry() : QRect(0, 0, 1000, 1000);
    resize(std::min(900, verfuegbar.width()), std::min(1100, verfuegbar.height()) * 9 / 10);
    vorschau_->updatePreview();
    vorschau_->fitToWidth();
    SeiteGeaendert();
}

TBerichtVorschau::~TBerichtVorschau() {
    delete vorschau_;
    delete drucker_;
}

int TBerichtVorschau::AktuelleSeite() const {
    return vorschau_->currentPage();
}

void TBerichtVorschau::SeiteGeaendert() {
    seitenAnzeige_->setText(QString("Seite %1 von %2").arg(AktuelleSeite()).arg(seiten_.size()));
}

void TBerichtVorschau::ZeigeSeite(int seite) {
    vorschau_->setCurrentPage(std::clamp(seite, 1, static_cast<int>(seiten_.size())));
    SeiteGeaendert();
}

void TBerichtVorschau::Vergroessern() {
    vorschau_->zoomIn();
}

void TBerichtVorschau::Verkleinern() {
    vorschau_->zoomOut();
}

void TBerichtVorschau::GanzeSeite() {
    vorschau_->fitInView();
}

void TBerichtVorschau::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(true);
    drucker.setDocName(windowTitle());
    if (!Vorschauen().WaehleDrucker(drucker, this))
        return;
    // A new run of the report, started again from its first row.
    ZeichneSeiten(bericht_.Layout(), drucker);
}

void TBerichtVorschau::SpeichereAlsPdf() {
    const auto datei = FileDialogs().SaveFile(this, {windowTitle(), "PDF|*.pdf", "pdf", {}});
    if (datei)
        SchreibePdf(bericht_.Layout(), *datei, windowTitle());
}

void TBerichtVorschau::Speichere(const TSpeicherformat& format) {
    const auto datei =
        FileDialogs().SaveFile(this, {windowTitle(), format.filter, format.endung, {}});
    if (datei)
        WriteFileAtomically(*datei, format.bytes(bericht_));
}

void Vorschau(const TBericht& bericht, const QString& titel, std::vector<TSpeicherformat> formate,
              QWidget* parent) {
    TBerichtVorschau vorschau(bericht, std::move(formate), titel, parent);
    Vorschauen().Zeige(vorschau);
}
