#include "reference/help/informa.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class TestInforma : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() { unloadAll(); }

    void captionAndVersionLine() {
        auto* box = qobject_cast<informa*>(forms::show(QStringLiteral("informa")));
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Informazioni su Zelvo"));
        QCOMPARE(box->Label1->text(), QStringLiteral("Zelvo"));
        QCOMPARE(box->Label2->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(box->Label6->text(),
                 QStringLiteral("edizione professionale - versione 2.04.05  2002- 2011"));
        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QCOMPARE(forms::show(QStringLiteral("informa")), box);
        QCOMPARE(box->Label6->text(),
                 QStringLiteral("edizione professionale - versione 2.04.05  2002- 2011"));
    }

    void closingYearComesFromTheLastTwoCharacters() {
        const QString saved = ModZelvo::codicedata;
        ModZelvo::codicedata = QStringLiteral("010199");
        const QString line = informa::rigaversione();
        ModZelvo::codicedata = saved;
        QVERIFY2(line.endsWith(QStringLiteral("2002- 2099")), qPrintable(line));
    }
};

QTEST_MAIN(TestInforma)
#include "tst_informa.moc"
