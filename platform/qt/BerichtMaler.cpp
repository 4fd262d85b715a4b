#include "platform/qt/BerichtMaler.h"

#include "platform/Errors.h"
#include "platform/LineFile.h"

#include <QBuffer>

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

int Flags(Ausrichtung ausrichtung) {
    const int immer = Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    switch (ausrichtung) {
    case Ausrichtung::Rechts:
        return immer | Qt::AlignRight;
    case Ausrichtung::Zentriert:
        return immer | Qt::AlignHCenter;
    case Ausrichtung::Links:
        break;
    }
    return immer | Qt::AlignLeft;
}

QRectF InPixel(const QRectF& mm, double s) {
    return {mm.x() * s, mm.y() * s, mm.width() * s, mm.height() * s};
}

} // namespace

void ZeichneSeite(QPainter& painter, const TBerichtSeite& seite, double pixelProMm) {
    for (const TBerichtText& text : seite.texte) {
        QFont font = BerichtFont(text.schrift);
        painter.setFont(font);
        painter.drawText(InPixel(text.mm, pixelProMm), Flags(text.ausrichtung), text.text);
    }
    QPen stift(Qt::black);
    stift.setWidthF(0.2 * pixelProMm);
    painter.setPen(stift);
    for (const QLineF& linie : seite.linien)
        painter.drawLine(QLineF(linie.p1() * pixelProMm, linie.p2() * pixelProMm));
}

void ZeichneSeiten(const std::vector<TBerichtSeite>& seiten, QPagedPaintDevice& geraet) {
    // The printer leaves a page range chosen in the print dialog to the application.
    std::vector<const TBerichtSeite*> gewaehlt;
    auto* drucker = dynamic_cast<QPrinter*>(&geraet);
    const bool bereich =
        drucker && drucker->printRange() == QPrinter::PageRange && !geraet.pageRanges().isEmpty();
    for (size_t i = 0; i < seiten.size(); ++i)
        if (!bereich || geraet.pageRanges().contains(static_cast<int>(i) + 1))
            gewaehlt.push_back(&seiten[i]);
    if (gewaehlt.empty())
        return;
    if (drucker)
        drucker->setFullPage(true);
    geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&geraet))
        throw EInOutError("Der Bericht kann nicht gedruckt werden: Drucker nicht bereit");
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixelProMm = geraet.logicalDpiX() / 25.4;
    for (size_t i = 0; i < gewaehlt.size(); ++i) {
        if (i > 0)
            geraet.newPage();
        ZeichneSeite(painter, *gewaehlt[i], pixelProMm);
    }
    painter.end();
}

void SchreibePdf(const std::vector<TBerichtSeite>& seiten, const std::filesystem::path& datei,
                 const QString& titel) {
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setResolution(600);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Halvener Paarungs Programm"));
        ZeichneSeiten(seiten, pdf);
    }
    WriteFileAtomically(datei, bytes.toStdString());
}
