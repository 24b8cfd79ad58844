#include "calculators/azona.h"
#include "calculators/grasso.h"
#include "platform/numbers.h"
#include "scelta.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

namespace {
const QString Messaggio = QStringLiteral("Attenzione: completare o modificare i dati.");
} // namespace

// The body-fat window driven key by key and choice by choice.
class TestGrasso : public QObject {
    Q_OBJECT
private:
    grasso* w = nullptr;
    QStringList donne() const {
        return {w->mgrassad->text(), w->mmagrad->text(), w->grassokgd->text(), w->magrokgd->text()};
    }
    QStringList uomini() const {
        return {w->mgrassau->text(), w->mmagrau->text(), w->grassokgu->text(), w->magrokgu->text()};
    }
    void primeVoci() {
        scegli(w->altezza, QStringLiteral("139,7"));
        scegli(w->anche, QStringLiteral("76,2"));
        scegli(w->addome, QStringLiteral("50,8"));
    }

private slots:
    void initTestCase() { initialise(); }
    void init() {
        unloadAll();
        w = qobject_cast<grasso*>(forms::show(QStringLiteral("grasso")));
        QVERIFY(w);
    }
    void cleanupTestCase() { unloadAll(); }

    void women_firstItemsAndWeight60() {
        primeVoci();
        type(w->pesod, QStringLiteral("60"));
        QCOMPARE(donne(), (QStringList{"14,18", "85,82", "8,51", "51,49"}));
        // The men's side is incomplete, so the same run ends with the message.
        QCOMPARE(w->assurdi->text(), Messaggio);
    }

    void men_waist90Wrist17Weight64() {
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        scegli(w->peso, QStringLiteral("64"));
        QCOMPARE(uomini(), (QStringList{"24", "76", "15,36", "48,64"}));
        QVERIFY(w->assurdi->text().isEmpty());
    }

    void men_thresholds_data() {
        QTest::addColumn<QString>("vita");
        QTest::addColumn<QString>("polso");
        QTest::addColumn<QString>("peso");
        QTest::addColumn<QString>("grasso"); // empty: no row or no cell, the message shows
        QTest::newRow("difference 56 is row 1") << "73"
                                                << "17"
                                                << "54"
                                                << "4";
        QTest::newRow("empty wrist counts as 0") << "56"
                                                 << ""
                                                 << "54"
                                                 << "4";
        QTest::newRow("waist 90,5 reads 90") << "90,5"
                                             << "34"
                                             << "54"
                                             << "4";
        QTest::newRow("57 is row 2") << "57"
                                     << ""
                                     << "54"
                                     << "6";
        QTest::newRow("below 56") << "55"
                                  << ""
                                  << "54"
                                  << "";
        QTest::newRow("55.9 typed with a point") << "55.9"
                                                 << ""
                                                 << "54"
                                                 << "";
        QTest::newRow("89 is row 27") << "89"
                                      << ""
                                      << "54"
                                      << "54";
        QTest::newRow("row 28 has no first column") << "90"
                                                    << ""
                                                    << "54"
                                                    << "";
        QTest::newRow("125 is row 55") << "125"
                                       << ""
                                       << "136"
                                       << "41";
        QTest::newRow("126 is row 56") << "126"
                                       << ""
                                       << "136"
                                       << "42";
        QTest::newRow("127 or more has no row") << "127"
                                                << ""
                                                << "136"
                                                << "";
        QTest::newRow("row 1 ends at item 11") << "56"
                                               << ""
                                               << "79"
                                               << "";
    }
    void men_thresholds() {
        QFETCH(QString, vita);
        QFETCH(QString, polso);
        QFETCH(QString, peso);
        QFETCH(QString, grasso);
        type(w->vitino, vita);
        type(w->polso, polso);
        scegli(w->peso, peso);
        QCOMPARE(w->mgrassau->text(), grasso);
        if (grasso.isEmpty()) {
            QCOMPARE(w->assurdi->text(), Messaggio);
            QVERIFY(w->mmagrau->text().isEmpty());
        } else {
            QVERIFY(w->assurdi->text().isEmpty());
            QCOMPARE(w->mmagrau->text(), num::toText(100 - grasso.toDouble()));
        }
    }

    void men_firstRowZeros_data() {
        QTest::addColumn<QString>("peso");
        for (const char* kg : {"66", "68", "70", "73", "75", "77"})
            QTest::newRow(kg) << QString::fromLatin1(kg);
    }
    void men_firstRowZeros() {
        QFETCH(QString, peso);
        type(w->vitino, QStringLiteral("56"));
        scegli(w->peso, peso);
        QCOMPARE(uomini(), (QStringList{"0", "100", "0", peso}));
    }

    void men_cellMissing_emptiesFatOnlyAndKeepsTheRest() {
        type(w->vitino, QStringLiteral("56"));
        scegli(w->peso, QStringLiteral("54"));
        QCOMPARE(uomini(), (QStringList{"4", "96", "2,16", "51,84"}));
        // Row 1 stops at item 11.
        scegli(w->peso, QStringLiteral("79"));
        QCOMPARE(uomini(), (QStringList{"", "96", "2,16", "51,84"}));
        QCOMPARE(w->assurdi->text(), Messaggio);
    }

    void men_weightTypedInsteadOfChosen() {
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        scegli(w->peso, QStringLiteral("64"));
        // Typing into the list drops the choice: the text alone gives no column.
        type(w->peso->lineEdit(), QStringLiteral("6"));
        QCOMPARE(w->peso->currentText(), QStringLiteral("646"));
        QCOMPARE(w->peso->currentIndex(), -1);
        QCOMPARE(uomini(), (QStringList{"", "76", "15,36", "48,64"}));
        QCOMPARE(w->assurdi->text(), Messaggio);
        // Choosing again recomputes with the chosen item.
        scegli(w->peso, QStringLiteral("66"));
        QCOMPARE(w->peso->currentText(), QStringLiteral("66"));
        QVERIFY(w->assurdi->text().isEmpty());
        QCOMPARE(w->mgrassau->text(), QStringLiteral("23"));
    }

    void lists_keyboardChoiceCounts() {
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        w->peso->setFocus();
        QTest::keyClick(w->peso, Qt::Key_Down);
        QCOMPARE(w->peso->currentText(), QStringLiteral("54"));
        QCOMPARE(w->mgrassau->text(), QStringLiteral("29"));
        QTest::keyClick(w->peso, Qt::Key_Down);
        QCOMPARE(w->mgrassau->text(), QStringLiteral("28"));
    }

    void women_noListChosen_writesZeroAndHundred() {
        type(w->pesod, QStringLiteral("60"));
        QCOMPARE(donne(), (QStringList{"0", "100", "0", "60"}));
    }

    // Text typed into one list leaves out its constant: 33.48 (hips) + 14.22 (abdomen) - 33.52 (height).
    void women_typedListText_countsAsNothingChosen_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("grasso");
        QTest::newRow("height") << "altezza"
                                << "47,7";
        QTest::newRow("hips") << "anche"
                              << "-19,3";
        QTest::newRow("abdomen") << "addome"
                                 << "-0,04";
    }
    void women_typedListText_countsAsNothingChosen() {
        QFETCH(QString, lista);
        QFETCH(QString, grasso);
        primeVoci();
        auto* box = child<QComboBox>(w, lista);
        type(box->lineEdit(), QStringLiteral("1"));
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(w->mgrassad->text(), grasso);
    }

    void women_weightBelowOneOrWithComma() {
        primeVoci();
        type(w->pesod, QStringLiteral("0,5"));
        QVERIFY(w->grassokgd->text().isEmpty());
        QVERIFY(w->magrokgd->text().isEmpty());
        QCOMPARE(w->mgrassad->text(), QStringLiteral("14,18"));
        erase(w->pesod);
        type(w->pesod, QStringLiteral("65,5"));
        QCOMPARE(w->grassokgd->text(), QStringLiteral("9,29"));
        QCOMPARE(w->magrokgd->text(), QStringLiteral("56,21"));
    }

    void women_weightWithUnit_showsMessageAndKeepsKilograms() {
        primeVoci();
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        scegli(w->peso, QStringLiteral("64"));
        type(w->pesod, QStringLiteral("70 kg"));
        QCOMPARE(donne(), (QStringList{"14,18", "85,82", "9,93", "60,07"}));
        QCOMPARE(w->assurdi->text(), Messaggio);
        // The men's results of this run were not reached: they stay as they were.
        QCOMPARE(uomini(), (QStringList{"24", "76", "15,36", "48,64"}));
        // Mending the weight clears the message at once.
        QTest::keyClick(w->pesod, Qt::Key_Backspace);
        QTest::keyClick(w->pesod, Qt::Key_Backspace);
        QVERIFY(w->assurdi->text().isEmpty());
    }

    // Text pasted over one box of a complete example. A women's weight whose leading number is 0 is no
    // fault (the kilograms keep their captions); one that reads a number but is not one as a whole, or that
    // overflows, stops the run before the men's side. A waist minus wrist outside every row empties the
    // men's fat % and keeps the rest.
    void badInput_messageOnlyForFaults_data() {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("messaggio");
        QTest::addColumn<QStringList>("maschi");
        const QStringList interi{"24", "76", "15,36", "48,64"};
        const QStringList senzaRiga{"", "76", "15,36", "48,64"};
        QTest::newRow("weight with two commas") << "pesod"
                                                << "6,0,5" << true << interi;
        QTest::newRow("weight times fat % overflows") << "pesod"
                                                      << "1e308" << true << interi;
        QTest::newRow("weight beyond double range") << "pesod"
                                                    << "1e400" << true << interi;
        QTest::newRow("weight of letters") << "pesod"
                                           << "nan" << false << interi;
        QTest::newRow("weight in other digits") << "pesod" << QString::fromUtf8("٦٠") << false << interi;
        QTest::newRow("weight of signs") << "pesod"
                                         << "-+" << false << interi;
        QTest::newRow("negative waist") << "vitino"
                                        << "-90" << true << senzaRiga;
        QTest::newRow("waist beyond every threshold") << "vitino"
                                                      << "1e308" << true << senzaRiga;
        QTest::newRow("waist of letters") << "vitino"
                                          << "inf" << true << senzaRiga;
        QTest::newRow("waist in other digits") << "vitino" << QString::fromUtf8("٩٠") << true << senzaRiga;
        QTest::newRow("waist with two commas reads 9") << "vitino"
                                                       << "9,0,1" << true << senzaRiga;
        QTest::newRow("negative wrist") << "polso"
                                        << "-1e308" << true << senzaRiga;
    }
    void badInput_messageOnlyForFaults() {
        QFETCH(QString, casella);
        QFETCH(QString, testo);
        QFETCH(bool, messaggio);
        QFETCH(QStringList, maschi);
        primeVoci();
        type(w->pesod, QStringLiteral("60"));
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        scegli(w->peso, QStringLiteral("64"));
        QVERIFY(w->assurdi->text().isEmpty());
        auto* box = child<QLineEdit>(w, casella);
        QVERIFY(box);
        box->selectAll();
        box->insert(testo);
        QCOMPARE(box->text(), testo);
        QCOMPARE(w->assurdi->text(), messaggio ? Messaggio : QString());
        QCOMPARE(donne(), (QStringList{"14,18", "85,82", "8,51", "51,49"}));
        QCOMPARE(uomini(), maschi);
    }

    void dietaZona_handsOverTheColumn_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("magra");
        QTest::addColumn<QString>("peso");
        QTest::newRow("women") << 1 << "51,49"
                               << "60";
        QTest::newRow("men") << 2 << "48,64"
                             << "64";
    }
    void dietaZona_handsOverTheColumn() {
        QFETCH(int, indice);
        QFETCH(QString, magra);
        QFETCH(QString, peso);
        primeVoci();
        type(w->pesod, QStringLiteral("60"));
        type(w->vitino, QStringLiteral("90"));
        type(w->polso, QStringLiteral("17"));
        scegli(w->peso, QStringLiteral("64"));
        QVERIFY(!forms::isLoaded(QStringLiteral("azona")));
        QTest::mouseClick(w->zoniamo[indice], Qt::LeftButton);
        auto* zona = forms::get<azona>(QStringLiteral("azona"));
        QVERIFY(zona && zona->isVisible());
        QCOMPARE(zona->magr->text(), magra);
        QCOMPARE(zona->pes->text(), peso);
        // Nothing is computed until an activity is chosen.
        QVERIFY(zona->gr->text().isEmpty());
        QVERIFY(w->isVisible());
    }

    void dietaZona_beforeAnyResult_copiesEmptyTexts() {
        auto* zona = forms::get<azona>(QStringLiteral("azona"));
        zona->magr->setText(QStringLiteral("50"));
        zona->pes->setText(QStringLiteral("70"));
        QTest::mouseClick(w->zoniamo[2], Qt::LeftButton);
        QVERIFY(zona->magr->text().isEmpty());
        QVERIFY(zona->pes->text().isEmpty());
    }
};

QTEST_MAIN(TestGrasso)
#include "tst_grasso.moc"
