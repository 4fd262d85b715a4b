#pragma once
// The result server's window: starts and stops the server on the port typed in, and shows the
// log of everything the clients did. Created once at start-up right after the main window; the
// server keeps running while the window is closed, and stops when the window is destroyed.
#include "dialogs/FormDialog.h"
#include "server/Logpuffer.h"
#include "server/qt/QtSerialisierer.h"

#include <QElapsedTimer>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TErgebnisServer;

class TDServer : public TFormDialog {
    Q_OBJECT
public:
    explicit TDServer(QWidget* parent = nullptr);
    ~TDServer() override;

    void FormShow() override;
    // Starts the server on EPort's port, or stops it. A port text that is not a number, or a
    // port that cannot be bound, raises the error; the server then stays stopped.
    void btnServerClick();

    // Mark every connected client (see server/ClientListe.h, which dialogs may call directly).
    void ClientsNeedMatrix();
    void ClientsNeedOptions();

    // The port listened on, 0 while stopped.
    int Port() const;

    QLabel* lbServername;
    QPushButton* btnServer;
    QLabel* lbPort;
    QLineEdit* EPort;
    QPushButton* OKBtn;
    QPlainTextEdit* dbMemo;

private:
    void TexteRegistrieren();
    void TexteUebersetzen();
    // Appends a line to the log; from any thread, without waiting for the main thread. The log
    // keeps the most recent lines only, each cut to a bounded length (server/Logpuffer.h).
    void Protokolliere(std::string zeile);
    // Shows the lines logged so far; on the main thread.
    void LogAusgeben();
    // Shows them once the pause between two showings has passed; on the main thread.
    void LogAusgabePlanen();

    Logpuffer logPuffer_;
    QTimer* logTakt_;
    QElapsedTimer seitAusgabe_;
    QtSerialisierer serialisierer_;
    std::unique_ptr<TErgebnisServer> MyServer; // destroyed first: no thread outlives the window
};

extern TDServer* DServer;
