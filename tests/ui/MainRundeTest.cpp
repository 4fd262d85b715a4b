// Start-up with a damaged "Config.dat": the error is shown and the windows after the options
// dialog are still created.
#include "core/Data.h"
#include "mainwindow/FMain.h"
#include "qt/Bedienen.h"
#include "qt/ProgramWindows.h"

#include <QApplication>
#include <QTimer>

#include <functional>

namespace {

// Runs the step on the modal dialog the next command shows, once it shows.
void ImDialog(const char* name, std::function<void(QWidget*)> schritt) {
    QTimer::singleShot(0, [name, schritt = std::move(schritt)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != name)
            qFatal("expected the modal dialog %s", name);
        schritt(dialog);
    });
}

} // namespace

class MainRundeTest : public QObject {
    Q_OBJECT
private slots:
    void aDamagedConfigAtStartupIsShownAndStartupGoesOn() {
        const std::string felder = "FALSE\r\n1\r\nTRUE\r\n0\r\nTRUE\r\n0\r\nTRUE\r\n3\r\n0\r\n"
                                   "TRUE\r\n0\r\nTRUE\r\nTRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"
                                   "FALSE\r\nFALSE\r\nFALSE\r\nTRUE\r\n";
        ProgramWindows windows;
        windows.WriteSetting("Config.dat", "2\r\n" + felder + "eins\r\nNeutral\r\n");
        TMain& main = windows.Start();
        QVERIFY(main.isVisible());
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        // The option state stays as the main window's creation left it.
        QVERIFY(GleicheArmeenBeachten && !SzenarioWerten && DruckMitSpielernummer);
        QCOMPARE(MalGegenSelbeArmee, 2);
        // The windows after the options dialog were still created.
        ImDialog("DlgPaaren", [](QWidget* d) { Klick(d, "CancelBtn"); });
        QTest::mouseClick(main.bPaaren, Qt::LeftButton);
    }
};

QTEST_MAIN(MainRundeTest)
#include "MainRundeTest.moc"
