#include "platform/tune.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cmath>

class tst_tune : public QObject {
    Q_OBJECT

    static QString tunePath() { return qEnvironmentVariable("ZELVO_SOURCE_DIR") + QStringLiteral("/resources/Internet.mid"); }

    QTemporaryDir home_;

    // Polls finely: a test that waits in coarse steps gives the audio thread too few chances to race.
    static bool rendering(const Tune& tune) {
        const QDeadlineTimer deadline(5000);
        while (!tune.isRendering() && !deadline.hasExpired())
            QThread::msleep(1);
        return tune.isRendering();
    }

private slots:
    // Machines without a sound card would never start the audio thread: every tune here plays on a device
    // of the sound library that takes samples and throws them away.
    void initTestCase() {
        QVERIFY(home_.isValid());
        QFile config(home_.filePath(QStringLiteral(".asoundrc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("pcm.!default { type null }\n");
        config.close();
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path()));
    }

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

    // The device of the test plays the tune out within moments and the audio thread keeps rendering after
    // the end, so every close, destruction and start after the end here races the audio thread.
    void closeRestartDestroy_whileRendering() {
        QRandomGenerator random(20);
        for (int cycle = 0; cycle < 240; ++cycle) {
            Tune tune;
            tune.open(tunePath());
            tune.play();
            QVERIFY(rendering(tune));
            QThread::usleep(random.bounded(4000));
            switch (cycle % 3) {
            case 0:
                tune.close();
                QVERIFY(!tune.isRendering());
                break;
            case 1:
                tune.pause();
                QVERIFY(tune.isRendering());
                QThread::usleep(random.bounded(4000));
                tune.play();
                QVERIFY(tune.isPlaying());
                break;
            default:
                tune.play();
                QVERIFY(rendering(tune));
                break;
            }
        }
    }
};

QTEST_MAIN(tst_tune)
#include "tst_tune.moc"
