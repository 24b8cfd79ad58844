#include "calculators/massa.h"
#include "platform/forms.h"
#include "platform/twips.h"
#include "support/testsupport.h"
#include "tabulazione.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using testsupport::type;

class tst_massa : public QObject {
    Q_OBJECT

    static massa* open() { return qobject_cast<massa*>(forms::show(QStringLiteral("massa"))); }

private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void index_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("index");
        QTest::newRow("70 175") << "70"
                                << "175"
                                << "22,86";
        QTest::newRow("80 180") << "80"
                                << "180"
                                << "24,69";
        QTest::newRow("50,5 160") << "50,5"
                                  << "160"
                                  << "19,73";
        QTest::newRow("100 200 shows no decimals") << "100"
                                                   << "200"
                                                   << "25";
        QTest::newRow("exact half falls a hair below") << "40"
                                                       << "160"
                                                       << "15,62";
        QTest::newRow("point typed as decimal") << "70.5"
                                                << "175"
                                                << "23,02";
    }
    void index() {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, index);
        massa* w = open();
        // Either order of typing: nothing shows until both are there.
        type(w->altezza, height);
        QCOMPARE(w->indicemassa->text(), QString());
        type(w->peso, weight);
        QCOMPARE(w->indicemassa->text(), index);
    }

    void index_followsEveryKeystroke() {
        massa* w = open();
        type(w->peso, QStringLiteral("70"));
        QStringList seen;
        connect(w->indicemassa, &QLineEdit::textChanged, this, [&seen](const QString& t) { seen << t; });
        type(w->altezza, QStringLiteral("175"));
        QCOMPARE(seen, QStringList({"700000", "2422,15", "22,86"}));
    }

    void clearing_keepsResult_newWeightRecomputes() {
        massa* w = open();
        type(w->peso, QStringLiteral("70"));
        type(w->altezza, QStringLiteral("175"));
        testsupport::erase(w->peso);
        QCOMPARE(w->indicemassa->text(), QStringLiteral("22,86"));
        type(w->peso, QStringLiteral("80"));
        QCOMPARE(w->indicemassa->text(), QStringLiteral("26,12"));
    }

    // A text that is no number, or a zero height, leaves the last index that could be computed.
    void badInput_leavesLastIndex_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("index");
        QTest::newRow("letter weight") << "7a"
                                       << "175"
                                       << "24,69";
        QTest::newRow("lone sign") << "-"
                                   << "175"
                                   << "24,69";
        QTest::newRow("height zero") << "70"
                                     << "0"
                                     << "24,69";
        QTest::newRow("two commas, last from 1,7") << "70"
                                                   << "1,7,5"
                                                   << "242214,53";
    }
    void badInput_leavesLastIndex() {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, index);
        testsupport::MessageBoxes boxes;
        massa* w = open();
        type(w->peso, QStringLiteral("80"));
        type(w->altezza, QStringLiteral("180"));
        w->peso->clear();
        w->altezza->clear();
        type(w->peso, weight);
        type(w->altezza, height);
        QCOMPARE(w->indicemassa->text(), index);
        QVERIFY(boxes.shown().isEmpty());
    }

    void frame_captionHintTooltipsHelpAndBar() {
        testsupport::MessageBoxes boxes;
        massa* w = open();
        QCOMPARE(
            testsupport::helpBox(boxes, w->aiuto),
            QStringLiteral(
                "- Digitare il peso del corpo espresso in chilogrammi;\r- digitare l'altezza, espressa in "
                "centimetri, della persona;\r- visualizzare il risultato confrontandolo con la tabella "
                "di riferimento;\r- leggere le note esplicative dell'indice di massa corporea."));
        QCOMPARE(w->passo->text(),
                 QStringLiteral("digita i dati del peso e dell'altezza per controllare l'indice "
                                "di massa corporea corrispondente"));
        QCOMPARE(w->passo->toolTip(),
                 QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));
        QCOMPARE(w->esco->toolTip(), QStringLiteral("cliccare per uscire da Zelvo"));
        QCOMPARE(w->cmdtab->toolTip(), QStringLiteral("clicca per visualizzare la finestra Tabella"));
        QCOMPARE(w->cmdmenu->toolTip(), QStringLiteral("cliccare per visualizzare la finestra Menu"));
        QCOMPARE(w->guidainlinea->geometry(), twips::rect(1200, 5760, 1111, 375));
        QCOMPARE(w->esco->geometry(), twips::rect(8280, 5760, 1095, 375));
        QCOMPARE(w->size(), QSize(twips::px(9480), twips::px(6135)));
        const auto* note = w->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(note->isReadOnly());
        QVERIFY(note->toPlainText().size() > 800);
    }

    // The six classes, read-only, as the reference table publishes them.
    void referenceTable_everyClass_data() {
        QTest::addColumn<QStringList>("riga");
        QTest::newRow("1") << QStringList{"1", "sottopeso", "", "fino a 18,50"};
        QTest::newRow("2") << QStringList{"2", "normale", "", "da 18,51 a 24,99"};
        QTest::newRow("3") << QStringList{"3", "sovrappeso", "", "da 25,00 a 29,99"};
        QTest::newRow("4") << QStringList{"4", "obesità moderata", "I", "da 30,00 a 34,99"};
        QTest::newRow("5") << QStringList{"5", "obesità severa", "II", "da 35,00 a 39,99"};
        QTest::newRow("6") << QStringList{"6", "obesità grave", "III", "oltre 40,00"};
    }
    void referenceTable_everyClass() {
        QFETCH(QStringList, riga);
        massa* w = open();
        QStringList shown{w->findChild<QLabel*>(QStringLiteral("numero(%1)").arg(riga[0]))->text()};
        for (int c = 1; c <= 3; ++c) {
            auto* cell = w->findChild<QLineEdit*>(QStringLiteral("riferimento(%1,%2)").arg(riga[0]).arg(c));
            QVERIFY(cell && cell->isReadOnly());
            shown << cell->text();
        }
        QCOMPARE(shown, riga);
    }

    void menuTwice_showsComposerOnce_calculatorKeepsValues() {
        massa* w = open();
        type(w->peso, QStringLiteral("70"));
        type(w->altezza, QStringLiteral("175"));
        w->cmdmenu->click();
        QWidget* composer = forms::find(QStringLiteral("menu"));
        QVERIFY(composer && composer->isVisible());
        w->cmdmenu->click();
        QCOMPARE(forms::find(QStringLiteral("menu")), composer);
        QVERIFY(w->isVisible());
        QCOMPARE(w->indicemassa->text(), QStringLiteral("22,86"));
    }

    void tableAndComposition_openWhileCalculatorStays() {
        massa* w = open();
        w->cmdtab->click();
        w->cmdcomp->click();
        QVERIFY(forms::find(QStringLiteral("tabella"))->isVisible());
        QVERIFY(forms::find(QStringLiteral("composizione"))->isVisible());
        QVERIFY(forms::isLoaded(QStringLiteral("massa")));
    }

    void tab_followsLayout() { percorriTab(open(), {"peso", "altezza"}); }

    void resize_scalesBarAndHint() {
        massa* w = open();
        const QRect hint = w->passo->geometry();
        w->resize(w->width() * 2, w->height() * 2);
        QCOMPARE(w->passo->geometry().topLeft(), hint.topLeft() * 2);
        w->resize(w->width() / 2, w->height() / 2);
        QCOMPARE(w->passo->geometry(), hint);
    }
};

QTEST_MAIN(tst_massa)
#include "tst_massa.moc"
