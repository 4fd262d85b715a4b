#include "FakeVorschauen.h"

#include "platform/qt/QtText.h"

#include <QPrinter>
#include <QProcess>

void FakeVorschauen::Zeige(TBerichtVorschau& vorschau) {
    ++gezeigt;
    titel = vorschau.windowTitle();
    seiten = vorschau.Seiten();
    if (schritt)
        schritt(vorschau);
}

bool FakeVorschauen::WaehleDrucker(QPrinter& drucker, QWidget*) {
    if (druckDatei.empty())
        return false;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(PathToQString(druckDatei));
    return true;
}

QStringList Texte(const TBerichtSeite& seite) {
    QStringList texte;
    for (const auto& t : seite.texte)
        texte << t.text;
    return texte;
}

QString PdfText(const std::filesystem::path& datei) {
    QProcess p;
    p.start("pdftotext", {"-layout", PathToQString(datei), "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(PathToQString(datei)));
    return QString::fromUtf8(p.readAllStandardOutput());
}
