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

const char* const Englisch = "1\r\n"
                             "1||1||Paaren||Pair||\r\n"
                             "4||1||Sprache wählen||Language||\r\n"
                             "6||3||Archiv||Archive||\r\n"
                             "14||9||Paaren||Pairing||\r\n"
                             "23||6||Server||Result server||\r\n";

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

void Waehle(TDlgSpracheWaehlen& d, const QString& sprache) {
    QTest::mouseClick(d.rbTranslate, Qt::LeftButton);
    d.cbSprache->setCurrentText(sprache);
}

} // namespace

class SprachDialogTest : public QObject {
    Q_OBJECT
private slots:
    void withoutLanguageFilesOnlyTheBuiltInTextsCanBeChosen() {
        ProgramWindows windows;
        windows.WriteSetting("Language", "Alt\r\n");
        TMain& main = windows.Start();
        QCOMPARE(Sprachbefehl(main, [](auto& d) { d.close(); }), QString("||orig disabled"));
        QCOMPARE(ReadBytes(windows.folder / "Language"), std::string());
        QVERIFY(UseOriginal);
        QCOMPARE((std::vector<size_t>{GetTranslatorList(4)->size(), GetTranslatorList(6)->size(),
                                      GetTranslatorList(11)->size(), GetTranslatorList(19)->size()}),
                 (std::vector<size_t>{6, 3, 3, 8}));
    }

    void aChosenLanguageReachesEachWindowAtItsNextShowingAndIsPreselected() {
        ProgramWindows windows;
        windows.WriteSetting("English.TLF", Englisch);
        windows.WriteSetting("Francais.tlf", "1\r\n");
        TMain& main = windows.Start();
        const std::vector<QDialog*> andere{DlgPaaren, DServer, DlgArchiv, DlgSpracheWaehlen};
        for (QDialog* fenster : andere) {
            fenster->show();
            fenster->hide();
        }

        QCOMPARE(Sprachbefehl(main,
                              [](auto& d) {
                                  Waehle(d, "English");
                                  d.close();
                              }),
                 QString("English,Francais|English|orig"));
        QCOMPARE(main.bPaaren->text(), QString("Pair"));
        QCOMPARE(ReadBytes(windows.folder / "Language"), std::string("English\r\n"));
        QStringList titel;
        for (QDialog* fenster : andere) {
            titel << fenster->windowTitle();
            fenster->show();
            titel << fenster->windowTitle();
            fenster->hide();
        }
        QCOMPARE(titel, (QStringList{"Paaren", "Pairing", "Server", "Result server", "Archiv",
                                     "Archive", "Sprache wählen", "Language"}));

        // The next showing offers the language chosen; closing it again keeps it.
        QCOMPARE(Sprachbefehl(main, [](auto& d) { d.close(); }),
                 QString("English,Francais|English|trans"));
        QCOMPARE(LanguageName, std::string("English"));
    }

    void aOneLetterLanguageIsNotPreselected() {
        ProgramWindows windows;
        windows.WriteSetting("Language", "E\r\n");
        windows.WriteSetting("E.tlf", "1\r\n");
        windows.WriteSetting("A.tlf", "1\r\n");
        TMain& main = windows.Start();
        QCOMPARE(LanguageName, std::string("E"));
        QCOMPARE(Sprachbefehl(main, [](auto& d) { d.close(); }), QString("A,E|A|orig"));
    }

    void translatorModeWritesTheOriginalAndOnlyOkStoresTheNumbers() {
        for (const bool ok : {false, true}) {
            ProgramWindows windows;
            windows.WriteSetting("Translator.txt", "");
            TMain& main = windows.Start();
            const QString gezeigt = Sprachbefehl(main, [ok](TDlgSpracheWaehlen& d) {
                Klick(&d, "Button1");
                QTest::mouseClick(d.cbNummern, Qt::LeftButton);
                ok ? Klick(&d, "btOK") : void(d.close());
            });
            QCOMPARE(gezeigt, QString("||orig disabled|translator"));
            QCOMPARE(ShowNumbers, ok);
            QCOMPARE(main.bPaaren->text(), ok ? QString("Paaren(1/1)") : QString("Paaren"));
            QVERIFY(ReadBytes(windows.folder / "Original.TLF").find("1||1||Paaren||Paaren||") !=
                    std::string::npos);
        }
    }

    void aLanguageThatFailsToLoadKeepsTheChoiceAndTheCaptions() {
        ProgramWindows windows;
        windows.WriteSetting("Kaputt.TLF", "1\r\n1||1||Paaren||Pair||\r\nx||2||a||b||\r\n");
        TMain& main = windows.Start();
        Sprachbefehl(main, [](auto& d) {
            Waehle(d, "Kaputt");
            d.close();
        });
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(main.bPaaren->text(), QString("Paaren"));
        QVERIFY(!std::filesystem::exists(windows.folder / "Language"));
    }
};

QTEST_MAIN(SprachDialogTest)
#include "SprachDialogTest.moc"
