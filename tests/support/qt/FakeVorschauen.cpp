#include "FakeVorschauen.h"

#include "platform/qt/QtText.h"

#include <QPrinter>

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
