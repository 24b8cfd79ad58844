#include "platform/forms.h"
#include "support/testsupport.h"

#include <QTest>
#include <QTimer>

namespace {
int loads = 0;
int unloads = 0;

// A window that counts its lifecycle calls.
class Sample : public Form {
public:
    Sample() : Form(QStringLiteral("sample")) {}
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};
} // namespace

class tst_forms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        forms::registerForm(QStringLiteral("sample"), [] { return new Sample; });
    }
    void cleanup() { testsupport::unloadAll(); }

    void load_createsOnceWithoutShowing() {
        loads = 0;
        Form* a = forms::load(QStringLiteral("sample"));
        Form* b = forms::load(QStringLiteral("sample"));
        QCOMPARE(a, b);
        QCOMPARE(loads, 1);
        QVERIFY(!a->isVisible());
        QVERIFY(forms::load(QStringLiteral("nessuna")) == nullptr);
    }

    void unload_runsFormUnloadAndNextShowIsFresh() {
        unloads = 0;
        loads = 0;
        forms::show(QStringLiteral("sample"));
        forms::unload(QStringLiteral("sample"));
        QCOMPARE(unloads, 1);
        QVERIFY(!forms::isLoaded(QStringLiteral("sample")));
        testsupport::settle();
        forms::show(QStringLiteral("sample"));
        QCOMPARE(loads, 2);
    }

    // The close box unloads; with nothing left on screen the program ends.
    void closeBox_unloadsAndTheLastWindowEndsTheProgram() {
        QGuiApplication::setQuitOnLastWindowClosed(false); // as the program: its own rule ends it
        forms::setQuitWhenNoWindowVisible(true);
        QTimer::singleShot(0, [] { forms::show(QStringLiteral("sample"))->close(); });
        QObject waiting;
        QTimer::singleShot(3000, &waiting, [] { QCoreApplication::exit(1); });
        const int code = QCoreApplication::exec();
        forms::setQuitWhenNoWindowVisible(false);
        QCOMPARE(code, 0);
        QVERIFY(!forms::isLoaded(QStringLiteral("sample")));
    }
};

QTEST_MAIN(tst_forms)
#include "tst_forms.moc"
