// The report layer: paging of bands, label placement, the Arial-compatible widths, the export
// formats, the PDF painter read back as text, and the preview's save and print commands.
#include "TempDir.h"
#include "platform/qt/BerichtMaler.h"
#include "platform/qt/QtText.h"
#include "qt/Berichtslesen.h"
#include "qt/Testumgebung.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QToolBar>

namespace {

// Title, column header (two labels) and n detail rows "Zeile i" / i, pulled by an index that only
// BeforePrint resets.
struct Probe {
    explicit Probe(int n) : anzahl(n) {
        bericht.Titel.Hoehe = 10.6;
        auto& titel =
            bericht.Titel.Label("Titel", BandMitte, 0, 0, Ausrichtung::Zentriert, {16, true});
        bericht.Spaltenkopf.Hoehe = 11.4;
        bericht.Spaltenkopf.Label("KopfName", 8.5, 6.4, 0).text = "Name";
        bericht.Spaltenkopf.Label("KopfWert", 40, 6.4, 0).text = "Wert";
        bericht.Detail.Hoehe = 4.2;
        auto& name = bericht.Detail.Label("Name", 8.5, 0, 30);
        auto& wert = bericht.Detail.Label("Wert", 40, 0, 10, Ausrichtung::Rechts);
        bericht.Detail.Linie(0, 3, 190, 1);
        bericht.BeforePrint = [this, &titel] {
            index = 0;
            titel.text = "Probe & <Test>";
        };
        bericht.NeedData = [this, &name, &wert] {
            if (index >= anzahl)
                return false;
            ++index;
            name.text = index == 2 ? QString("Bert \"B\", Berg") : QString("Zeile %1").arg(index);
            wert.text = QString::number(index * 10);
            return true;
        };
    }
    TBericht bericht;
    int anzahl;
    int index = 0;
};

} // namespace

class BerichtTest : public QObject {
    Q_OBJECT
private slots:
    void pagesRepeatTheHeaderAndHoldEveryRowOnce() {
        Probe probe(200);
        const auto seiten = probe.bericht.Layout();
        QCOMPARE(seiten.size(), size_t(4)); // 60 rows below title and header, then 63 a page
        QStringList zeilen;
        for (size_t s = 0; s < seiten.size(); ++s) {
            QStringList texte = Texte(seiten[s]);
            QCOMPARE(texte.mid(s == 0 ? 1 : 0, 2), QStringList({"Name", "Wert"}));
            for (const auto& t : seiten[s].texte) {
                QVERIFY(t.mm.bottom() <= SeitenHoehe - 10 + 1e-6);
                if (t.band == BandArt::Detail && t.text.startsWith("Zeile"))
                    zeilen << t.text;
            }
            QCOMPARE(seiten[s].linien.size(), size_t(s == 0 ? 60 : s == 3 ? 14 : 63));
        }
        QCOMPARE(zeilen.size(), 199);
        QCOMPARE(zeilen.front(), QString("Zeile 1"));
        QCOMPARE(zeilen.back(), QString("Zeile 200"));
        QCOMPARE(zeilen.removeDuplicates(), 0);

        // Positions: title centred on the page, header and rows below it, 4.2 mm apart.
        const auto& erste = seiten[0].texte;
        QCOMPARE(erste[0].mm.center().x(), 105.0);
        QCOMPARE(erste[1].mm.topLeft(), QPointF(18.5, 10 + 10.6 + 6.4));
        QCOMPARE(erste[3].mm.topLeft(), QPointF(18.5, 10 + 10.6 + 11.4));
        QCOMPARE(erste[4].mm, QRectF(50, 32, 10, erste[4].mm.height()));
        QCOMPARE(erste[5].mm.top() - erste[3].mm.top(), 4.2);
        QCOMPARE(seiten[0].linien[0], QLineF(10, 32 + 3.5, 200, 32 + 3.5));
        QCOMPARE(seiten[1].texte[2].mm.top(), 10 + 11.4);

        // Every layout starts again at the first row.
        QCOMPARE(Texte(probe.bericht.Layout()[3]), Texte(seiten[3]));
    }

    void anEmptyReportHasTitleAndHeaderOnOnePage() {
        Probe probe(0);
        const auto seiten = probe.bericht.Layout();
        QCOMPARE(seiten.size(), size_t(1));
        QCOMPARE(Texte(seiten[0]), QStringList({"Probe & <Test>", "Name", "Wert"}));
    }

    void arialHasItsOwnWidthsOnEveryMachine() {
        // Arial's advances: P 667, l 222, a 556, t 278, z 500 thousandths of the size.
        QVERIFY(qAbs(TextBreiteMm("Platz", {}) - 2.223 * 10 * 25.4 / 72) < 0.02);
        const QString familie = QFontInfo(BerichtFont({})).family();
        QVERIFY2(familie == "Arial" || familie == "Liberation Sans", qPrintable(familie));
    }

    void exportsEscapeQuoteAndAlign() {
        Probe probe(3);
        const auto tabelle = BerichtTabelle(probe.bericht);
        QCOMPARE(
            QString::fromStdString(AlsCsv(tabelle)),
            QString("Name,Wert\r\nZeile 1,10\r\n\"Bert \"\"B\"\", Berg\",20\r\nZeile 3,30\r\n"));
        QCOMPARE(QString::fromStdString(AlsText(tabelle)),
                 QString("Probe & <Test>\r\n\r\nName            Wert\r\nZeile 1           10\r\n"
                         "Bert \"B\", Berg    20\r\nZeile 3           30\r\n"));
        const std::string html = AlsHtml(tabelle);
        QVERIFY(html.find("<meta charset=\"windows-1252\">") != std::string::npos);
        QVERIFY(html.find("<h1>Probe &amp; &lt;Test&gt;</h1>") != std::string::npos);
        QVERIFY(html.find("<tr><td>Bert &quot;B&quot;, Berg</td>"
                          "<td style=\"text-align:right\">20</td></tr>\r\n") != std::string::npos);
    }

    void thePdfHoldsWhatTheLayoutHolds() {
        TempDir ordner;
        Probe probe(70);
        SchreibePdf(probe.bericht.Layout(), ordner / "probe.pdf");
        const QString text = PdfText(ordner / "probe.pdf");
        QCOMPARE(text.count('\f'), 2);
        QVERIFY(text.contains("Probe & <Test>"));
        QCOMPARE(text.count("Name"), 2);
        QVERIFY(text.contains(QRegularExpression("Zeile 1 +10\\n")));
        QVERIFY(text.section('\f', 1).contains(QRegularExpression("Zeile 70 +700\\n")));

        // A page range chosen in the print dialog prints those pages only.
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(PathToQString(ordner / "seite2.pdf"));
        drucker.setPrintRange(QPrinter::PageRange);
        drucker.setFromTo(2, 2);
        ZeichneSeiten(probe.bericht.Layout(), drucker);
        QCOMPARE(PdfText(ordner / "seite2.pdf").simplified(), text.section('\f', 1).simplified());
    }

    void previewSavesPrintsAndPages() {
        Testumgebung t;
        Probe probe(200);
        TempDir ordner;
        t.vorschauen.druckDatei = ordner / "druck.pdf";
        t.dialogs.AnswerNext(ordner / "vorschau.pdf");
        QString seite;
        t.vorschauen.schritt = [&](TBerichtVorschau& v) {
            v.findChild<QAction*>("aLetzte")->trigger();
            seite = v.findChild<QLabel*>("lbSeite")->text();
            v.findChild<QAction*>("aDrucken")->trigger();
            v.findChild<QAction*>("aPdf")->trigger();
        };
        Vorschau(probe.bericht, "Probe");
        QCOMPARE(t.vorschauen.gezeigt, 1);
        QCOMPARE(t.vorschauen.seiten.size(), size_t(4));
        QCOMPARE(seite, QString("Seite 4 von 4"));
        QCOMPARE(t.dialogs.saveRequests[0].filter, std::string("PDF|*.pdf"));
        // Printing and saving from the open preview run the report again from its first row.
        QCOMPARE(PdfText(ordner / "druck.pdf"), PdfText(ordner / "vorschau.pdf"));
        QVERIFY(PdfText(ordner / "druck.pdf").contains("Zeile 200"));
    }
};

QTEST_MAIN(BerichtTest)
#include "BerichtTest.moc"
