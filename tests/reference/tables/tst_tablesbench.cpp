#include "support/testsupport.h"

#include "platform/forms.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

// How long the two windows take to open and their printouts to build: the median of repeated runs.
class TestTablesBench : public QObject {
    Q_OBJECT

    testsupport::MessageBoxes boxes;
    static constexpr int Runs = 21;

    template <class F> static double medianMs(F&& step) {
        std::vector<double> times;
        for (int i = 0; i < Runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            step();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            testsupport::settle();
        }
        std::nth_element(times.begin(), times.begin() + Runs / 2, times.end());
        return times[Runs / 2];
    }

    static void within(const char* what, double median, double limit) {
        qInfo("%s: median %.2f ms (limit %.0f ms)", what, median, limit);
#if defined(__SANITIZE_ADDRESS__)
        Q_UNUSED(median);
        Q_UNUSED(limit);
#else
        QVERIFY2(median < limit, what);
#endif
    }

private slots:
    void initTestCase() {
        testsupport::initialise();
    }
    void cleanup() {
        testsupport::unloadAll();
    }

    void opening_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("fabbisogno") << "fabbisogno";
        QTest::newRow("glicemico") << "glicemico";
    }
    void opening() {
        QFETCH(QString, window);
        forms::show(window); // the first opening pays for fonts and styles once
        testsupport::unloadAll();
        const double median = medianMs([&] {
            Form* page = forms::show(window);
            QVERIFY(page);
            page->repaint(); // opened means drawn once
            forms::unload(window);
        });
        within(qPrintable(window), median, 16);
    }

    void printout_data() {
        opening_data();
    }
    void printout() {
        QFETCH(QString, window);
        Form* page = forms::show(window);
        auto* stampa = page->findChild<QPushButton*>(QStringLiteral("stampa"));
        QVERIFY(stampa);
        const double median = medianMs([&] { stampa->click(); });
        within(qPrintable(window + QStringLiteral(" printout")), median, 100);
    }
};

QTEST_MAIN(TestTablesBench)
#include "tst_tablesbench.moc"
