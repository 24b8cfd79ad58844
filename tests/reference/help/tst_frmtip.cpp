#include "platform/twips.h"
#include "reference/help/frmtip.h"
#include "reference/help/informa.h"
#include "reference/help/supportoclienti.h"
#include "shell/modzelvo.h"
#include "support/inquadrati.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

namespace {
QString percorsotips() { return ModZelvo::cartellaprogramma() + QStringLiteral("/SuggerimentiZelvo.TXT"); }

void scrivitips(const QByteArray& bytes) {
    QFile file(percorsotips());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

frmTip* apritips() { return qobject_cast<frmTip*>(forms::show(QStringLiteral("frmTip"))); }
} // namespace

class TestTipsAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() {
        unloadAll();
        QFile::remove(percorsotips());
    }

    void tips_stepForwardsWrappingAndBackStoppingAtTheFirst() {
        scrivitips("uno\r\ndue\r\ntre\r\n");
        frmTip* tip = apritips();
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("uno"));
        QTest::mouseClick(tip->cmdprecedente, Qt::LeftButton);
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("uno"));
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(tip->cmdNextTip, Qt::LeftButton);
            seen << tip->lblTipText->text();
        }
        QCOMPARE(seen, (QStringList{QStringLiteral("due"), QStringLiteral("tre"), QStringLiteral("uno")}));
        tip->cmdNextTip_Click();
        tip->cmdNextTip_Click();
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("tre"));
        QTest::mouseClick(tip->cmdprecedente, Qt::LeftButton);
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("due"));
    }

    void tips_emptyLineIsATipOfItsOwn() {
        scrivitips("primo\r\n\r\nterzo");
        frmTip* tip = apritips();
        QCOMPARE(tip->tips().size(), 3);
        tip->cmdNextTip_Click();
        QCOMPARE(tip->lblTipText->text(), QString());
        tip->cmdNextTip_Click();
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("terzo"));
    }

    void tips_singleLineKeepsShowing() {
        scrivitips("solo questo");
        frmTip* tip = apritips();
        tip->cmdNextTip_Click();
        tip->cmdNextTip_Click();
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("solo questo"));
    }

    void tips_missingFileShowsTheMessageAndButtonsChangeNothing() {
        frmTip* tip = apritips();
        const QString expected = QStringLiteral(
            "Impossibile trovare il file SuggerimentiZelvo.TXT\r\n\r\nCreare un file di testo denominato "
            "SuggerimentiZelvo.TXT utilizzando il Blocco note e inserendo un suggerimento per ogni riga. "
            "Inserire il file nella stessa directory dell'applicazione. ");
        QCOMPARE(tip->lblTipText->text(), expected);
        QTest::mouseClick(tip->cmdNextTip, Qt::LeftButton);
        QTest::mouseClick(tip->cmdprecedente, Qt::LeftButton);
        QCOMPARE(tip->lblTipText->text(), expected);
        QVERIFY(tip->tips().isEmpty());
        QVERIFY(!tip->LoadTips(QString()));

        // Something of that name that cannot be read is not called missing.
        unloadAll();
        QVERIFY(QDir().mkdir(percorsotips()));
        const QString unreadable = apritips()->lblTipText->text();
        QDir().rmdir(percorsotips());
        QVERIFY2(unreadable.startsWith(QStringLiteral("Impossibile leggere il file SuggerimentiZelvo.TXT\r\n")),
                 qPrintable(unreadable));
    }

    void tips_emptyFileGivesAnEmptyLabel() {
        scrivitips("");
        frmTip* tip = apritips();
        QCOMPARE(tip->lblTipText->text(), QString());
        tip->cmdNextTip_Click();
        tip->cmdprecedente_Click();
        QCOMPARE(tip->lblTipText->text(), QString());
    }

    void tips_windows1252ReadsItsAccents() {
        scrivitips("la qualit\xe0 del cibo \x96 perch\xe9 no\r\nsecondo\r\n");
        frmTip* tip = apritips();
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("la qualità del cibo – perché no"));
    }

    void tips_chiudiThenReopenShowsTheSameTip() {
        scrivitips("a\r\nb\r\nc\r\n");
        frmTip* tip = apritips();
        tip->cmdNextTip_Click();
        QTest::keyClick(tip, Qt::Key_Escape);
        QVERIFY(!tip->isVisible());
        scrivitips("altro\r\n");
        QCOMPARE(apritips(), tip);
        QCOMPARE(tip->lblTipText->text(), QStringLiteral("b"));
    }

    void tips_shippedFileHasFortyShortTips() {
        const QString shipped = qEnvironmentVariable("ZELVO_SOURCE_DIR") + QStringLiteral("/resources/SuggerimentiZelvo.TXT");
        frmTip tip;
        QVERIFY(tip.LoadTips(shipped));
        QVERIFY(tip.tips().size() >= 40);
        for (const QString& line : tip.tips())
            QVERIFY2(!line.trimmed().isEmpty() && line.size() < 300, qPrintable(line));
    }

    void about_captionAndVersionLine() {
        auto* box = qobject_cast<informa*>(forms::show(QStringLiteral("informa")));
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Informazioni su Zelvo"));
        QCOMPARE(box->Label1->text(), QStringLiteral("Zelvo"));
        QCOMPARE(box->Label2->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(box->Label6->text(), QStringLiteral("edizione professionale - versione 2.04.05  2002- 2011"));
        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QCOMPARE(forms::show(QStringLiteral("informa")), box);
        QCOMPARE(box->Label6->text(), QStringLiteral("edizione professionale - versione 2.04.05  2002- 2011"));
    }

    void about_closingYearComesFromTheLastTwoCharacters() {
        const QString saved = ModZelvo::codicedata;
        ModZelvo::codicedata = QStringLiteral("010199");
        const QString line = informa::rigaversione();
        ModZelvo::codicedata = saved;
        QVERIFY2(line.endsWith(QStringLiteral("2002- 2099")), qPrintable(line));
    }

    void support_okHidesAndKeepsTheWindow() {
        Form* page = forms::show(QStringLiteral("supportoclienti"));
        QCOMPARE(page->windowTitle(), QStringLiteral("Servizi di supporto ai clienti"));
        auto* ok = page->findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!page->isVisible());
        QCOMPARE(forms::show(QStringLiteral("supportoclienti")), page);
        QVERIFY(page->findChild<QLabel*>(QStringLiteral("Label9"))->text().endsWith(QStringLiteral(".example")));
        // "sito internet:" whole within its designed width, short of the web address beside it.
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("Label8"))->geometry(),
                 twips::rect(240, 3600, 855, 255));
        const QStringList wrong = testsupport::fuoriposto(page);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestTipsAbout)
#include "tst_frmtip.moc"
