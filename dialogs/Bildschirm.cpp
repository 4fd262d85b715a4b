#include "dialogs/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>
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

void AufBildschirmZentrieren(QWidget* fenster) {
    if (const QScreen* bildschirm = Bildschirm(fenster))
        fenster->move(bildschirm->availableGeometry().center() - fenster->rect().center());
}
