#include "archive/qt/DArchiv.h"

#include "archive/ArchivSchritte.h"
#include "mainwindow/DateiDialog.h"
#include "platform/Guarded.h"
#include "platform/LineFile.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

TDlgArchiv* DlgArchiv = nullptr;
std::vector<std::string> ArchivZeilen;

namespace {

constexpr int Abschnitt = 6;

QString Text(int id) {
    return Qs(GetTranslation(Abschnitt, id));
}

} // namespace

TDlgArchiv::TDlgArchiv(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DlgArchiv");
    auto* menues = new QMenuBar(this);
    Datei1 = menues->addMenu(QString());
    Datei1->setObjectName("Datei1");
    Speichern1 = Datei1->addAction(QString());
    Speichern1->setObjectName("Speichern1");
    lbTabelle = NeuesElement<QListWidget>(this, "lbTabelle");
    auto* panel = NeuesElement<QFrame>(this, "Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedWidth(160);
    lbInfo = NeuesElement<QLabel>(panel, "lbInfo");
    auto* info = new QVBoxLayout(panel);
    info->addWidget(lbInfo);
    info->addStretch();
    SaveDialog1 = new TDateiDialog(this, "SaveDialog1", TDateiDialog::Speichern, "", QString());

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(menues);
    layout->addWidget(lbTabelle, 1);
    layout->addWidget(panel);
    resize(520, 400);

    connect(Speichern1, &QAction::triggered, this,
            [this] { Guarded([this] { Speichern1Click(); }); });
}

void TDlgArchiv::FormCreate() {
    TexteRegistrieren();
    ArchivZeilen.clear();
}

void TDlgArchiv::TexteRegistrieren() {
    RegisterTexts(Abschnitt, {"Datei", "Speichern", "Archiv"});
}

void TDlgArchiv::FormShow() {
    Datei1->setTitle(Text(1));
    Speichern1->setText(Text(2));
    setWindowTitle(Text(3));
    ArchivZeilen.clear();
    lbTabelle->clear();
    ArchivZeilen = Ranglistenzeilen();
    for (const std::string& zeile : ArchivZeilen)
        lbTabelle->addItem(Qs(zeile));
}

void TDlgArchiv::Speichern1Click() {
    if (SaveDialog1->Execute())
        WriteAllLines(SaveDialog1->FileName, ArchivZeilen);
}
