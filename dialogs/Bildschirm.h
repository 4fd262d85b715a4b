#pragma once
// The screen a dialog stands on: the dialogs that grow with their grids never grow past it, and
// they stand centred on it.
#include <QSize>

class QWidget;

// The size of the screen's area free for windows (the primary screen's while the window has none).
QSize FreieBildschirmflaeche(const QWidget* fenster);
// Brings the window's layouts up to date at once. Left to themselves, a control's new size reaches
// the window's minimum size one event per level of nesting later.
void LayoutsNachziehen(QWidget* fenster);
// Brings the window to the size its controls now need and moves its frame to the centre of that
// area.
void AufBildschirmZentrieren(QWidget* fenster);
