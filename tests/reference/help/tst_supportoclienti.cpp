#include "platform/forms.h"
#include "platform/twips.h"
#include "support/inquadrati.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class TestSupportoClienti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() { unloadAll(); }

    void okHidesAndKeepsTheWindow() {
        Form* page = forms::show(QStringLiteral("supportoclienti"));
        QCOMPARE(page->windowTitle(), QStringLiteral("Servizi di supporto ai clienti"));
        auto* ok = page->findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!page->isVisible());
        QCOMPARE(forms::show(QStringLiteral("supportoclienti")), page);
        QVERIFY(
            page->findChild<QLabel*>(QStringLiteral("Label9"))->text().endsWith(QStringLiteral(".example")));
        // "sito internet:" whole within its designed width, short of the web address beside it.
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("Label8"))->geometry(),
                 twips::rect(240, 3600, 855, 255));
        const QStringList wrong = fuoriposto(page);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestSupportoClienti)
#include "tst_supportoclienti.moc"
