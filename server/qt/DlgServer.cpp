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
    {
        std::lock_guard lock(logMutex_);
        logPuffer_.push_back(std::move(zeile));
        if (!hauptthread && !logAngefordert_) {
            logAngefordert_ = true;
            QMetaObject::invokeMethod(
                this, [this] { LogAusgeben(); }, Qt::QueuedConnection);
        }
    }
    // The main thread's own lines come after what the connections logged before them.
    if (hauptthread)
        LogAusgeben();
}

void TDServer::LogAusgeben() {
    std::vector<std::string> zeilen;
    {
        std::lock_guard lock(logMutex_);
        zeilen.swap(logPuffer_);
        logAngefordert_ = false;
    }
    if (zeilen.empty())
        return;
    // One append for many lines: a busy server must not keep the main thread drawing.
    std::string text;
    for (const auto& z : zeilen) {
        if (!text.empty())
            text += '\n';
        text += z;
    }
    dbMemo->appendPlainText(Qs(text));
}
