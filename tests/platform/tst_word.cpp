#include "platform/word.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace word;

class tst_word : public QObject {
    Q_OBJECT

    // A document as a printout starts one: two head lines typed through the selection.
    static Document* started(Application& app) {
        Document* doc = app.addDocument();
        app.selection().setFontName(QStringLiteral("Century Gothic"));
        app.selection().setFontSize(20);
        app.selection().typeText(QStringLiteral("Zelvo") + CR);
        app.selection().setFontSize(16);
        app.selection().typeText(QStringLiteral("sottotitolo") + CR + CR);
        return doc;
    }

private slots:
    void initTestCase() { Application::setShowWindows(false); }

    void typedText_splitsAtCarriageReturns() {
        Application app;
        Document* doc = started(app);
        QCOMPARE(doc->paragraphTexts(), QStringList({"Zelvo", "sottotitolo", ""}));
        const auto& first = doc->blocks().front().paragraph.runs.front();
        QCOMPARE(first.fontName, QStringLiteral("Century Gothic"));
        QCOMPARE(first.fontSize, 20.0);
        QCOMPARE(doc->blocks()[1].paragraph.runs.front().fontSize, 16.0);
    }

    void paragraphRange_writtenTwice_keepsBothInOrder() {
        Application app;
        Document* doc = started(app);
        ParagraphObject p = doc->addParagraph(doc->bookmarkRange(QStringLiteral("\\endofdoc")));
        p.range().setFontSize(12);
        p.range().setText(QStringLiteral("Titolo:") + CR + CR);
        p.range().setFontSize(10);
        p.range().setText(QStringLiteral("riga uno\r\nriga due"));
        const QStringList texts = doc->paragraphTexts();
        QCOMPARE(texts.mid(3), QStringList({"Titolo:", "", "riga uno", "riga due"}));
        const auto& blocks = doc->blocks();
        QCOMPARE(blocks[3].paragraph.runs.front().fontSize, 12.0);
        QCOMPARE(blocks[5].paragraph.runs.front().fontSize, 10.0);
        QCOMPARE(blocks[5].paragraph.runs.front().fontName, QStringLiteral("Century Gothic"));
    }

    void selectDocument_justifiesEverything() {
        Application app;
        Document* doc = started(app);
        doc->select();
        app.selection().setAlignment(AlignJustify);
        for (const auto& block : doc->blocks())
            QCOMPARE(block.paragraph.alignment, AlignJustify);
    }

    void tables_cellsColumnsAndFormat() {
        Application app;
        Document* doc = started(app);
        Table* t = doc->addTable(doc->bookmarkRange(QStringLiteral("\\endofdoc")), 2, 3);
        t->range().setFontSize(9);
        t->cellRange(1, 1).setText(QStringLiteral("alimento"));
        t->cellRange(2, 3).setText(QStringLiteral("6,5"));
        t->setAutoFormat(9);
        Table* second = doc->addTable(doc->bookmarkRange(QStringLiteral("\\endofdoc")), 1, 1);
        QCOMPARE(doc->tableCount(), 2);
        QCOMPARE(doc->table(1), t);
        QCOMPARE(doc->table(2), second);
        QVERIFY(doc->table(3) == nullptr);
        doc->table(1)->selectColumn(3);
        app.selection().setAlignment(AlignRight);
        QCOMPARE(t->cell(1, 3).alignment, AlignRight);
        QCOMPARE(t->cell(2, 3).alignment, AlignRight);
        QCOMPARE(t->cell(2, 1).alignment, AlignLeft);
        QCOMPARE(t->cell(2, 3).text, QStringLiteral("6,5"));
        QCOMPARE(t->cell(2, 2).text, QString());
        QCOMPARE(t->fontSize, 9.0);
        QCOMPARE(t->autoFormat, 9);
    }

    void pageBreaks_areCounted() {
        Application app;
        Document* doc = started(app);
        app.selection().typeText(QStringLiteral("uno") + CR + PageBreak + QStringLiteral("due") + CR + PageBreak);
        QCOMPARE(doc->pageBreaks(), 2);
    }

    void documentsCountAndItem() {
        Application app;
        Document* a = app.addDocument();
        Document* b = app.addDocument();
        QCOMPARE(app.documentCount(), 2);
        QCOMPARE(app.document(1), a);
        QCOMPARE(app.document(2), b);
        QVERIFY(app.document(0) == nullptr);
        QVERIFY(app.document(3) == nullptr);
    }

    void saveAs_eachFormatOpensAgain_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("odt") << "prova.odt" << QByteArray("PK");
        QTest::newRow("pdf") << "prova.pdf" << QByteArray("%PDF");
        QTest::newRow("html") << "prova.html" << QByteArray("<!DOCTYPE");
        QTest::newRow("doc as html") << "prova.doc" << QByteArray("<!DOCTYPE");
    }
    void saveAs_eachFormatOpensAgain() {
        QFETCH(QString, file);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        Application app;
        Document* doc = started(app);
        app.selection().typeText(QStringLiteral("testo della prova"));
        const QString path = dir.filePath(file);
        QString error;
        QVERIFY2(doc->saveAs(path, &error), qPrintable(error));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.startsWith(magic));
        if (!file.endsWith(QLatin1String(".pdf")) && !file.endsWith(QLatin1String(".odt")))
            QVERIFY(bytes.contains("testo della prova"));
        if (file.endsWith(QLatin1String(".odt")))
            QVERIFY(bytes.contains("content.xml"));
    }

    void saveAs_failure_leavesExistingFileAndExplains() {
        QTemporaryDir dir;
        Application app;
        Document* doc = started(app);
        QString error;
        const QString missing = dir.filePath(QStringLiteral("manca/documento.odt"));
        QVERIFY(!doc->saveAs(missing, &error));
        QVERIFY(error.contains(QStringLiteral("Impossibile salvare")));
        QVERIFY(error.contains(QStringLiteral("documento.odt")));
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_MAIN(tst_word)
#include "tst_word.moc"
