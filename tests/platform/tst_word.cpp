#include "platform/dialogs.h"
#include "platform/documentwindow.h"
#include "platform/word.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <map>

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

    static QByteArray saved(const Document* doc, const QString& path) {
        QString error;
        if (!doc->saveAs(path, &error))
            qWarning("%s", qPrintable(error));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // One part of an OpenDocument package; the parts are stored uncompressed.
    static QByteArray odtPart(const QByteArray& package, const char* root) {
        const QByteArray open = QByteArray("<office:") + root;
        const QByteArray close = QByteArray("</office:") + root + '>';
        const qsizetype start = package.indexOf(open);
        const qsizetype end = package.indexOf(close, start);
        return start < 0 || end < 0 ? QByteArray() : package.mid(start, end + close.size() - start);
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
        QTest::newRow("doc as rich text") << "prova.doc" << QByteArray("{\\rtf1");
        QTest::newRow("rtf") << "prova.rtf" << QByteArray("{\\rtf1");
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

    void saveAs_docIsRichTextThatKeepsFontsBreaksTablesAndBlanks() {
        QTemporaryDir dir;
        Application app;
        Document* doc = started(app);
        app.selection().setFontSize(12);
        app.selection().typeText(QStringLiteral("prima pagina") + CR + PageBreak +
                                 QStringLiteral("età      peso {€} ≥") + CR);
        Table* table = doc->addTable(doc->bookmarkRange(QStringLiteral("\\endofdoc")), 2, 2);
        table->cellRange(1, 1).setText(QStringLiteral("alimento"));
        table->cellRange(2, 2).setText(QStringLiteral("120,50"));
        doc->alignColumn(table, 2, AlignRight);
        const QByteArray rtf = saved(doc, dir.filePath(QStringLiteral("PROVA.DOC")));
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Century Gothic;}}"));
        QVERIFY(rtf.contains("{\\f0\\fs40 Zelvo}"));
        QVERIFY(rtf.contains("\\page\n\\pard\\plain\\ql{\\f0\\fs24 et\\'e0      peso \\{\\'80\\} \\u8805?}"));
        QCOMPARE(rtf.count("\\trowd"), 2);
        QCOMPARE(rtf.count("\\cell\n"), 4);
        QCOMPARE(rtf.count("\\row\n"), 2);
        QVERIFY(rtf.contains("\\intbl\\qr{\\f0\\fs20 120,50}\\cell"));
        // A table is closed by a paragraph, or no word processor takes it as one.
        QVERIFY(rtf.mid(rtf.lastIndexOf("\\row")).contains("\\par"));
    }

    void saveAs_odtNamesTheFontOfEveryRunAndSizesEveryParagraph() {
        QTemporaryDir dir;
        Application app;
        Document* doc = started(app);
        app.selection().setFontSize(12);
        app.selection().typeText(QStringLiteral("  testo   con spazi") + CR + PageBreak + QStringLiteral("fine") + CR);
        const QByteArray package = saved(doc, dir.filePath(QStringLiteral("prova.odt")));
        QVERIFY(package.startsWith("PK"));
        QVERIFY(package.contains("mimetypeapplication/vnd.oasis.opendocument.text"));
        const QByteArray content = odtPart(package, "document-content");
        QVERIFY(!content.isEmpty());

        struct Style {
            QString font;
            QString size;
            bool pageBreak = false;
        };
        std::map<QString, Style> styles;
        QString current;
        QList<Style> paragraphs;
        QStringList texts;
        QXmlStreamReader xml(content);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto a = xml.attributes();
            if (xml.name() == QLatin1String("style"))
                current = a.value(QStringLiteral("style:name")).toString();
            else if (xml.name() == QLatin1String("text-properties"))
                styles[current] = {a.value(QStringLiteral("style:font-name")).toString(),
                                   a.value(QStringLiteral("fo:font-size")).toString(), styles[current].pageBreak};
            else if (xml.name() == QLatin1String("paragraph-properties"))
                styles[current].pageBreak = a.value(QStringLiteral("fo:break-before")) == QLatin1String("page");
            else if (xml.name() == QLatin1String("span"))
                QCOMPARE(styles[a.value(QStringLiteral("text:style-name")).toString()].font,
                         QStringLiteral("Century Gothic"));
            else if (xml.name() == QLatin1String("s"))
                texts << QStringLiteral("s%1").arg(a.value(QStringLiteral("text:c")).toString());
            else if (xml.name() == QLatin1String("p"))
                paragraphs << styles[a.value(QStringLiteral("text:style-name")).toString()];
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(!content.contains("\"Sans\""));
        QCOMPARE(paragraphs.size(), 5);
        const QStringList sizes{QStringLiteral("20pt"), QStringLiteral("16pt"), QStringLiteral("16pt"),
                                QStringLiteral("12pt"), QStringLiteral("12pt")};
        for (int i = 0; i < paragraphs.size(); ++i) {
            QCOMPARE(paragraphs[i].font, QStringLiteral("Century Gothic"));
            QCOMPARE(paragraphs[i].size, sizes[i]);
            QCOMPARE(paragraphs[i].pageBreak, i == 4);
        }
        // Blanks at the start and in runs would collapse as plain text.
        QCOMPARE(texts, (QStringList{QStringLiteral("s2"), QStringLiteral("s2")}));
    }

    void saveDialog_chosenFilterDecidesWhenTheNameHasNoKnownSuffix_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("no suffix") << "provadoc" << "Documento OpenDocument (*.odt)" << "provadoc.odt" << QByteArray("PK");
        QTest::newRow("upper case") << "prova.DOC" << "Documento OpenDocument (*.odt)" << "prova.DOC"
                                    << QByteArray("{\\rtf1");
        QTest::newRow("trailing blank") << "prova.rtf " << "Documento PDF (*.pdf)" << "prova.rtf"
                                        << QByteArray("{\\rtf1");
        QTest::newRow("blank, no suffix") << "nota " << "Rich Text Format (*.rtf)" << "nota.rtf"
                                          << QByteArray("{\\rtf1");
        QTest::newRow("unknown suffix") << "nota.v2" << "Documento PDF (*.pdf)" << "nota.v2.pdf" << QByteArray("%PDF");
    }
    void saveDialog_chosenFilterDecidesWhenTheNameHasNoKnownSuffix() {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, file);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        Application app;
        started(app);
        // The window deletes itself on closing, as it does for the user.
        auto* window = new DocumentWindow(app.sharedDocument(1));
        dialogs::setSaveFileNameAnswer([&] { return dialogs::SaveAnswer{dir.filePath(typed), filter}; });
        window->salvaConNome();
        dialogs::setSaveFileNameAnswer(nullptr);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{file});
        QFile saved(dir.filePath(file));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith(magic));
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
        QVERIFY2(error.contains(QStringLiteral("la cartella \"%1\" non esiste").arg(dir.filePath(QStringLiteral("manca")))),
                 qPrintable(error));
        QVERIFY(!QFile::exists(missing));

        // A file where a folder should be.
        const QString file = dir.filePath(QStringLiteral("file"));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(!doc->saveAs(file + QStringLiteral("/sotto/documento.doc"), &error));
        QVERIFY2(error.endsWith(QStringLiteral(": \"%1\" non è una cartella.").arg(file)), qPrintable(error));
    }

    void qtDialogsSpeakItalian() {
        QVERIFY(dialogs::loadItalianTexts());
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annulla"));
    }
};

QTEST_MAIN(tst_word)
#include "tst_word.moc"
