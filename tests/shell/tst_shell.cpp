#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
constexpr int second = 44100;
}

class tst_shell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Tune::renderToBuffer(true);
        testsupport::initialise();
    }
    void cleanup() { testsupport::unloadAll(); }

    // The tune starts with the splash, a click pauses it, a key closes the splash and the price list.
    void splash_playsAtStart_clickPausesAndOpensComposer_keyCloses() {
        forms::load(QStringLiteral("prodotti"));
        auto* splash = qobject_cast<frmSplash*>(forms::show(QString::fromLatin1(frmSplash::Name)));
        QCOMPARE(splash->lblnome->text(), QStringLiteral("Zelvo"));
        QCOMPARE(splash->lblsottotitolo->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(splash->Label1->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 2.04.05"));
        QVERIFY(splash->tune().pull(second) > second / 2);
        QTest::mouseClick(splash->Label1, Qt::LeftButton);
        QVERIFY(forms::find(QStringLiteral("menu"))->isVisible());
        QVERIFY(!splash->isVisible());
        splash->tune().pull(second);
        QCOMPARE(splash->tune().pull(second), 0);
        QTest::keyClick(splash, Qt::Key_A);
        QCOMPARE(forms::loadedNames(), QStringList{QStringLiteral("menu")});
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

    // USCITA on each main window: the composer and the daily-requirements page go first, then the rest in
    // load order; the paused tune carries on over the closing screen.
    void uscita_fromEachMainWindow_unloadsInOrderAndPlaysOn_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"menu", "tabella", "composizione"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void uscita_fromEachMainWindow_unloadsInOrderAndPlaysOn() {
        QFETCH(QString, window);
        testsupport::MessageBoxes boxes;
        boxes.answerNext(msgbox::Yes);
        QPointer<frmSplash> splash =
            qobject_cast<frmSplash*>(forms::show(QString::fromLatin1(frmSplash::Name)));
        splash->tune().pull(second);
        splash->mostramenu();
        const int paused = splash->tune().position();
        QStringList gone;
        QObject listening;
        for (const char* name : {"massa", "tabella", "fabbisogno", "prodotti", "composizione"})
            forms::load(QString::fromLatin1(name));
        for (const QString& name : forms::loadedNames())
            connect(forms::find(name), &QObject::destroyed, &listening, [&gone, name] { gone << name; });
        QTest::mouseClick(forms::show(window)->findChild<QPushButton*>(QStringLiteral("esco")),
                          Qt::LeftButton);
        testsupport::settle();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(gone, (QStringList{"menu", "fabbisogno", "massa", "tabella", "prodotti", "composizione"}));
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(splash->Label2->text(), QStringLiteral("          elaborazione eseguita con"));
        QVERIFY(splash->tune().pull(2 * second) > second / 2);
        QVERIFY(splash->tune().position() > paused + 480);
    }

    // A main window opens on three quarters of the screen, centred; its controls keep their design places in
    // proportion through every resize, a shrink to nothing (as a minimised window has) and back included.
    void clsResize_threeQuartersCentred_controlsInProportion() {
        QWidget* form = forms::show(QStringLiteral("menu"));
        QCOMPARE(form->screen()->geometry(), QRect(0, 0, 1280, 800));
        QCOMPARE(QRect(form->pos(), form->size()), QRect(160, 100, 960, 600));
        auto* esco = form->findChild<QPushButton*>(QStringLiteral("esco"));
        const QRect design(552, 436, 73, 25); // 8280, 6540, 1095 x 375 twips in 9480 x 6915
        form->resize(632, 461);
        QCOMPARE(esco->geometry(), design);
        form->resize(632 * 2, 461 * 3);
        QCOMPARE(esco->geometry(),
                 QRect(design.x() * 2, design.y() * 3, design.width() * 2, design.height() * 3));
        form->resize(1, 1);
        QVERIFY(esco->width() <= 1 && esco->height() <= 1);
        form->resize(632, 461);
        QCOMPARE(esco->geometry(), design);
    }

    void guidainword_buildsTheGuideDocument() {
        ModZelvo::titologuida = QStringLiteral(" Alimenti");
        ModZelvo::testoguida = QStringLiteral("Il testo della guida.");
        ModZelvo::guidainword();
        const word::Document* doc = ModZelvo::documentoword;
        QVERIFY(doc);
        QCOMPARE(doc->paragraphTexts(), QStringList({"Zelvo", "menu per una dieta equilibrata", "", "",
                                                     "Guida:  Alimenti", "", "Il testo della guida."}));
        const auto& blocks = doc->blocks();
        const double sizes[] = {20, 16, 16, 16, 16, 16, 12};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(blocks[size_t(i)].paragraph.runs.front().fontSize, sizes[i]);
            QCOMPARE(blocks[size_t(i)].paragraph.runs.front().fontName, QStringLiteral("Century Gothic"));
            QCOMPARE(blocks[size_t(i)].paragraph.alignment, 3);
        }
    }
};

QTEST_MAIN(tst_shell)
#include "tst_shell.moc"
