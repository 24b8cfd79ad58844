#include "calculators/azona.h"
#include "calculators/blocchi.h"
#include "calculators/grasso.h"
#include "composer/menu.h"
#include "davanti.h"
#include "scelta.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testsupport;

// The zone-diet chain from the composer through body fat, requirement and meals, and back, by clicks.
class TestCatenaZona : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanupTestCase() { unloadAll(); }

    void chain_fromComposerToMealsAndBack() {
        unloadAll();
        Davanti davanti;
        auto* composer = qobject_cast<menu*>(forms::show(QStringLiteral("menu")));
        QVERIFY(composer);
        QTest::mouseClick(composer->dieta[3], Qt::LeftButton);
        auto* fat = qobject_cast<grasso*>(forms::find(QStringLiteral("grasso")));
        QVERIFY(fat && fat->isVisible());

        type(fat->vitino, QStringLiteral("90"));
        type(fat->polso, QStringLiteral("17"));
        scegli(fat->peso, QStringLiteral("64"));
        QCOMPARE(fat->magrokgu->text(), QStringLiteral("48,64"));
        QTest::mouseClick(fat->zoniamo[2], Qt::LeftButton);
        auto* zona = qobject_cast<azona*>(forms::find(QStringLiteral("azona")));
        QVERIFY(zona && zona->isVisible());
        QCOMPARE(zona->magr->text(), QStringLiteral("48,64"));
        QCOMPARE(zona->pes->text(), QStringLiteral("64"));

        QTest::mouseClick(zona->lavoro[3], Qt::LeftButton);
        // 48,64 x 1.5 = 72,96, so 73 g of protein.
        QCOMPARE(zona->gr->text(), QStringLiteral("73"));
        QCOMPARE(zona->totale->text(), QStringLiteral("947"));
        QCOMPARE((QStringList{zona->blocp->text(), zona->blocc->text(), zona->blocg->text()}),
                 (QStringList{"10,4", "10,4", "10,3"}));

        QTest::mouseClick(zona->ripart, Qt::LeftButton);
        auto* pasti = qobject_cast<blocchi*>(forms::find(QStringLiteral("blocchi")));
        QVERIFY(pasti && pasti->isVisible());
        QCOMPARE(davanti.ultima, QStringLiteral("blocchi"));
        QCOMPARE(pasti->totale->text(), QStringLiteral("947"));
        QCOMPARE(pasti->b3->text(), QStringLiteral("10,3"));
        QStringList righe;
        for (int i = 1; i <= 6; ++i)
            righe << pasti->bb[i]->text();
        QCOMPARE(righe, (QStringList{"2,5", "1,1", "2", "1,4", "2", "1,4"}));
        QTest::mouseClick(pasti->delriga[6], Qt::LeftButton);
        QCOMPARE(pasti->bb[6]->text(), QStringLiteral("0"));
        const QString dopo = pasti->bbt->text();

        // The meals' own Menu button leaves the scheme alone.
        QTest::mouseClick(composer->dieta[1], Qt::LeftButton);
        QTest::mouseClick(pasti->cmdmenu, Qt::LeftButton);
        QCOMPARE(composer->schemadieta(), 1);
        QCOMPARE(davanti.ultima, QStringLiteral("menu"));

        QTest::mouseClick(pasti->calor, Qt::LeftButton);
        QCOMPARE(davanti.ultima, QStringLiteral("azona"));
        QTest::mouseClick(zona->cmdmenu, Qt::LeftButton);
        QCOMPARE(composer->schemadieta(), 3);
        QCOMPARE(composer->windowTitle(),
                 QStringLiteral("Zelvo: elaborazione dei menu (per una dieta a zona)"));
        QCOMPARE(davanti.ultima, QStringLiteral("menu"));
        QVERIFY(fat->isVisible() && zona->isVisible() && pasti->isVisible());

        // The composer's fourth scheme shows the plan as it was left, deletion included.
        QTest::mouseClick(composer->dieta[4], Qt::LeftButton);
        QCOMPARE(davanti.ultima, QStringLiteral("blocchi"));
        QCOMPARE(pasti->bb[6]->text(), QStringLiteral("0"));
        QCOMPARE(pasti->bbt->text(), dopo);

        // Another activity changes the requirement, not the plan, until it is spread again.
        QTest::mouseClick(zona->lavoro[1], Qt::LeftButton);
        QCOMPARE(zona->gr->text(), QStringLiteral("54"));
        QCOMPARE(pasti->b1->text(), QStringLiteral("10,4"));
        QTest::mouseClick(zona->ripart, Qt::LeftButton);
        QCOMPARE(pasti->b1->text(), QStringLiteral("7,7"));
        QVERIFY(pasti->bb[6]->text() != QStringLiteral("0"));

        QTest::mouseClick(zona->mgras, Qt::LeftButton);
        QCOMPARE(davanti.ultima, QStringLiteral("grasso"));
        // The body-fat window kept its inputs all along.
        QCOMPARE(fat->vitino->text(), QStringLiteral("90"));
    }

    void unload_startsTheChainEmpty() {
        unloadAll();
        auto* zona = forms::get<azona>(QStringLiteral("azona"));
        zona->magr->setText(QStringLiteral("50"));
        QTest::mouseClick(zona->lavoro[3], Qt::LeftButton);
        QCOMPARE(zona->totale->text(), QStringLiteral("972"));
        forms::unload(QStringLiteral("azona"));
        settle();
        zona = forms::get<azona>(QStringLiteral("azona"));
        QVERIFY(zona->magr->text().isEmpty() && zona->totale->text().isEmpty());
        for (int i = 1; i <= 7; ++i)
            QVERIFY(!zona->lavoro[i]->isChecked());
    }
};

QTEST_MAIN(TestCatenaZona)
#include "tst_catenazona.moc"
