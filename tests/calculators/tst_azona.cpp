#include "calculators/azona.h"
#include "composer/menu.h"
#include "davanti.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"
#include "tabulazione.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testsupport;

// The zone-diet requirement window: activity clicks on a lean mass handed over as text.
class TestAzona : public QObject {
    Q_OBJECT
private:
    azona* w = nullptr;
    void scegli(int indice) { QTest::mouseClick(w->lavoro[indice], Qt::LeftButton); }
    QStringList risultati() const {
        return {w->gr->text(),   w->grc->text(),    w->grg->text(),   w->calp->text(),  w->calc->text(),
                w->calg->text(), w->totale->text(), w->blocp->text(), w->blocc->text(), w->blocg->text()};
    }

private slots:
    void initTestCase() { initialise(); }
    void init() {
        unloadAll();
        w = qobject_cast<azona*>(forms::show(QStringLiteral("azona")));
        QVERIFY(w);
    }
    void cleanupTestCase() { unloadAll(); }

    void workedExamples_data() {
        QTest::addColumn<QString>("magra");
        QTest::addColumn<int>("attivita");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("50, moderate training")
            << "50" << 3 << QStringList{"75", "96", "32", "300", "384", "288", "972", "10,7", "10,7", "10,7"};
        QTest::newRow("45,3, none") << "45,3" << 1 << QStringList{"50",  "64",  "21",  "200", "256",
                                                                  "189", "645", "7,1", "7,1", "7"};
        QTest::newRow("1,2 is enough")
            << "1,2" << 1 << QStringList{"1", "1", "0", "4", "4", "0", "8", "0,1", "0,1", "0"};
        // Protein grams alone: 1,1 to 2,3 g per kg of lean mass by activity.
        const char* grammi[] = {"55", "65", "75", "85", "95", "105", "115"};
        for (int i = 1; i <= 7; ++i)
            QTest::addRow("50, activity %d", i) << "50" << i << QStringList{grammi[i - 1]};
        // 45 x 2,3 is a hair below 103,5 in binary; its caption reads 103,5.
        QTest::newRow("45, rounded through its caption") << "45" << 7 << QStringList{"104"};
        QTest::newRow("45, 49,5 rounds up") << "45" << 1 << QStringList{"50"};
    }
    void workedExamples() {
        QFETCH(QString, magra);
        QFETCH(int, attivita);
        QFETCH(QStringList, attesi);
        w->magr->setText(magra);
        scegli(attivita);
        QCOMPARE(risultati().mid(0, attesi.size()), attesi);
    }

    void unusableLeanMass_keepsTheLastResults_data() {
        QTest::addColumn<QString>("magra");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("below 1 kg") << "0,8";
        QTest::newRow("negative") << "-51,49";
        QTest::newRow("too large for arithmetic") << "1E+308";
    }
    void unusableLeanMass_keepsTheLastResults() {
        QFETCH(QString, magra);
        w->magr->setText(QStringLiteral("50"));
        scegli(3);
        const QStringList prima = risultati();
        w->magr->setText(magra);
        scegli(5);
        QCOMPARE(risultati(), prima);
    }

    void newLeanMass_waitsForAClick() {
        w->magr->setText(QStringLiteral("50"));
        scegli(3);
        w->magr->setText(QStringLiteral("45,3"));
        QCOMPARE(w->gr->text(), QStringLiteral("75"));
        // Clicking the option already chosen recomputes with the new lean mass.
        scegli(3);
        QCOMPARE(w->gr->text(), QStringLiteral("68"));
    }

    void ripartisci_beforeAnyResult_isRefused() {
        MessageBoxes boxes;
        QTest::mouseClick(w->ripart, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("Non vi è nulla da ripartire: scegliere il tipo di attività."));
        QCOMPARE(boxes.shown().first().style, 16);
        QCOMPARE(boxes.shown().first().title, ModZelvo::titoloaiuto);
        QVERIFY(!forms::isLoaded(QStringLiteral("blocchi")));
    }

    void menu_switchesTheComposerToZoneEveryTime() {
        auto* composer = qobject_cast<menu*>(forms::show(QStringLiteral("menu")));
        QVERIFY(composer);
        Davanti davanti;
        for (int volta = 0; volta < 2; ++volta) {
            QTest::mouseClick(composer->dieta[1], Qt::LeftButton);
            QCOMPARE(composer->schemadieta(), 1);
            QTest::mouseClick(w->cmdmenu, Qt::LeftButton);
            QCOMPARE(composer->schemadieta(), 3);
            QCOMPARE(composer->windowTitle(),
                     QStringLiteral("Zelvo: elaborazione dei menu (per una dieta a zona)"));
            QCOMPARE(composer->consigliato[1]->text(), QStringLiteral("40"));
            QCOMPARE(composer->consigliato[2]->text(), QStringLiteral("30"));
            QCOMPARE(composer->consigliato[3]->text(), QStringLiteral("30"));
            QVERIFY(forms::find(QStringLiteral("grasso"))->isVisible());
            QVERIFY(w->isVisible());
            QCOMPARE(davanti.ultima, QStringLiteral("menu"));
        }
    }

    void tab_followsLayout() { percorriTab(w, {"lavoro(1)", "ripart"}); }
};

QTEST_MAIN(TestAzona)
#include "tst_azona.moc"
