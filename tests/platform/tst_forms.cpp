#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/clsresize.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
int loads = 0;
int unloads = 0;

// A window that counts its lifecycle calls and keeps its one control in proportion.
class Sample : public Form {
public:
    Sample() : Form(QStringLiteral("sample")) {
        resize(200, 100);
        label = controls::label(this, QStringLiteral("Label1"), QStringLiteral("x"), 300, 300, 1500, 300);
    }
    void Form_Load() override {
        ++loads;
        resizer.SourceForm(this);
        resizer.ReInitialise();
    }
    void Form_Unload() override { ++unloads; }
    void Form_Resize() override { resizer.ResizeControls(); }
    clsResize resizer;
    QLabel* label;
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

    void sizeFormToScreen_threeQuartersCentred() {
        auto* form = static_cast<Sample*>(forms::show(QStringLiteral("sample")));
        form->resizer.SizeFormToScreen(75);
        QCOMPARE(form->screen()->geometry(), QRect(0, 0, 1280, 800));
        QCOMPARE(QRect(form->pos(), form->size()), QRect(160, 100, 960, 600));
    }

    // Shrunk to nothing, as a minimised window is, and back: every size is computed from the design.
    void resize_scalesControls_andShrinkRestoreKeepsLayout() {
        auto* form = static_cast<Sample*>(forms::show(QStringLiteral("sample")));
        const QRect design = form->label->geometry();
        form->resize(400, 300);
        QCOMPARE(form->label->geometry(),
                 QRect(design.x() * 2, design.y() * 3, design.width() * 2, design.height() * 3));
        form->resize(1, 1);
        QVERIFY(form->label->width() <= 1 && form->label->height() <= 1);
        form->resize(200, 100);
        QCOMPARE(form->label->geometry(), design);
    }
};

QTEST_MAIN(tst_forms)
#include "tst_forms.moc"
