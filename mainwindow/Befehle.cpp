// Which control or menu entry runs which command. Every command runs inside Guarded, so a
// failure shows the error box and the program goes on.
#include "mainwindow/FMain.h"

#include "platform/Guarded.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

template <class Quelle, class Signal>
void Befehl(TMain* fenster, Quelle* quelle, Signal signal, void (TMain::*befehl)()) {
    QObject::connect(quelle, signal, fenster,
                     [fenster, befehl] { Guarded([fenster, befehl] { (fenster->*befehl)(); }); });
}

void Menue(TMain* fenster, QAction* eintrag, void (TMain::*befehl)()) {
    Befehl(fenster, eintrag, &QAction::triggered, befehl);
}

void Knopf(TMain* fenster, QAbstractButton* knopf, void (TMain::*befehl)()) {
    Befehl(fenster, knopf, &QAbstractButton::clicked, befehl);
}

} // namespace

void TMain::VerbindeBefehle() {
    Knopf(this, ToolButton1, &TMain::ToolButton1Click);
    Menue(this, Neu1, &TMain::ToolButton1Click);
    Menue(this, Beenden1, &TMain::Beenden1Click);
    Menue(this, Info1, &TMain::Info1Click);
    Menue(this, Hilfe2, &TMain::Hilfe2Click);

    connect(cbSpieltag, &QComboBox::activated, this,
            [this] { Guarded([this] { cbSpieltagChange(); }); });
}
