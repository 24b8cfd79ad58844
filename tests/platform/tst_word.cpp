#include "platform/dialogs.h"
#include "platform/documentwindow.h"
#include "platform/word.h"
#include "support/readback.h"
#include "support/testsupport.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace word;
using namespace readback;

class tst_word : public QObject {
    Q_OBJECT

    // The user's answers to the save dialogs that follow, with the filter that starts with the given text;
    // then the dialog is cancelled. The folders the dialog opens in are noted.
    static void answerSaveDialog(QStringList names, const QString& filter = {},
                                 QStringList* folders = nullptr) {
        dialogs::setSaveFileNameAnswer([names, filter, folders](const QFileDialog& dialog) mutable {
            if (folders)
                *folders << dialog.directory().absolutePath();
            const QStringList chosen = dialog.nameFilters().filter(QRegularExpression("^" + filter));
            return names.isEmpty() ? dialogs::SaveAnswer{}
                                   : dialogs::SaveAnswer{names.takeFirst(), chosen.value(0)};
        });
    }

    // Blanks at the start and in runs, escapes of each format, what no file can hold, beyond the BMP.
    static inline const QString unwritable = QString(QChar(1)) + QChar(0xD800) + QChar(0x1F) + QChar(0xFFFF);
    static inline const QString hostile =
        "  C:\\dati\\{x}  è€≥ " + unwritable + QString::fromUcs4(U"\U0001D11E fine ");
    static inline const QString replaced = QString(hostile).replace(unwritable, QString(4, QChar(0xFFFD)));

    // That text, a page break, a table with line breaks and tabs in its cells, and after it the empty
    // paragraph that sets a heading off the table, as the printouts write it; then saved.
    static bool saveHostile(const QString& path) {
        Application app;
        Document* doc = testsupport::startPrintout(app);
        app.selection().setFontSize(12);
        app.selection().typeText(hostile + CR + PageBreak + QStringLiteral("età") + CR);
        Table* table = doc->addTable(doc->bookmarkRange(QStringLiteral("\\endofdoc")), 3, 2);
        table->range().setFontSize(9);
        const QStringList cells{"alimento", "kcal {grammi}", "riga uno\r\nriga due",
                                "\\tab\t1", "a\rb",          "x  y"};
        for (int i = 0; i < cells.size(); ++i)
            table->cellRange(i / 2 + 1, i % 2 + 1).setText(cells[i]);
        table->setAutoFormat(9);
        ParagraphObject heading = doc->addParagraph(doc->bookmarkRange(QStringLiteral("\\endofdoc")));
        heading.range().setText(CR + QStringLiteral("dopo"));
        doc->select();
        app.selection().setAlignment(AlignJustify);
        doc->table(1)->selectColumn(2);
        app.selection().setAlignment(AlignRight);
        QString error;
        const bool saved = doc->saveAs(path, &error);
        if (!saved)
            qWarning() << error;
        return saved;
    }

private slots:
    void initTestCase() { Application::setShowWindows(false); }

    void paragraphRange_writtenTwice_keepsBothInOrder() {
        Application app;
        Document* doc = testsupport::startPrintout(app);
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

    void saveAs_eachFormatReadsBackAsWritten_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("widthSlack");
        QTest::newRow("odt") << "prova.odt"
                             << "\t" << 6;
        QTest::newRow("rtf") << "prova.rtf"
                             << "\t" << 0;
        QTest::newRow("doc, upper case") << "PROVA.DOC"
                                         << "\t" << 0;
        // Word processors read HTML collapsing blanks and tabs: what they keep comes back as blanks. Widths
        // are whole pixels of 15 twips.
        QTest::newRow("html") << "prova.html"
                              << "    " << 8;
    }
    void saveAs_eachFormatReadsBackAsWritten() {
        QFETCH(QString, file);
        QFETCH(QString, tab);
        QFETCH(int, widthSlack);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QVERIFY(saveHostile(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString suffix = QFileInfo(file).suffix().toLower();
        const auto reader = suffix == "odt" ? readOdt : suffix == "html" ? readHtml : readRtf;
        const Reading read = reader(saved.readAll());
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(
            read.lines,
            QStringList({"p 20 justify: Zelvo", "p 16 justify: sottotitolo",
                         "p 16 justify: ", "p 12 justify: " + replaced, "p 12 justify page: età",
                         "th 9 justify bold: alimento", "th 9 right bold: kcal {grammi}",
                         "td 9 justify: riga uno\nriga due", "td 9 right: \\tab" + tab + "1",
                         "td 9 justify: a\nb", "td 9 right: x  y", "p 10 justify: ", "p 10 justify: dopo"}));
        QCOMPARE(read.fonts, QSet<QString>{"Century Gothic"});
        // The columns span the text width of A4 with margins of 2 cm, 9638 twips.
        QVERIFY2(qAbs(read.tableWidth - 9638) <= widthSlack, qPrintable(QString::number(read.tableWidth)));
        if (suffix == "html")
            QCOMPARE(read.language + ": " + read.title, "it: " + replaced.simplified());
    }

    // A text editor shows a line per paragraph and per table row; a cell's line break or tab would split its
    // row.
    void saveAs_text_replacesWhatNoFileHoldsAndKeepsRowsWhole() {
        QTemporaryDir dir;
        QVERIFY(saveHostile(dir.filePath("prova.txt")));
        QFile saved(dir.filePath("prova.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()).split(u'\n'),
                 QStringList({"Zelvo", "sottotitolo", "", replaced, "età", "alimento\tkcal {grammi}",
                              "riga uno riga due\t\\tab 1", "a b\tx  y", "", "dopo", ""}));
    }

    void saveDialog_completesTheTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("trailing dot") << "prova."
                                      << "Documento di testo"
                                      << "prova.odt" << QByteArray("PK\3\4");
        QTest::newRow("upper case") << "prova.DOC"
                                    << "Documento di testo"
                                    << "prova.DOC" << QByteArray("{\\rtf1");
        QTest::newRow("trailing blank") << "prova.rtf "
                                        << "Documento PDF"
                                        << "prova.rtf" << QByteArray("{\\rtf1");
        QTest::newRow("word filter") << "lettera"
                                     << "Documento per Word"
                                     << "lettera.doc" << QByteArray("{\\rtf1");
        QTest::newRow("unknown suffix") << "nota.v2"
                                        << "Documento PDF"
                                        << "nota.v2.pdf" << QByteArray("%PDF");
        QTest::newRow("two suffixes") << "pagina"
                                      << "Pagina HTML"
                                      << "pagina.html" << QByteArray("<!DOCTYPE");
        QTest::newRow("second of two") << "pagina.htm"
                                       << "Testo"
                                       << "pagina.htm" << QByteArray("<!DOCTYPE");
        QTest::newRow("text") << "nota"
                              << "Testo"
                              << "nota.txt" << QByteArray("Zelvo\nsottotitolo\n");
    }
    void saveDialog_completesTheTypedName() {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, file);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        Application app;
        testsupport::startPrintout(app);
        // The window deletes itself on closing, as it does for the user.
        auto* window = new DocumentWindow(app.sharedDocument(1));
        answerSaveDialog({dir.filePath(typed)}, filter);
        window->salvaConNome();
        dialogs::setSaveFileNameAnswer(nullptr);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{file});
        QFile saved(dir.filePath(file));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith(magic));
    }

    void saveDialog_asksBeforeReplacingAndShowsFailures() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prova.odt"));
        auto contents = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("vecchio") == 7);
        old.close();
        Application app;
        testsupport::startPrintout(app);
        auto* window = new DocumentWindow(app.sharedDocument(1));
        testsupport::MessageBoxes boxes;
        QStringList folders;
        // Answered No, the question keeps the file and the dialog comes back, in the folder last saved to.
        answerSaveDialog({dir.filePath(QStringLiteral("altro.rtf")), path}, QString(), &folders);
        window->salvaConNome();
        window->salvaConNome();
        QCOMPARE(folders.mid(1), QStringList({dir.path(), dir.path()}));
        QCOMPARE(contents(), QByteArray("vecchio"));
        // Answered Yes, it replaces the file; a read-only file is kept, even for a user whom the system would
        // let replace it, and the window says why without asking first.
        boxes.answerNext(msgbox::Yes);
        answerSaveDialog({path});
        window->salvaConNome();
        const QByteArray replaced = contents();
        QVERIFY(replaced.startsWith("PK\3\4"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        app.selection().typeText(QStringLiteral("in più"));
        answerSaveDialog({path});
        window->salvaConNome();
        QCOMPARE(contents(), replaced);
        dialogs::setSaveFileNameAnswer(nullptr);
        window->close();
        QCOMPARE(boxes.shown().size(), 3);
        QCOMPARE(boxes.shown()[1].style, msgbox::YesNoQuestionDefaultNo);
        QCOMPARE(boxes.shown()[2].style, msgbox::Critical);
        QVERIFY2(boxes.shown()[2].text.endsWith(QStringLiteral(": il file è di sola lettura.")),
                 qPrintable(boxes.shown()[2].text));
    }

    void saveAs_failure_leavesExistingFileAndExplains() {
        QTemporaryDir dir;
        Application app;
        Document* doc = testsupport::startPrintout(app);
        QString error;
        const QString missing = dir.filePath(QStringLiteral("manca/documento.odt"));
        QVERIFY(!doc->saveAs(missing, &error));
        QVERIFY(error.contains(QStringLiteral("Impossibile salvare")));
        QVERIFY(error.contains(QStringLiteral("documento.odt")));
        QVERIFY2(
            error.contains(
                QStringLiteral("la cartella \"%1\" non esiste").arg(dir.filePath(QStringLiteral("manca")))),
            qPrintable(error));
        QVERIFY(!QFile::exists(missing));

        // A file where a folder should be.
        const QString file = dir.filePath(QStringLiteral("file"));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(!doc->saveAs(file + QStringLiteral("/sotto/documento.doc"), &error));
        QVERIFY2(error.endsWith(QStringLiteral(": \"%1\" non è una cartella.").arg(file)), qPrintable(error));
        QVERIFY(!doc->saveAs(dir.filePath(QString(300, u'n') + QStringLiteral(".rtf")), &error));
        QVERIFY2(error.contains(QStringLiteral(": il nome del file è troppo lungo")), qPrintable(error));
    }
};

QTEST_MAIN(tst_word)
#include "tst_word.moc"
