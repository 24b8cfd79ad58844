#include "calculators/azona.h"
#include "calculators/blocchi.h"
#include "composer/menu.h"
#include "support/testsupport.h"
#include "tabulazione.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace testsupport;

namespace {
const QRegularExpression Decimi(QStringLiteral("^\\d+(,\\d)?$"));
const QRegularExpression Interi(QStringLiteral("^\\d+$"));

// A text of at most one decimal as whole tenths, or -1 when it is not one.
int decimi(const QString& testo) {
    if (!Decimi.match(testo).hasMatch())
        return -1;
    const QStringList parti = testo.split(QLatin1Char(','));
    return parti[0].toInt() * 10 + (parti.size() > 1 ? parti[1].toInt() : 0);
}
} // namespace

// The blocks-per-meal window: plans from the zone-diet requirement and deleted meals.
class TestBlocchi : public QObject {
    Q_OBJECT
private:
    blocchi* w = nullptr;
    azona* zona = nullptr;

    QStringList righe() const {
        QStringList testi;
        for (int i = 1; i <= 6; ++i)
            testi << w->bb[i]->text();
        return testi;
    }
    QStringList grammi(int i) const { return {w->gr1[i]->text(), w->gr2[i]->text(), w->gr3[i]->text()}; }
    QStringList totali() const { return {w->bbt->text(), w->gr1t->text(), w->gr2t->text(), w->gr3t->text()}; }
    // A requirement as the zone-diet window shows it, then the plan.
    void pianifica(const QString& proteine) {
        zona->totale->setText(QStringLiteral("1"));
        zona->blocp->setText(proteine);
        zona->blocc->setText(proteine);
        zona->blocg->setText(proteine);
        w->calcolo();
    }
    void elimina(int riga) { QTest::mouseClick(w->delriga[riga], Qt::LeftButton); }
    // Every block and gram cell reads as the window's own arithmetic should leave it.
    void verificaTesti(const QString& dove) {
        for (int i = 1; i <= 6; ++i) {
            QVERIFY2(decimi(w->bb[i]->text()) >= 0,
                     qPrintable(dove + QStringLiteral(": bb ") + w->bb[i]->text()));
            for (const QString& g : grammi(i))
                QVERIFY2(Interi.match(g).hasMatch(), qPrintable(dove + QStringLiteral(": grammi ") + g));
        }
        QVERIFY2(decimi(w->bbt->text()) >= 0, qPrintable(dove + QStringLiteral(": bbt ") + w->bbt->text()));
        int somma = 0;
        int somme[3] = {};
        for (int i = 1; i <= 6; ++i) {
            somma += decimi(w->bb[i]->text());
            if (decimi(w->bb[i]->text()) == 0)
                continue;
            for (int n = 0; n < 3; ++n)
                somme[n] += grammi(i)[n].toInt();
        }
        QVERIFY2(decimi(w->bbt->text()) == somma, qPrintable(dove));
        QVERIFY2(w->gr1t->text().toInt() == somme[0] && w->gr2t->text().toInt() == somme[1] &&
                     w->gr3t->text().toInt() == somme[2],
                 qPrintable(dove));
    }

private slots:
    void initTestCase() { initialise(); }
    void init() {
        unloadAll();
        zona = forms::get<azona>(QStringLiteral("azona"));
        w = forms::get<blocchi>(QStringLiteral("blocchi"));
        QVERIFY(zona && w);
    }
    void cleanupTestCase() { unloadAll(); }

    void workedExample_thenTwoDeletions() {
        forms::show(QStringLiteral("azona"));
        zona->magr->setText(QStringLiteral("50"));
        QTest::mouseClick(zona->lavoro[3], Qt::LeftButton);
        QTest::mouseClick(zona->ripart, Qt::LeftButton);
        QVERIFY(w->isVisible());
        QCOMPARE(w->totale->text(), QStringLiteral("972"));
        QCOMPARE((QStringList{w->b1->text(), w->b2->text(), w->b3->text()}),
                 (QStringList{"10,7", "10,7", "10,7"}));
        QCOMPARE(righe(), (QStringList{"2,5", "1,2", "2", "1,5", "2", "1,5"}));
        const QList<QStringList> attesi{{"18", "23", "8"}, {"8", "11", "4"},  {"14", "18", "6"},
                                        {"11", "14", "5"}, {"14", "18", "6"}, {"11", "14", "5"}};
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(grammi(i), attesi[i - 1]);
        QCOMPARE(totali(), (QStringList{"10,7", "76", "98", "34"}));
        QCOMPARE(w->numeropasti(), 6);
        QCOMPARE(w->delriga[1]->toolTip(),
                 QStringLiteral("clicca per eliminare dalla dieta il pasto della riga"));

        elimina(2);
        QCOMPARE(righe(), (QStringList{"2,7", "0", "2,2", "1,7", "2,2", "1,7"}));
        QCOMPARE(grammi(2), (QStringList{"0", "0", "0"}));
        QCOMPARE(totali(), (QStringList{"10,5", "73", "94", "32"}));
        elimina(4);
        QCOMPARE(righe(), (QStringList{"3,1", "0", "2,6", "0", "2,6", "2,1"}));
        QCOMPARE(totali(), (QStringList{"10,4", "73", "93", "31"}));
        QCOMPARE(w->numeropasti(), 4);
    }

    void plans_data() {
        QTest::addColumn<QString>("proteine");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QStringList>("somme");
        QTest::newRow("7,1") << "7,1" << QStringList{"1,5", "0,8", "1,4", "1", "1,4", "1"}
                             << QStringList{"7,1", "51", "65", "21"};
        QTest::newRow("3,7") << "3,7" << QStringList{"0,9", "0,4", "0,7", "0,5", "0,7", "0,5"}
                             << QStringList{"3,7", "27", "34", "12"};
        QTest::newRow("4") << "4" << QStringList{"0,8", "0,4", "0,8", "0,6", "0,8", "0,6"}
                           << QStringList{"4", "29", "35", "11"};
        QTest::newRow("26,8") << "26,8" << QStringList{"6,3", "2,9", "5,1", "3,7", "5,1", "3,7"}
                              << QStringList{"26,8", "188", "241", "80"};
        QTest::newRow("34,3") << "34,3" << QStringList{"7,8", "3,7", "6,6", "4,8", "6,6", "4,8"}
                              << QStringList{"34,3", "241", "307", "102"};
        QTest::newRow("0,5") << "0,5" << QStringList{"0", "0,1", "0,1", "0,1", "0,1", "0,1"}
                             << QStringList{"0,5", "5", "5", "0"};
    }
    void plans() {
        QFETCH(QString, proteine);
        QFETCH(QStringList, attesi);
        QFETCH(QStringList, somme);
        pianifica(proteine);
        QCOMPARE(righe(), attesi);
        QCOMPARE(totali(), somme);
    }

    // Deletions from a plan made over one of 10,7 blocks; a meal deleted twice, or one without blocks, counts
    // once or not at all, and a plan leaves no grams of an earlier one.
    void deletions_data() {
        QTest::addColumn<QString>("proteine");
        QTest::addColumn<QList<int>>("ordine");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QStringList>("somme");
        QTest::addColumn<int>("pasti");
        const QStringList zeri(6, QStringLiteral("0"));
        QTest::newRow("snacks") << "10,7" << QList<int>{2, 4, 6}
                                << QStringList{"3,8", "0", "3,3", "0", "3,3", "0"}
                                << QStringList{"10,4", "73", "94", "31"} << 3;
        QTest::newRow("all in order") << "10,7" << QList<int>{1, 2, 3, 4, 5, 6} << zeri << zeri.mid(2) << 1;
        QTest::newRow("all backwards") << "10,7" << QList<int>{6, 5, 4, 3, 2, 1} << zeri << zeri.mid(2) << 1;
        QTest::newRow("all mixed") << "10,7" << QList<int>{3, 1, 6, 2, 5, 4} << zeri << zeri.mid(2) << 1;
        QTest::newRow("the same meal twice")
            << "10,7" << QList<int>{2, 2} << QStringList{"2,7", "0", "2,2", "1,7", "2,2", "1,7"}
            << QStringList{"10,5", "73", "94", "32"} << 5;
        // Breakfast's 2,2 blocks go to the four meals left, 0,6 each (half up from 0,55).
        QTest::newRow("then breakfast")
            << "10,7" << QList<int>{2, 2, 3} << QStringList{"3,3", "0", "0", "2,3", "2,8", "2,3"}
            << QStringList{"10,7", "75", "97", "32"} << 4;
        QTest::newRow("a meal without blocks")
            << "0,5" << QList<int>{1} << QStringList{"0", "0,1", "0,1", "0,1", "0,1", "0,1"}
            << QStringList{"0,5", "5", "5", "0"} << 6;
    }
    void deletions() {
        QFETCH(QString, proteine);
        QFETCH(QList<int>, ordine);
        QFETCH(QStringList, attesi);
        QFETCH(QStringList, somme);
        QFETCH(int, pasti);
        pianifica(QStringLiteral("10,7"));
        pianifica(proteine);
        for (int riga : ordine)
            elimina(riga);
        QCOMPARE(righe(), attesi);
        QCOMPARE(totali(), somme);
        for (int riga : ordine)
            QCOMPARE(grammi(riga), QStringList(3, QStringLiteral("0")));
        QCOMPARE(w->numeropasti(), pasti);
    }

    void newPlan_replacesDeletedMeals() {
        pianifica(QStringLiteral("10,7"));
        elimina(1);
        elimina(5);
        zona->magr->setText(QStringLiteral("50"));
        QTest::mouseClick(zona->lavoro[4], Qt::LeftButton);
        QTest::mouseClick(zona->ripart, Qt::LeftButton);
        QCOMPARE(w->b1->text(), QStringLiteral("12,1"));
        for (const QString& blocchi : righe())
            QVERIFY(blocchi != QStringLiteral("0"));
        QCOMPARE(w->numeropasti(), 6);
        verificaTesti(QStringLiteral("nuovo piano"));
    }

    void beforeAnyPlan_fromTheComposer_isBlankAndDeletesNothing() {
        auto* composer = qobject_cast<menu*>(forms::show(QStringLiteral("menu")));
        QVERIFY(composer);
        QTest::mouseClick(composer->dieta[4], Qt::LeftButton);
        QVERIFY(w->isVisible());
        for (int i = 1; i <= 6; ++i) {
            elimina(i);
            QVERIFY(w->delriga[i]->toolTip().isEmpty());
        }
        QCOMPARE(righe(), QStringList(6, QString()));
        QCOMPARE(totali(), QStringList(4, QString()));
        QVERIFY(w->totale->text().isEmpty());
        QCOMPARE(w->numeropasti(), 0);
    }

    void everyProteinBlockValue_showsWholeTenths() {
        // Every value the zone-diet window can hand over up to 100 blocks, in tenths.
        for (int p = 1; p <= 1000; ++p) {
            const QString proteine =
                p % 10 ? QStringLiteral("%1,%2").arg(p / 10).arg(p % 10) : QString::number(p / 10);
            pianifica(proteine);
            verificaTesti(proteine);
            QCOMPARE(decimi(w->bbt->text()), p);
            const QStringList piano = righe();
            const bool tutti = !piano.contains(QStringLiteral("0"));
            for (int riga = 1; riga <= 6; ++riga) {
                const int prima = decimi(w->bbt->text());
                elimina(riga);
                verificaTesti(proteine + QStringLiteral(" senza il pasto ") + QString::number(riga));
                // The deleted blocks pass to the five meals left, each share rounded to a tenth.
                if (tutti)
                    QVERIFY2(std::abs(decimi(w->bbt->text()) - prima) * 2 <= 5, qPrintable(proteine));
                pianifica(proteine);
            }
            for (const QList<int>& ordine : {QList<int>{1, 2, 3, 4, 5, 6}, QList<int>{6, 5, 4, 3, 2, 1}}) {
                pianifica(proteine);
                for (int riga : ordine) {
                    elimina(riga);
                    verificaTesti(proteine + QStringLiteral(" eliminando fino al pasto ") +
                                  QString::number(riga));
                }
                QCOMPARE(w->bbt->text(), QStringLiteral("0"));
            }
        }
    }

    void tab_followsLayout() {
        percorriTab(forms::show("blocchi"), {"calor", "delriga(1)", "delriga(2)", "delriga(3)", "delriga(4)",
                                             "delriga(5)", "delriga(6)"});
    }
};

QTEST_MAIN(TestBlocchi)
#include "tst_blocchi.moc"
