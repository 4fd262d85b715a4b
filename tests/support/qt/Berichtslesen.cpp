#include "Berichtslesen.h"

#include "platform/qt/QtText.h"

#include <QProcess>
#include <algorithm>

QStringList Texte(const TBerichtSeite& seite) {
    QStringList texte;
    for (const auto& t : seite.texte)
        texte << t.text;
    return texte;
}

QStringList Detailzeilen(const std::vector<TBerichtSeite>& seiten) {
    QStringList zeilen;
    for (const auto& seite : seiten)
        for (const auto& band : seite.baender) {
            if (band.band != BandArt::Detail)
                continue;
            std::vector<const TBerichtText*> texte;
            for (const auto& t : seite.texte)
                if (t.band == BandArt::Detail && t.zeile == band.zeile)
                    texte.push_back(&t);
            std::stable_sort(texte.begin(), texte.end(),
                             [](auto* a, auto* b) { return a->mm.left() < b->mm.left(); });
            QStringList teile;
            for (const auto* t : texte)
                teile << t->text;
            zeilen << teile.join('|');
        }
    return zeilen;
}

QString PdfText(const std::filesystem::path& datei) {
    QProcess p;
    p.start("pdftotext", {"-layout", PathToQString(datei), "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(PathToQString(datei)));
    return QString::fromUtf8(p.readAllStandardOutput());
}
