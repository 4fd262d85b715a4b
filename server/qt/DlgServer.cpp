#include "server/qt/DlgServer.h"

#include "platform/Convert.h"
#include "platform/Guarded.h"
#include "platform/TcpServer.h"
#include "platform/qt/QtText.h"
#include "server/ClientListe.h"
#include "server/ErgebnisServer.h"
#include "translation/Translate.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <algorithm>

TDServer* DServer = nullptr;

namespace {

QString Text(int id) {
    return Qs(GetTranslation(23, id));
}

} // namespace

TDServer::TDServer(QWidget* parent) : TFormDialog(parent) {
    setObjectName("DServer");
    setFixedSize(667, 255);
    lbServername = NeuesElement<QLabel>(this, "lbServername");
    lbServername->setGeometry(8, 8, 350, 17);
    lbPort = NeuesElement<QLabel>(this, "lbPort");
    lbPort->setGeometry(8, 44, 40, 17);
    EPort = NeuesElement<QLineEdit>(this, "EPort");
    EPort->setGeometry(56, 40, 121, 23);
    EPort->setText("50000");
    btnServer = NeuesElement<QPushButton>(this, "btnServer");
    btnServer->setGeometry(8, 80, 169, 27);
    OKBtn = NeuesElement<QPushButton>(this, "OKBtn");
    OKBtn->setGeometry(8, 220, 89, 27);
    OKBtn->setDefault(true);
    btnServer->setAutoDefault(false);
    dbMemo = NeuesElement<QPlainTextEdit>(this, "dbMemo");
    dbMemo->setGeometry(366, 0, 301, 255);
    dbMemo->setReadOnly(true);
    dbMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Bounded, and without the undo history that would keep every line ever appended.
    dbMemo->setUndoRedoEnabled(false);
    dbMemo->setMaximumBlockCount(static_cast<int>(Logpuffer::MaxZeilen) + 1);
    logTakt_ = new QTimer(this);
    logTakt_->setSingleShot(true);
    connect(logTakt_, &QTimer::timeout, this, &TDServer::LogAusgeben);
    seitAusgabe_.start();

    connect(btnServer, &QPushButton::clicked, this,
            [this] { Guarded([this] { btnServerClick(); }); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    MyServer = std::make_unique<TErgebnisServer>(
        serialisierer_, [this](std::string zeile) { Protokolliere(std::move(zeile)); });
    TexteRegistrieren();
    btnServer->setText(Text(3));
}

TDServer::~TDServer() {
    MyServer.reset(); // every connection logs off first
}

void TDServer::TexteRegistrieren() {
    static const char* const texte[] = {
        "Server Stoppen", "Server gestartet", "Server Starten", "Server gestoppt",
        "Servername: ",   "Server",           "Port:",          "OK"};
    int id = 0;
    for (const char* text : texte)
        RegisterText(23, ++id, text);
}

void TDServer::TexteUebersetzen() {
    setWindowTitle(Text(6));
    OKBtn->setText(Text(8));
    lbPort->setText(Text(7));
}

void TDServer::FormShow() {
    TexteUebersetzen();
    lbServername->setText(Text(5) + QString::fromStdString(HostName()));
}

void TDServer::btnServerClick() {
    if (!MyServer->Aktiv()) {
        MyServer->Starten(StrToInt(Cp(EPort->text())));
        btnServer->setText(Text(1));
        Protokolliere(GetTranslation(23, 2));
    } else {
        MyServer->Stoppen();
        btnServer->setText(Text(3));
        Protokolliere(GetTranslation(23, 4));
    }
}

void TDServer::ClientsNeedMatrix() {
    ::ClientsNeedMatrix();
}

void TDServer::ClientsNeedOptions() {
    ::ClientsNeedOptions();
}

int TDServer::Port() const {
    return MyServer->Aktiv() ? MyServer->Port() : 0;
}

void TDServer::Protokolliere(std::string zeile) {
    const bool hauptthread = QThread::currentThread() == thread();
    if (logPuffer_.Hinzufuegen(std::move(zeile)) && !hauptthread)
        QMetaObject::invokeMethod(
            this, [this] { LogAusgabePlanen(); }, Qt::QueuedConnection);
    // The main thread's own lines come after what the connections logged before them.
    if (hauptthread)
        LogAusgeben();
}

void TDServer::LogAusgabePlanen() {
    // A busy server must not keep the main thread drawing: few appends of many lines each.
    if (!logTakt_->isActive())
        logTakt_->start(static_cast<int>(
            std::max<qint64>(0, Logpuffer::AusgabeAbstandMs - seitAusgabe_.elapsed())));
}

void TDServer::LogAusgeben() {
    seitAusgabe_.restart();
    const std::string text = logPuffer_.Nimm();
    if (!text.empty())
        dbMemo->appendPlainText(Qs(text));
}
