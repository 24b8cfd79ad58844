#include "platform/tune.h"

#include <QTest>
#include <cmath>

class tst_tune : public QObject {
    Q_OBJECT

    static QString tunePath() { return qEnvironmentVariable("ZELVO_SOURCE_DIR") + QStringLiteral("/resources/Internet.mid"); }

private slots:
    void renderedTune_isNotSilent() {
        const QString font = Tune::soundFontPath();
        QVERIFY2(!font.isEmpty(), "no General MIDI sound font: scripts/deps.sh installs one");
        const std::vector<float> samples = Tune::render(tunePath(), font, 2.0);
        QCOMPARE(samples.size(), size_t(2 * 2 * 22050));
        float peak = 0;
        for (float s : samples)
            peak = std::max(peak, std::fabs(s));
        QVERIFY2(peak > 0.01f, qPrintable(QStringLiteral("peak %1").arg(peak)));
    }

    void withoutFile_silentAndNoError() {
        QVERIFY(Tune::render(QStringLiteral("/nessuna/cartella/Internet.mid"), Tune::soundFontPath(), 1.0).empty());
        Tune tune;
        tune.open(QStringLiteral("/nessuna/cartella/Internet.mid"));
        tune.play();
        QVERIFY(!tune.isOpen());
        QVERIFY(!tune.isPlaying());
        tune.pause();
        tune.close();
    }

    void openPlayPauseClose_states() {
        Tune tune;
        tune.open(tunePath());
        QVERIFY(tune.isOpen());
        tune.play();
        QVERIFY(tune.isPlaying());
        tune.pause();
        QVERIFY(!tune.isPlaying());
        tune.play();
        QVERIFY(tune.isPlaying());
        tune.close();
        QVERIFY(!tune.isOpen());
        tune.play();
        QVERIFY(!tune.isPlaying());
    }
};

QTEST_MAIN(tst_tune)
#include "tst_tune.moc"
