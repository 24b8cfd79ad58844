#include "platform/dialogs.h"
#include "platform/documentwindow.h"
#include "platform/word.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <sys/stat.h>
#include <unistd.h>

using namespace word;

class tst_documentwindow : public QObject {
    Q_OBJECT

    static DocumentWindow* window() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<DocumentWindow*>(w); found && found->isVisible())
                return found;
        return nullptr;
    }

    // A printout as the program makes them: the window opens on an empty document, which then fills up.
    static Document* printout(Application& app, int rows) {
        app.setVisible(true);
        Document* doc = testsupport::startPrintout(app);
        app.selection().setFontSize(12);
        app.selection().typeText(QStringLiteral("Tabella dell'indice glicemico:") + CR);
        Table* table = doc->addTable(doc->bookmarkRange(QStringLiteral("\\endofdoc")), rows, 2);
        for (int r = 1; r <= rows; ++r) {
            table->cellRange(r, 1).setText(QStringLiteral("alimento %1").arg(r));
            table->cellRange(r, 2).setText(QString::number(r * 3));
        }
        table->setAutoFormat(9);
        return doc;
    }

private slots:
    void initTestCase() { Application::setShowWindows(true); }

    void cleanup() {
        while (DocumentWindow* w = window())
            w->close();
        testsupport::settle();
    }

    void window_showsWholeDocumentWithScrollBarOnlyWhenLong_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("short") << 3 << false;
        QTest::newRow("long") << 130 << true;
    }
    void window_showsWholeDocumentWithScrollBarOnlyWhenLong() {
        QFETCH(int, rows);
        QFETCH(bool, scrolls);
        Application app;
        Document* doc = printout(app, rows);
        testsupport::settle();
        DocumentWindow* w = window();
        QVERIFY(w);
        auto* view = w->findChild<QTextBrowser*>();
        QCOMPARE(view->toPlainText(), doc->toTextDocument()->toPlainText());
        QCOMPARE(view->verticalScrollBar()->isVisible(), scrolls);
        // Laid out at the width the view ends up with.
        QCOMPARE(view->document()->pageSize().width(), double(view->viewport()->width()));
    }

    void changedDocument_replacesWhatTheWindowShows() {
        Application app;
        Document* doc = printout(app, 3);
        testsupport::settle();
        auto* view = window()->findChild<QTextBrowser*>();
        app.selection().typeText(QStringLiteral("in fondo"));
        testsupport::settle();
        QVERIFY(view->toPlainText().endsWith(QStringLiteral("in fondo")));
        QCOMPARE(view->toPlainText(), doc->toTextDocument()->toPlainText());
        // The document shown before is gone, not left behind in the view.
        QCOMPARE(view->findChildren<QTextDocument*>().size(), 1);
    }

    // Each button's tooltip names the key that does its work; once the window is closed by its key and the
    // application is gone, nothing keeps the document.
    void newWindow_isNamedAfterThePrintoutAndItsTooltipsNameTheKeys() {
        std::weak_ptr<const Document> shown;
        QStringList tips, asked;
        {
            Application app;
            printout(app, 3);
            shown = app.sharedDocument(1);
            testsupport::settle();
            DocumentWindow* w = window();
            QCOMPARE(w->windowTitle(), QStringLiteral("Tabella dell'indice glicemico - Zelvo"));
            auto* bar = w->findChild<QToolBar*>();
            for (QAction* action : bar->actions())
                tips << bar->widgetForAction(action)->toolTip();
            QCOMPARE(tips,
                     QStringList({"Stampa... (Ctrl+P)", "Salva con nome... (Ctrl+S)", "Chiudi (Ctrl+W)"}));
            dialogs::setSaveFileNameAnswer(
                [&](const QFileDialog&) { return asked << "salva", dialogs::SaveAnswer{}; });
            dialogs::setPrintAnswer([&](QTextDocument*) { return asked << "stampa", true; });
            for (const QString& tip : tips)
                QTest::keySequence(w, QKeySequence::fromString(tip.section(QLatin1Char('('), -1).chopped(1),
                                                               QKeySequence::NativeText));
            dialogs::setSaveFileNameAnswer(nullptr);
            dialogs::setPrintAnswer(nullptr);
        }
        QCOMPARE(asked, QStringList({"stampa", "salva"}));
        testsupport::settle();
        QVERIFY2(shown.expired(), "the document outlives its window and its application");
    }

    // Folders that exist, each name within the system's limit and their whole path beyond it, so that only
    // the current folder reaches them: made and removed one inside the other from there.
    void salvaConNome_pathBeyondTheSystemLimit_saysTheNameIsTooLong() {
        QTemporaryDir dir;
        const QByteArray before = QFile::encodeName(QDir::currentPath()), folder(250, 'c');
        QString path = dir.path();
        QVERIFY(::chdir(QFile::encodeName(path).constData()) == 0);
        int depth = 0;
        for (; path.size() < 4200; ++depth, path += QLatin1Char('/') + QString::fromLatin1(folder))
            QVERIFY(::mkdir(folder.constData(), 0700) == 0 && ::chdir(folder.constData()) == 0);
        Application app;
        printout(app, 1);
        testsupport::MessageBoxes boxes;
        dialogs::setSaveFileNameAnswer([&path](const QFileDialog&) {
            return dialogs::SaveAnswer{path + "/a.odt", {}};
        });
        window()->salvaConNome();
        dialogs::setSaveFileNameAnswer(nullptr);
        for (; depth > 0; --depth)
            QVERIFY(::chdir("..") == 0 && ::rmdir(folder.constData()) == 0);
        QVERIFY(::chdir(before.constData()) == 0);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].text.endsWith(QStringLiteral(": il nome del file è troppo lungo.")));
    }

    // Qt's catalogue and the program's own, for what Qt's leaves in English.
    void printAndSaveDialogs_speakItalian() {
        QVERIFY(dialogs::loadItalianTexts());
        QPrinter printer;
        QPrintDialog dialog(&printer);
        for (const auto& [name, text] : {std::pair{"pagesRadioButton", "Pagine"},
                                         {"duplexLong", "Rilegatura sul lato lungo"},
                                         {"printAll", "Stampa tutto"}}) {
            auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
            QVERIFY2(button && button->text() == QString::fromUtf8(text), name);
        }
        QFileDialog save;
        QCOMPARE(save.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(), "Annulla");
        QCOMPARE(save.iconProvider()->type(QFileInfo(QDir::tempPath())), QStringLiteral("Cartella"));
    }
};

QTEST_MAIN(tst_documentwindow)
#include "tst_documentwindow.moc"
