#include "platform/tune.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <chrono>
#include <memory>
#include <semaphore>

namespace {
constexpr int second = 44100;
QString tunePath() {
    return qEnvironmentVariable("ZELVO_SOURCE_DIR") + QStringLiteral("/resources/Internet.mid");
}
} // namespace

class tst_tune : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    // The audio-thread test plays on a device of the sound library that throws the samples away, so that
    // it runs without a sound card; the other tests listen to the tune through the buffer.
    void initTestCase() {
        QVERIFY(home_.isValid());
        QFile config(home_.filePath(QStringLiteral(".asoundrc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("pcm.!default { type null }\n");
        config.close();
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path()));
        QVERIFY2(!Tune::soundFontPath().isEmpty(), "no sound font: scripts/deps.sh installs one");
        Tune::renderToBuffer(true);
    }

    void playPauseResumeClose_asHeard() {
        Tune tune;
        tune.open(tunePath());
        QCOMPARE(tune.pull(second), 0);
        tune.play();
        QVERIFY(tune.pull(second) > second / 2);
        const int stopped = tune.position();
        tune.pause();
        tune.pull(second); // the notes fade out
        QCOMPARE(tune.pull(second), 0);
        QCOMPARE(tune.position(), stopped);
        // It carries on from where it stopped, the cut note left out: one second of the tune is 480 ticks.
        tune.play();
        QVERIFY(tune.pull(second) > second / 4);
        QVERIFY2(qAbs(tune.position() - stopped - 480) < 20, qPrintable(QString::number(tune.position())));
        tune.close();
        QCOMPARE(tune.pull(second), 0);
        tune.play();
        QCOMPARE(tune.pull(second), 0);
    }

    void endOfTune_playStartsItAgain() {
        Tune tune;
        tune.open(tunePath());
        tune.play();
        tune.pull(20 * second);
        QCOMPARE(tune.pull(second), 0);
        tune.play();
        QVERIFY(tune.pull(second) > second / 2);
        QVERIFY(tune.position() < 500);
    }

    void withoutFile_silentAndNoError() {
        Tune tune;
        tune.open(QStringLiteral("/nessuna/cartella/Internet.mid"));
        tune.play();
        QCOMPARE(tune.pull(second), 0);
        tune.pause();
        tune.close();
    }

    // A device whose opening never returns (a card held by another program, a stalled sound server) holds up
    // only the tune's thread: the calls and the end of the tune return at once, and the tune stays silent.
    // Held here for five seconds at most, so that a call that waits for the device fails instead of hanging;
    // let go at the end, the stuck thread opens the device and finishes, the tune gone, during the next test.
    void stuckDevice_callsReturnAtOnce() {
        static std::counting_semaphore<> opening{0}, release{0};
        Tune::renderToBuffer(false);
        Tune::deviceOpening = [] {
            opening.release();
            (void)release.try_acquire_for(std::chrono::seconds(5));
        };
        const auto restore = qScopeGuard([] {
            Tune::deviceOpening = nullptr;
            release.release();
            Tune::renderToBuffer(true);
        });
        auto tune = std::make_unique<Tune>();
        tune->open(tunePath());
        tune->play();
        QVERIFY(opening.try_acquire_for(std::chrono::seconds(10)));
        QElapsedTimer clock;
        clock.start();
        tune->pause();
        tune->play();
        tune->close();
        tune->open(tunePath());
        tune->play();
        const bool rendering = tune->isRendering();
        tune.reset();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!rendering);
    }

    // On a device the audio thread renders on and keeps rendering after the tune's end, so every close,
    // destruction and start after the end here races it: the device must stop before the player goes.
    void closeRestartDestroy_whileRendering() {
        Tune::renderToBuffer(false);
        QRandomGenerator random(20);
        for (int cycle = 0; cycle < 240; ++cycle) {
            Tune tune;
            tune.open(tunePath());
            tune.play();
            const QDeadlineTimer deadline(5000);
            while (!tune.isRendering() && !deadline.hasExpired())
                QThread::msleep(1);
            QVERIFY(tune.isRendering());
            QThread::usleep(random.bounded(4000));
            if (cycle % 3 == 0)
                tune.close();
            else if (cycle % 3 == 1)
                tune.pause();
            QThread::usleep(random.bounded(4000));
            tune.play();
            QTRY_COMPARE(tune.isRendering(), cycle % 3 != 0);
        }
        Tune::renderToBuffer(true);
    }
};

QTEST_MAIN(tst_tune)
#include "tst_tune.moc"
