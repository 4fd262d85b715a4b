#include "dialogs/Bildschirm.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSet>
#include <QWidget>

namespace {

const QScreen* Bildschirm(const QWidget* fenster) {
    const QScreen* bildschirm = fenster->screen();
    return bildschirm ? bildschirm : QGuiApplication::primaryScreen();
}

} // namespace

QSize FreieBildschirmflaeche(const QWidget* fenster) {
    const QScreen* bildschirm = Bildschirm(fenster);
    return bildschirm ? bildschirm->availableGeometry().size() : QSize(1024, 768);
}

void LayoutsNachziehen(QWidget* fenster) {
    // Innermost first, so that each layout reads the sizes the ones inside it have just taken;
    // a container without a layout of its own (a tab widget) passes them on.
    const QList<QWidget*> kinder = fenster->findChildren<QWidget*>();
    QSet<const QWidget*> weiter;
    for (auto it = kinder.rbegin(); it != kinder.rend(); ++it) {
        QWidget* w = *it;
        // A hidden page is laid out when it is shown; its minimum size is read as it is.
        if (!w->isVisibleTo(fenster))
            continue;
        if (QLayout* layout = w->layout()) {
            layout->activate();
            weiter.insert(w);
        }
        if (weiter.contains(w)) {
            w->updateGeometry();
            weiter.insert(w->parentWidget());
        }
    }
    if (QLayout* layout = fenster->layout())
        layout->activate();
}

void AufBildschirmZentrieren(QWidget* fenster) {
    // Captions set while showing would grow the window only after it has been placed, to the
    // right of and below the centre.
    LayoutsNachziehen(fenster);
    const QScreen* bildschirm = Bildschirm(fenster);
    if (!bildschirm)
        return;
    QRect rahmen = fenster->frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    fenster->move(rahmen.topLeft());
}
