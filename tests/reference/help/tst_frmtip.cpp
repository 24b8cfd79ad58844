#include "platform/textfiles.h"
#include "reference/help/frmtip.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

namespace {
QString percorsotips() {
    return ModZelvo::cartellaprogramma() + QStringLiteral("/SuggerimentiZelvo.TXT");
}

void scrivitips(const QByteArray& bytes) {
    QFile file(percorsotips());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Latin-1 text as Notepad saves it as "Unicode": a byte-order mark, then two bytes to a character.
QByteArray utf16(const char* latin1, bool littleEndian) {
    QByteArray bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char* c = latin1; *c; ++c)
        bytes.append(littleEndian ? *c : '\0').append(littleEndian ? '\0' : *c);
    return bytes;
}

frmTip* apritips() {
    return qobject_cast<frmTip*>(forms::show(QStringLiteral("frmTip")));
}
} // namespace

class TestFrmTip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() {
        unloadAll();
        QFile::remove(percorsotips());
    }

    // The tip shown on opening and after each click: + the next tip, - the previous one.
    void tips_stepThroughTheFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("forwards wrapping, back stopping at the first")
            << QByteArray("uno\r\ndue\r\ntre\r\n") << "-+++++--"
            << QStringList{"uno", "uno", "due", "tre", "uno", "due", "tre", "due", "uno"};
        QTest::newRow("an empty line is a tip of its own")
            << QByteArray("primo\r\n\r\nterzo") << "++-" << QStringList{"primo", "", "terzo", ""};
        QTest::newRow("a single line keeps showing")
            << QByteArray("solo questo") << "++-" << QStringList(4, QStringLiteral("solo questo"));
        QTest::newRow("an empty file gives an empty label")
            << QByteArray() << "+-" << QStringList(3, QString());
        QTest::newRow("Windows-1252 accents")
            << QByteArray("la qualit\xe0 del cibo \x96 perch\xe9 no\r\nsecondo\r\n") << "+"
            << QStringList{"la qualità del cibo – perché no", "secondo"};
        QTest::newRow("UTF-16 LE with a byte-order mark")
            << utf16("prima\r\n\xe8 la seconda\r\n", true) << "++"
            << QStringList{"prima", "è la seconda", "prima"};
        QTest::newRow("UTF-16 BE with a byte-order mark") << utf16("prima\r\n\xe8 la seconda", false) << "++"
                                                          << QStringList{"prima", "è la seconda", "prima"};
    }
    void tips_stepThroughTheFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, clicks);
        QFETCH(QStringList, shown);
        scrivitips(file);
        frmTip* tip = apritips();
        QStringList seen{tip->lblTipText->text()};
        for (const QChar click : clicks) {
            QTest::mouseClick(click == QLatin1Char('+') ? tip->cmdNextTip : tip->cmdprecedente,
                              Qt::LeftButton);
            seen << tip->lblTipText->text();
        }
        QCOMPARE(seen, shown);
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

        // A file that is there but cannot be opened is not called missing.
        unloadAll();
        scrivitips("uno\r\n");
        textfiles::setUnreadable([](const QString& path) { return path == percorsotips(); });
        tip = apritips();
        textfiles::setUnreadable(nullptr);
        QCOMPARE(
            tip->lblTipText->text(),
            QStringLiteral(
                "Impossibile leggere il file SuggerimentiZelvo.TXT\r\n\r\nIl file si trova nella directory "
                "dell'applicazione ma non può essere aperto: controllare che sia un file di testo e "
                "di avere il permesso di leggerlo. "));
        QTest::mouseClick(tip->cmdNextTip, Qt::LeftButton);
        QVERIFY(tip->tips().isEmpty());
    }

    void tips_oversizeFileSaysSoAndKeepsWholeLines() {
        // Lines of 100 bytes: the 4 MB read limit falls after the first character of line 41944, which is
        // UTF-8 of two bytes.
        QByteArray file;
        for (int i = 1; i <= 50000; ++i)
            file += ("Cos\xC3\xAC il suggerimento " + QByteArray::number(i)).leftJustified(98, '.') + "\r\n";
        scrivitips(file);
        frmTip* tip = apritips();
        QCOMPARE(tip->lblTipText->text(),
                 QStringLiteral(
                     "Il file SuggerimentiZelvo.TXT è troppo grande\r\n\r\nNe sono stati letti "
                     "soltanto i primi 4 MB, con 41943 suggerimenti: premere Successivo per vederli. "));
        QCOMPARE(tip->tips().last(), QString::fromUtf8(file.sliced(41942 * 100, 98)));
        QTest::mouseClick(tip->cmdNextTip, Qt::LeftButton);
        QCOMPARE(tip->lblTipText->text(), QString::fromUtf8(file.first(98)));
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
        const QString shipped =
            qEnvironmentVariable("ZELVO_SOURCE_DIR") + QStringLiteral("/resources/SuggerimentiZelvo.TXT");
        frmTip tip;
        QVERIFY(tip.LoadTips(shipped));
        QVERIFY(tip.tips().size() >= 40);
        for (const QString& line : tip.tips())
            QVERIFY2(!line.trimmed().isEmpty() && line.size() < 300, qPrintable(line));
    }
};

QTEST_MAIN(TestFrmTip)
#include "tst_frmtip.moc"
