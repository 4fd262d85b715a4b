#pragma once
// The screen a dialog stands on: the dialogs that grow with their grids never grow past it, and
// they stand centred on it.
#include <QSize>

class QWidget;

// The size of the screen's area free for windows (the primary screen's while the window has none).
QSize FreieBildschirmflaeche(const QWidget* fenster);
// Moves the window to the centre of that area.
void AufBildschirmZentrieren(QWidget* fenster);
