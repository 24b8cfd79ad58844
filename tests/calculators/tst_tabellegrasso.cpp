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
        for (const char* name : {"mgrassad", "mmagrad", "grassokgd", "magrokgd", "mgrassau", "mmagrau",
                                 "grassokgu", "magrokgu", "assurdi"})
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
        QTest::newRow("anche") << "anche" << 30 << 61 << "76,2"
                               << "152,4";
        QTest::newRow("addome") << "addome" << 20 << 61 << "50,8"
                                << "127";
        QTest::newRow("altezza") << "altezza" << 55 << 43 << "139,7"
                                 << "193";
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

    // Every constant by position as published; element 0 and the positions past each list stay empty.
    void womensConstants_everyPosition() {
        const std::vector<double> anche{
            33.48, 33.83, 34.87, 35.22, 36.27, 36.62, 37.67, 38.02, 39.06, 39.41, 40.46, 40.81, 41.86,
            42.21, 43.25, 43.60, 44.65, 45.32, 46.05, 46.40, 47.44, 47.79, 48.84, 49.19, 50.24, 50.59,
            51.64, 51.99, 53.03, 53.41, 54.53, 54.86, 55.83, 56.18, 57.22, 57.57, 58.62, 58.97, 60.02,
            60.37, 61.42, 61.77, 62.81, 63.16, 64.21, 64.56, 65.61, 65.96, 67.00, 67.35, 68.40, 68.75,
            69.80, 70.15, 71.19, 71.54, 72.59, 72.94, 73.99, 74.34, 75.39};
        const std::vector<double> addome{
            14.22, 14.40, 14.93, 15.11, 15.64, 15.82, 16.35, 16.53, 17.06, 17.24, 17.78, 17.96, 18.49,
            18.67, 19.20, 19.38, 19.91, 20.27, 20.62, 20.80, 21.33, 21.50, 22.04, 22.22, 22.75, 22.93,
            23.46, 23.64, 24.18, 24.36, 24.89, 25.07, 25.60, 25.78, 26.31, 26.49, 27.02, 27.20, 27.73,
            27.91, 28.44, 28.62, 29.15, 29.33, 29.87, 30.05, 30.58, 30.76, 31.29, 31.47, 32.00, 32.18,
            32.71, 32.89, 33.42, 33.60, 34.13, 34.31, 34.84, 35.02, 35.56};
        const std::vector<double> altezza{33.52, 33.67, 34.13, 34.28, 34.74, 34.89, 35.35, 35.50, 35.96,
                                          36.11, 36.57, 36.72, 37.18, 37.33, 37.79, 37.94, 38.40, 38.70,
                                          39.01, 39.16, 39.62, 39.77, 40.23, 40.38, 40.84, 40.99, 41.45,
                                          41.60, 42.06, 42.21, 42.67, 42.82, 43.28, 43.43, 43.89, 44.04,
                                          44.50, 44.65, 45.11, 45.26, 45.72, 45.87, 46.32};
        const auto confronta = [](const auto& tabella, const std::vector<double>& attese, const char* nome) {
            for (std::size_t p = 0; p < tabella.size(); ++p)
                QVERIFY2(tabella[p] ==
                             (p >= 1 && p <= attese.size() ? std::optional(attese[p - 1]) : std::nullopt),
                         qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(nome)).arg(p)));
        };
        confronta(finestra->tabelle.costanteanche, anche, "anche");
        confronta(finestra->tabelle.costanteaddome, addome, "addome");
        confronta(finestra->tabelle.costantealtezza, altezza, "altezza");
    }

    void mensWeightsAndThresholds() {
        const QStringList pesi{"54",  "57",  "59",  "61",  "64",  "66",  "68",  "70",  "73",  "75",
                               "77",  "79",  "82",  "84",  "86",  "89",  "91",  "93",  "95",  "98",
                               "100", "102", "104", "107", "109", "111", "113", "116", "118", "120",
                               "123", "125", "127", "129", "132", "134", "136"};
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
        const int prima[] = {0,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1, 1,  1,
                             1,  1,  1,  1,  1,  1,  1,  1,  2,  3,  3,  4,  5,  6,  6,  7,  8,  9, 10, 10,
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
                                         6,  6,  6,  5,  5,  5,  5,  5,  4, 4, 4, 4, 4, 4, 4, 3, 3, 3}));
        QCOMPARE(riga(27, 1),
                 (QList<int>{54, 52, 50, 48, 46, 44, 43, 41, 40, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29,
                             29, 28, 27, 26, 26, 25, 25, 24, 24, 23, 22, 22, 22, 21, 21, 20, 20, 19}));
        QCOMPARE(riga(57, 24), (QList<int>{55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45, 44, 43, 43}));
        QCOMPARE(colonna(1, 1, 27), (QList<int>{4,  6,  8,  10, 12, 14, 16, 18, 20, 21, 23, 25, 27, 29,
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
                const int stima =
                    static_cast<int>(std::floor(100 * (4.64 * d - 0.0387 * w - 92.58) / w + 0.5));
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
