// The language command through its chooser: the languages offered, the choice applied to the
// main window at once and to every other window at its next showing, translator mode.
#include "MainFixture.h"
#include "archive/qt/DArchiv.h"
#include "dialogs/DPaaren.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"
#include "server/qt/DlgServer.h"
#include "translation/Translate.h"
#include "translation/qt/DSpracheWaehlen.h"

#include <QRadioButton>

namespace {

// What the chooser shows: the languages, the current one, which radio button is checked and
// enabled, and whether the translator controls are there.
QString Anzeige(const TDlgSpracheWaehlen& d) {
    return Texte(d.cbSprache).join(',') + "|" + d.cbSprache->currentText() + "|" +
           (d.rbOriginal->isChecked() ? "orig" : "trans") +
           (d.rbTranslate->isEnabled() ? "" : " disabled") +
           (d.Button1->isVisibleTo(&d) && d.cbNummern->isVisibleTo(&d) ? "|translator" : "");
}

// Runs the language command; the step plays the chooser and closes it.
QString Sprachbefehl(TMain& main, const std::function<void(TDlgSpracheWaehlen&)>& schritt) {
    QString gezeigt;
    ModalerDialog dialog([&](QDialog&) {
        gezeigt = Anzeige(*DlgSpracheWaehlen);
        schritt(*DlgSpracheWaehlen);
    });
    main.Sprachendern1->trigger();
    return gezeigt;
}

void WaehleUndSchliesse(TDlgSpracheWaehlen& d, const QString& sprache) {
    QTest::mouseClick(d.rbTranslate, Qt::LeftButton);
    d.cbSprache->setCurrentText(sprache);
    d.close();
}

} // namespace

class SprachDialogTest : public QObject {
    Q_OBJECT
private slots:
    void aChosenLanguageReachesTheMainWindowAtOnceAndOthersAtTheirNextShowing() {
        ProgramWindows windows;
        windows.WriteSetting("Language", "E\r\n");
        windows.WriteSetting("E.tlf", "1\r\n");
        windows.WriteSetting("English.TLF", "1\r\n"
                                            "1||1||Paaren||Pair||\r\n"
                                            "4||1||Sprache w\xe4hlen||Language||\r\n"
                                            "6||3||Archiv||Archive||\r\n"
                                            "14||9||Paaren||Pairing||\r\n"
                                            "23||6||Server||Result server||\r\n");
        windows.WriteSetting("Kaputt.TLF", "1\r\n1||1||Paaren||Kaputt||\r\nx||2||a||b||\r\n");
        TMain& main = windows.Start();
        const std::vector<QDialog*> andere{DlgPaaren, DServer, DlgArchiv, DlgSpracheWaehlen};
        for (QDialog* fenster : andere) {
            fenster->show();
            fenster->hide();
        }
        // The language "E" loaded at start has a one-letter name: it is not preselected.
        QCOMPARE(Sprachbefehl(main, [](auto& d) { WaehleUndSchliesse(d, "English"); }),
                 QString("E,English,Kaputt|E|orig"));
        QCOMPARE(main.bPaaren->text(), QString("Pair"));
        QStringList titel;
        for (QDialog* fenster : andere) {
            titel << fenster->windowTitle();
            fenster->show();
            titel << fenster->windowTitle();
            fenster->hide();
        }
        QCOMPARE(titel, (QStringList{"Paaren", "Pairing", "Server", "Result server", "Archiv",
                                     "Archive", "Sprache wählen", "Language"}));

        // The next showing offers the language chosen. One that fails to load is shown as an
        // error, and the captions stay as they were.
        QCOMPARE(Sprachbefehl(main, [](auto& d) { WaehleUndSchliesse(d, "Kaputt"); }),
                 QString("E,English,Kaputt|English|trans"));
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(main.bPaaren->text(), QString("Pair"));

        for (const char* datei : {"E.tlf", "English.TLF", "Kaputt.TLF"})
            std::filesystem::remove(windows.folder / datei);
        QCOMPARE(Sprachbefehl(main, [](auto& d) { d.close(); }), QString("||trans disabled"));
        windows.WriteSetting("E.tlf", "1\r\n");
        QCOMPARE(Sprachbefehl(main, [](auto& d) { d.close(); }), QString("E|E|trans"));
    }

    void translatorModeWritesTheOriginalAndOnlyOkStoresTheNumbers() {
        ProgramWindows windows;
        windows.WriteSetting("Translator.txt", "");
        windows.WriteSetting("Language", "english\r\n");
        windows.WriteSetting("English.TLF", "1\r\n");
        const std::string dansk = "1\r\n1||1||Paaren||Par||\r\n";
        windows.WriteSetting("Dansk.TLF", dansk);
        TMain& main = windows.Start();
        // The language loaded at start is preselected, though "Language" differs in case.
        QCOMPARE(Sprachbefehl(main,
                              [](TDlgSpracheWaehlen& d) {
                                  d.rbOriginal->click();
                                  Klick(&d, "Button1");
                                  QTest::mouseClick(d.cbNummern, Qt::LeftButton);
                                  d.close();
                              }),
                 QString("Dansk,English|English|trans|translator"));
        QVERIFY(std::filesystem::exists(windows.folder / "Original.TLF"));
        QVERIFY(!ShowNumbers);
        Sprachbefehl(main, [](TDlgSpracheWaehlen& d) {
            QTest::mouseClick(d.cbNummern, Qt::LeftButton);
            Klick(&d, "btOK");
        });
        QCOMPARE(main.bPaaren->text(), QString("Paaren(1/1)"));
        // Another language's file is written over only when the organiser agrees.
        windows.messages.AnswerNext(false);
        Sprachbefehl(main, [](TDlgSpracheWaehlen& d) {
            QTest::mouseClick(d.rbTranslate, Qt::LeftButton);
            d.cbSprache->setCurrentText("Dansk");
            Klick(&d, "Button1");
            d.close();
        });
        QCOMPARE(ReadBytes(windows.folder / "Dansk.TLF"), dansk);
        QVERIFY(windows.messages.shown.back().text.find("\"Dansk.TLF\"") != std::string::npos);
    }
};

QTEST_MAIN(SprachDialogTest)
#include "SprachDialogTest.moc"
