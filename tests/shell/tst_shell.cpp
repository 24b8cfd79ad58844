#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QTest>

class tst_shell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void inizializza_identityAndTitles() {
        ModZelvo::inizializza();
        QCOMPARE(ModZelvo::nomeprogramma, QStringLiteral("Zelvo"));
        QCOMPARE(ModZelvo::sottotitolo, QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(ModZelvo::versione, QStringLiteral("2.04.05"));
        QCOMPARE(ModZelvo::dataversione, QStringLiteral("08/01/2002"));
        QCOMPARE(ModZelvo::titoloaiuto, QStringLiteral("Zelvo: aiuto in linea"));
        QCOMPARE(ModZelvo::titolocontrollo, QStringLiteral("Zelvo: controllo dati immessi nella finestra attiva"));
    }

    void splash_showsNameSubtitleAndVersion() {
        auto* splash = qobject_cast<frmSplash*>(forms::show(QString::fromLatin1(frmSplash::Name)));
        QVERIFY(splash);
        QCOMPARE(splash->lblnome->text(), QStringLiteral("Zelvo"));
        QCOMPARE(splash->lblsottotitolo->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(splash->Label1->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 2.04.05"));
    }

    void splash_clickOpensComposer_keyCloses() {
        auto* splash = qobject_cast<frmSplash*>(forms::show(QString::fromLatin1(frmSplash::Name)));
        QTest::mouseClick(splash->Label1, Qt::LeftButton);
        QVERIFY(forms::isLoaded(QStringLiteral("menu")));
        QVERIFY(forms::find(QStringLiteral("menu"))->isVisible());
        QVERIFY(!splash->tune().isPlaying());
        QTest::keyClick(splash, Qt::Key_A);
        QVERIFY(!forms::isLoaded(QString::fromLatin1(frmSplash::Name)));
    }

    void uscita_no_changesNothing() {
        testsupport::MessageBoxes boxes;
        boxes.answerNext(msgbox::No);
        forms::show(QStringLiteral("massa"));
        forms::show(QStringLiteral("menu"));
        ModZelvo::uscita();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("Vuoi uscire da Zelvo?"));
        QCOMPARE(boxes.shown()[0].style, 292);
        QCOMPARE(boxes.shown()[0].title, QStringLiteral("Zelvo: menu per una dieta equilibrata"));
        QVERIFY(forms::find(QStringLiteral("massa"))->isVisible());
        QVERIFY(forms::find(QStringLiteral("menu"))->isVisible());
    }

    void uscita_yes_unloadsEverythingAndShowsClosingScreen() {
        testsupport::MessageBoxes boxes;
        boxes.answerNext(msgbox::Yes);
        forms::show(QStringLiteral("massa"));
        forms::show(QStringLiteral("menu"));
        forms::load(QStringLiteral("tabella"));
        ModZelvo::uscita();
        QCOMPARE(forms::loadedNames(), QStringList{QString::fromLatin1(frmSplash::Name)});
        auto* splash = qobject_cast<frmSplash*>(forms::find(QString::fromLatin1(frmSplash::Name)));
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->Label2->text(), QStringLiteral("          elaborazione eseguita con"));
    }

    void guidainword_buildsTheGuideDocument() {
        ModZelvo::titologuida = QStringLiteral(" Alimenti");
        ModZelvo::testoguida = QStringLiteral("Il testo della guida.");
        ModZelvo::guidainword();
        const word::Document* doc = ModZelvo::documentoword;
        QVERIFY(doc);
        QCOMPARE(doc->paragraphTexts(),
                 QStringList({"Zelvo", "menu per una dieta equilibrata", "", "", "Guida:  Alimenti", "",
                              "Il testo della guida."}));
        const auto& blocks = doc->blocks();
        const double sizes[] = {20, 16, 16, 16, 16, 16, 12};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(blocks[size_t(i)].paragraph.runs.front().fontSize, sizes[i]);
            QCOMPARE(blocks[size_t(i)].paragraph.runs.front().fontName, QStringLiteral("Century Gothic"));
            QCOMPARE(blocks[size_t(i)].paragraph.alignment, 3);
        }
    }

    void printouts_eachGetANewApplication() {
        ModZelvo::guidainword();
        const auto first = ModZelvo::applicazioneword;
        ModZelvo::guidainword();
        QVERIFY(ModZelvo::applicazioneword != first);
        QCOMPARE(ModZelvo::applicazioneword->documentCount(), 1);
        QVERIFY(ModZelvo::applicazioneword->isVisible());
    }
};

QTEST_MAIN(tst_shell)
#include "tst_shell.moc"
