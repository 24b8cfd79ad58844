#include "calculators/grasso.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <cmath>

using namespace testsupport;

// The body-fat window's lists and tables as its loaders leave them.
class TestTabelleGrasso : public QObject {
    Q_OBJECT
private:
    grasso* finestra = nullptr;
    std::optional<qint16> cella(int r, int c) const {
        return finestra->tabelle.tabellauomini[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }

private slots:
    void initTestCase() {
        initialise();
        finestra = forms::get<grasso>(QStringLiteral("grasso"));
        QVERIFY(finestra);
    }
    void cleanupTestCase() { unloadAll(); }

    void load_computesNothing() {
        for (const char* name : {"mgrassad", "mmagrad", "grassokgd", "magrokgd", "mgrassau", "mmagrau", "grassokgu",
                                 "magrokgu", "assurdi"})
            QVERIFY2(child<QLabel>(finestra, QString::fromLatin1(name))->text().isEmpty(), name);
        for (QComboBox* lista : {finestra->anche, finestra->addome, finestra->altezza, finestra->peso}) {
            QCOMPARE(lista->currentIndex(), -1);
            QVERIFY(lista->currentText().isEmpty());
        }
    }

    void womensLists_followTheInchLengths_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<int>("pollici");
        QTest::addColumn<int>("voci");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("ultima");
        QTest::newRow("anche") << "anche" << 30 << 61 << "76,2" << "152,4";
        QTest::newRow("addome") << "addome" << 20 << 61 << "50,8" << "127";
        QTest::newRow("altezza") << "altezza" << 55 << 43 << "139,7" << "193";
    }
    void womensLists_followTheInchLengths() {
        QFETCH(QString, lista);
        QFETCH(int, pollici);
        QFETCH(int, voci);
        QFETCH(QString, prima);
        QFETCH(QString, ultima);
        auto* box = child<QComboBox>(finestra, lista);
        QVERIFY(box);
        QCOMPARE(box->count(), voci);
        QCOMPARE(box->itemText(0), prima);
        QCOMPARE(box->itemText(voci - 1), ultima);
        for (int p = 1; p <= voci; ++p) {
            // (h + (p - 1) / 2) x 2.54 cm, cut to one decimal: whole millimetres of (2h + p - 1) x 12.7.
            const int millimetri = (2 * pollici + p - 1) * 127 / 10;
            const QString atteso = millimetri % 10 == 0
                                       ? QString::number(millimetri / 10)
                                       : QStringLiteral("%1,%2").arg(millimetri / 10).arg(millimetri % 10);
            QCOMPARE(box->itemText(p - 1), atteso);
        }
    }

    void womensConstants_fillTheirPositionsOnly() {
        const auto& t = finestra->tabelle;
        for (std::size_t p = 1; p <= 61; ++p) {
            QVERIFY(t.costanteanche[p] && t.costanteaddome[p]);
            QCOMPARE(t.costantealtezza[p].has_value(), p <= 43);
        }
        QVERIFY(!t.costanteanche[0] && !t.costanteaddome[0] && !t.costantealtezza[0]);
        QCOMPARE(*t.costanteanche[1], 33.48);
        QCOMPARE(*t.costanteanche[49], 67.0);
        QCOMPARE(*t.costanteanche[61], 75.39);
        QCOMPARE(*t.costanteaddome[1], 14.22);
        QCOMPARE(*t.costanteaddome[51], 32.0);
        QCOMPARE(*t.costanteaddome[61], 35.56);
        QCOMPARE(*t.costantealtezza[1], 33.52);
        QCOMPARE(*t.costantealtezza[43], 46.32);
        // Each constant grows with its position: a mistyped value breaks the order.
        for (std::size_t p = 2; p <= 61; ++p) {
            QVERIFY2(*t.costanteanche[p] > *t.costanteanche[p - 1], qPrintable(QString::number(p)));
            QVERIFY2(*t.costanteaddome[p] > *t.costanteaddome[p - 1], qPrintable(QString::number(p)));
            if (p <= 43)
                QVERIFY2(*t.costantealtezza[p] > *t.costantealtezza[p - 1], qPrintable(QString::number(p)));
        }
    }

    void mensWeightsAndThresholds() {
        const QStringList pesi{"54", "57", "59", "61", "64", "66", "68", "70", "73", "75", "77", "79", "82",
                               "84", "86", "89", "91", "93", "95", "98", "100", "102", "104", "107", "109", "111",
                               "113", "116", "118", "120", "123", "125", "127", "129", "132", "134", "136"};
        QCOMPARE(finestra->peso->count(), 37);
        for (int i = 0; i < 37; ++i)
            QCOMPARE(finestra->peso->itemText(i), pesi[i]);
        const auto& soglie = finestra->tabelle.soglie;
        QVERIFY(!soglie[0]);
        QCOMPARE(*soglie[1], qint16(56));
        QCOMPARE(*soglie[15], qint16(74));
        QCOMPARE(*soglie[57], qint16(127));
        for (std::size_t i = 2; i <= 57; ++i)
            QVERIFY(*soglie[i] > *soglie[i - 1]);
    }

    void mensTable_keepsRunsBoundsAndOrder() {
        // First filled column of each row; every row runs to 37 from row 6 on.
        const int prima[] = {0, 1, 1, 1, 1, 1, 1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,
                             1, 1, 1, 1, 1, 1, 1,  1,  2,  3,  3,  4,  5,  6,  6,  7,  8,  9,  10, 10,
                             11, 12, 13, 14, 14, 15, 16, 17, 17, 18, 19, 20, 20, 21, 22, 23, 24, 24};
        const int ultima[] = {0, 11, 11, 17, 24, 29};
        int piene = 0;
        for (int c = 0; c <= 37; ++c)
            QVERIFY(!cella(0, c));
        for (int r = 1; r <= 57; ++r) {
            QVERIFY(!cella(r, 0));
            const int fine = r <= 5 ? ultima[r] : 37;
            for (int c = 1; c <= 37; ++c) {
                const QByteArray dove = QStringLiteral("riga %1, colonna %2").arg(r).arg(c).toLatin1();
                const bool dentro = c >= prima[r] && c <= fine;
                QVERIFY2(cella(r, c).has_value() == dentro, dove.constData());
                if (!dentro)
                    continue;
                ++piene;
                const int v = *cella(r, c);
                QVERIFY2(v >= 0 && v <= 55, dove.constData());
                QVERIFY2(v > 0 || r == 1, dove.constData());
                if (cella(r, c + 1))
                    QVERIFY2(*cella(r, c + 1) <= v, dove.constData());
                if (r < 57 && cella(r + 1, c))
                    QVERIFY2(*cella(r + 1, c) >= v, dove.constData());
            }
        }
        QCOMPARE(piene, 1653);
    }

    void mensTable_tellingRowsAndColumns() {
        auto riga = [this](int r, int da) {
            QList<int> valori;
            for (int c = da; c <= 37 && cella(r, c); ++c)
                valori << *cella(r, c);
            return valori;
        };
        auto colonna = [this](int c, int da, int a) {
            QList<int> valori;
            for (int r = da; r <= a; ++r)
                valori << (cella(r, c) ? *cella(r, c) : -1);
            return valori;
        };
        QCOMPARE(riga(1, 1), (QList<int>{4, 4, 3, 3, 3, 0, 0, 0, 0, 0, 0}));
        QVERIFY(!cella(1, 12));
        QCOMPARE(riga(6, 1), (QList<int>{14, 13, 12, 12, 11, 11, 10, 10, 9, 9, 9, 8, 8, 8, 7, 7, 7, 6, 6,
                                         6, 6, 6, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3}));
        QCOMPARE(riga(27, 1), (QList<int>{54, 52, 50, 48, 46, 44, 43, 41, 40, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29,
                                          29, 28, 27, 26, 26, 25, 25, 24, 24, 23, 22, 22, 22, 21, 21, 20, 20, 19}));
        QCOMPARE(riga(57, 24), (QList<int>{55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45, 44, 43, 43}));
        QCOMPARE(colonna(1, 1, 27), (QList<int>{4, 6, 8, 10, 12, 14, 16, 18, 20, 21, 23, 25, 27, 29,
                                                31, 33, 35, 37, 39, 41, 43, 45, 47, 49, 50, 52, 54}));
        QCOMPARE(colonna(37, 6, 57),
                 (QList<int>{3,  4,  5,  5,  6,  7,  8,  9,  9,  10, 11, 12, 12, 13, 14, 15, 16, 16,
                             17, 18, 19, 19, 20, 21, 22, 22, 23, 24, 25, 26, 26, 27, 28, 29, 29, 30,
                             31, 32, 33, 33, 34, 35, 36, 36, 37, 38, 39, 39, 40, 41, 42, 43}));
        QCOMPARE(*cella(14, 5), qint16(24));
    }

    void mensTable_staysCloseToTheWaistEstimate() {
        // Waist in inches and weight in pounds of each row and column.
        int diverse = 0;
        for (int r = 1; r <= 57; ++r) {
            for (int c = 1; c <= 37; ++c) {
                if (!cella(r, c))
                    continue;
                const double d = 22 + (r - 1) / 2.0;
                const double w = 120 + 5.0 * (c - 1);
                const int stima = static_cast<int>(std::floor(100 * (4.64 * d - 0.0387 * w - 92.58) / w + 0.5));
                const int scarto = std::abs(*cella(r, c) - stima);
                QVERIFY2(scarto <= 3, qPrintable(QStringLiteral("riga %1, colonna %2").arg(r).arg(c)));
                if (scarto != 0)
                    ++diverse;
            }
        }
        QVERIFY2(diverse <= 24, qPrintable(QString::number(diverse)));
    }
};

QTEST_MAIN(TestTabelleGrasso)
#include "tst_tabellegrasso.moc"
