#include "platform/docwriters.h"
#include "platform/forms.h"
#include "platform/textfiles.h"
#include "platform/twips.h"
#include "platform/word.h"
#include "reference/common/barraargomenti.h"
#include "reference/topics/pagina.h"
#include "reference/topics/paginaargomento.h"
#include "shell/modzelvo.h"
#include "support/readback.h"
#include "support/testsupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

using testsupport::child;

namespace {
const QString Hint = QStringLiteral(
    "leggi l'approfondimento o passa ad altri argomenti usando i tasti in alto nella finestra");

PaginaArgomento* apri(const QString& name) {
    auto* page = qobject_cast<PaginaArgomento*>(forms::show(name));
    return page;
}

QPushButton* topicButton(QWidget* page, int index) {
    return child<QPushButton>(page, QStringLiteral("cmd1(%1)").arg(index));
}

// Top-level windows alive under a name, deleted ones excluded.
int instances(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            ++count;
    return count;
}

// Records, at the moment a window is shown, whether another window was still loaded.
class ShowWatcher : public QObject {
public:
    ShowWatcher(QString target, QString page) : target_(std::move(target)), page_(std::move(page)) {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    bool seen = false;
    bool pageLoadedAtShow = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->objectName() == target_ &&
            static_cast<QWidget*>(watched)->isWindow() && !seen) {
            seen = true;
            pageLoadedAtShow = forms::isLoaded(page_);
        }
        return false;
    }

private:
    QString target_;
    QString page_;
};
// The first row of a tab table whose columns do not start where those of the row above start.
QString misaligned(QTextDocument* document) {
    QList<qreal> above;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.contains(QLatin1Char('\t'))) {
            above.clear();
            continue;
        }
        document->documentLayout()->blockBoundingRect(block); // lays the row out
        QList<qreal> starts;
        for (qsizetype at = text.indexOf(QLatin1Char('\t')); at >= 0;
             at = text.indexOf(QLatin1Char('\t'), at + 1))
            starts << block.layout()->lineForTextPosition(int(at + 1)).cursorToX(int(at + 1));
        for (qsizetype k = 0; k < starts.size(); ++k)
            if (k >= above.size())
                above << starts[k];
            else if (qAbs(starts[k] - above[k]) > 0.5)
                return text;
    }
    return QString();
}
} // namespace

class TestPaginaArgomento : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    // Every topic button, clicked on a page, leaves that page and shows its window.
    void cmd1_leavesPageForTopic_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("target");
        const char* targets[] = {"",           "alimentari", "appprotidi", "applipidi", "appglucidi",
                                 "fabbisogno", "appcalcio",  "appfosforo", "appferro",  "appvitA",
                                 "appvitB1",   "appvitB2",   "appvitPP",   "appvitC",   "appcolesterolo",
                                 "cottura",    "glicemico",  "appfosforo", "appalcol"};
        for (int i = 1; i <= 18; ++i)
            QTest::addRow("%d %s", i, qPrintable(BarraArgomenti::caption(i)))
                << i << QString::fromLatin1(targets[i]);
        for (int outside : {0, 19, -1, 32767})
            QTest::addRow("%d falls back", outside) << outside << "alimentari";
    }
    void cmd1_leavesPageForTopic() {
        QFETCH(int, index);
        QFETCH(QString, target);
        testsupport::MessageBoxes boxes;
        // appferro is the page of button 8; the other buttons leave it.
        const QString from = QStringLiteral("appferro");
        QPointer<PaginaArgomento> page = apri(from);
        QVERIFY(page);
        if (index >= 1 && index <= 18)
            topicButton(page, index)->click();
        else
            page->cmd1_Click(index);
        testsupport::settle();
        QVERIFY2(page.isNull(), "the page must unload itself");
        QWidget* shown = forms::find(target);
        QVERIFY2(shown && shown->isVisible(), qPrintable(target + QStringLiteral(" not shown")));
        QCOMPARE(boxes.shown().size(), 0);
        QCOMPARE(forms::loadedNames(), target == from ? QStringList{from} : QStringList{target});
    }

    // Which button is red, and the keyboard order over the bar: usual on thirteen pages, reversed on two.
    void page_ownButtonAndTabOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("own");
        QTest::addColumn<bool>("reversed");
        const struct {
            const char* name;
            int own;
            bool reversed;
        } rows[] = {{"alimentari", 1, false}, {"cottura", 15, false},       {"appprotidi", 2, false},
                    {"applipidi", 3, false},  {"appglucidi", 4, false},     {"appcalcio", 6, true},
                    {"appfosforo", 7, false}, {"appferro", 8, false},       {"appvitA", 9, false},
                    {"appvitB1", 10, false},  {"appvitB2", 11, false},      {"appvitPP", 12, false},
                    {"appvitC", 13, false},   {"appcolesterolo", 14, true}, {"appalcol", 18, false}};
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.own << r.reversed;
        QCOMPARE(reference::pagine().size(), std::size(rows));
    }
    void page_ownButtonAndTabOrder() {
        QFETCH(QString, name);
        QFETCH(int, own);
        QFETCH(bool, reversed);
        PaginaArgomento* page = apri(name);
        QVERIFY(page);
        for (int i = 1; i <= 18; ++i) {
            const quint32 colour = topicButton(page, i)->property("backColor").toUInt();
            QCOMPARE(colour, i == own ? 0x000000FFu : 0x00C0C0C0u);
            // The face shows that colour flat, from corner to corner.
            const QImage face = topicButton(page, i)->grab().toImage();
            for (const QPoint at :
                 {QPoint(3, 2), QPoint(4, face.height() / 2), QPoint(face.width() - 4, face.height() - 4)})
                QCOMPARE(face.pixelColor(at), QColor(i == own ? Qt::red : QColor(0xC0, 0xC0, 0xC0)));
        }

        QStringList expected{"aiuto",   "guidainlinea", "stampa",  "Text1",
                             "cmdcomp", "cmdtab",       "cmdmenu", "esco"};
        QStringList bar{"alimenti", "cottura", "indice glicemico", "protidi", "lipidi", "glucidi",
                        "kcal",     "calcio",  "fosforo",          "ferro",   "alcool", "altri sali minerali",
                        "vit.A",    "vit.B1",  "vit.B2",           "vit.PP",  "vit.C",  "colest."};
        if (reversed)
            std::reverse(bar.begin(), bar.end());
        expected += bar;

        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        page->aiuto->setFocus();
        QStringList walked;
        for (int i = 0; i < expected.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            auto* topic = qobject_cast<QPushButton*>(focus);
            walked << (topic && focus->objectName().startsWith(QLatin1String("cmd1(")) ? topic->text()
                                                                                       : focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(walked, expected);
        QCOMPARE(QApplication::focusWidget(), page->aiuto);
    }

    // The page's own red button closes it and loads it afresh: text at the top, the page hint back.
    void ownButton_reopensPageFresh() {
        QPointer<PaginaArgomento> page = apri(QStringLiteral("alimentari"));
        page->Text1->verticalScrollBar()->setValue(page->Text1->verticalScrollBar()->maximum());
        QVERIFY(page->Text1->verticalScrollBar()->value() > 0);
        page->stampa->click();
        page->resize(200, 150);
        topicButton(page, 1)->click();
        testsupport::settle();
        QVERIFY(page.isNull());
        PaginaArgomento* fresh = qobject_cast<PaginaArgomento*>(forms::find(QStringLiteral("alimentari")));
        QVERIFY(fresh && fresh->isVisible());
        QCOMPARE(fresh->Text1->verticalScrollBar()->value(), 0);
        QCOMPARE(fresh->passo->text(), Hint);
        QCOMPARE(fresh->size(), QSize(twips::px(9480), twips::px(6135)));
        QCOMPARE(instances(QStringLiteral("alimentari")), 1);
    }

    // However the user moves, one page name never has two windows.
    void clickSequence_leavesOneInstancePerPage() {
        forms::show(QStringLiteral("menu"));
        int clicked = 0;
        for (const char* caption : {"alimento", "protidi", "alimento", "colesterolo"})
            for (QPushButton* b : forms::find(QStringLiteral("menu"))->findChildren<QPushButton*>())
                if (b->text() == QLatin1String(caption)) {
                    b->click();
                    ++clicked;
                }
        QCOMPARE(clicked, 4);
        testsupport::settle();
        auto* page = qobject_cast<PaginaArgomento*>(forms::find(QStringLiteral("appcolesterolo")));
        QVERIFY(page);
        topicButton(page, 14)->click();
        testsupport::settle();
        topicButton(forms::find(QStringLiteral("appcolesterolo")), 1)->click();
        testsupport::settle();
        // From alimentari back to protidi, which the composer had opened and which is still open.
        topicButton(forms::find(QStringLiteral("alimentari")), 2)->click();
        testsupport::settle();
        for (const char* name : {"alimentari", "appprotidi", "appcolesterolo"})
            QVERIFY2(instances(QString::fromLatin1(name)) <= 1, name);
        QVERIFY(!forms::isLoaded(QStringLiteral("alimentari")));
        QVERIFY(!forms::isLoaded(QStringLiteral("appcolesterolo")));
        QVERIFY(forms::find(QStringLiteral("appprotidi"))->isVisible());
        QVERIFY(forms::find(QStringLiteral("menu"))->isVisible());
    }

    // "&Menu", "&Tabella" and "&Composizione" close the page before the main window appears.
    void mainButton_unloadsPageBeforeTargetShows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::newRow("cmdmenu") << "cmdmenu"
                                 << "&Menu"
                                 << "menu";
        QTest::newRow("cmdtab") << "cmdtab"
                                << "&Tabella"
                                << "tabella";
        QTest::newRow("cmdcomp") << "cmdcomp"
                                 << "&Composizione"
                                 << "composizione";
    }
    void mainButton_unloadsPageBeforeTargetShows() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        const QString name = QStringLiteral("appvitB1");
        QPointer<PaginaArgomento> page = apri(name);
        page->stampa->click();
        QPushButton* b = child<QPushButton>(page, button);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        ShowWatcher watcher(target, name);
        b->click();
        QVERIFY(watcher.seen);
        QVERIFY2(!watcher.pageLoadedAtShow, "the page was still loaded when the target appeared");
        testsupport::settle();
        QVERIFY(page.isNull());
        QVERIFY(forms::find(target)->isVisible());
        // Opening the page again starts from its first state.
        QCOMPARE(apri(name)->passo->text(), Hint);
    }

    void guidainlinea_leavesPageOpen() {
        testsupport::MessageBoxes boxes;
        QPointer<PaginaArgomento> page = apri(QStringLiteral("appcalcio"));
        QCOMPARE(page->guidainlinea->text(), QStringLiteral("&Guida in linea"));
        page->guidainlinea->click();
        testsupport::settle();
        QVERIFY(!page.isNull());
        QVERIFY(page->isVisible());
        QVERIFY(forms::isLoaded(QStringLiteral("appcalcio")));
        QVERIFY(forms::find(QStringLiteral("sommario")) &&
                forms::find(QStringLiteral("sommario"))->isVisible());
        QVERIFY(boxes.shown().isEmpty());
    }

    void aiuto_showsTwoLinesWithOkOnly() {
        testsupport::MessageBoxes boxes;
        PaginaArgomento* page = apri(QStringLiteral("appvitA"));
        page->aiuto->click();
        QCOMPARE(boxes.shown().size(), 1);
        const msgbox::Shown& box = boxes.shown().first();
        QCOMPARE(box.style, 64);
        QCOMPARE(box.title, ModZelvo::titoloaiuto);
        QCOMPARE(box.text, QStringLiteral(
                               "- La finestra è di sola lettura;\r"
                               "- clicca su un tasto in alto per visualizzare il rispettivo approndimento."));
        QVERIFY(forms::isLoaded(QStringLiteral("appvitA")));
    }

    // USCITA asks first: No leaves the page as it was, Yes closes every window but the closing screen.
    void esco_asksThenClosesEverything() {
        testsupport::MessageBoxes boxes;
        forms::show(QStringLiteral("menu"));
        PaginaArgomento* page = apri(QStringLiteral("appalcol"));
        page->esco->click();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().style, 292);
        QVERIFY(page->isVisible());
        boxes.answerNext(msgbox::Yes);
        page->esco->click();
        testsupport::settle();
        QStringList open = forms::loadedNames();
        open.removeAll(QStringLiteral("frmSplash"));
        QCOMPARE(open, QStringList());
    }

    // The vitamin C page alone has a frame and a text box 120 twips shorter.
    void frameAndText_heights_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("text");
        QTest::newRow("appvitC") << "appvitC" << 4095 << 3735;
        QTest::newRow("appvitB1") << "appvitB1" << 4215 << 3855;
        QTest::newRow("appcalcio") << "appcalcio" << 4215 << 3855;
    }
    void frameAndText_heights() {
        QFETCH(QString, name);
        QFETCH(int, frame);
        QFETCH(int, text);
        PaginaArgomento* page = apri(name);
        QVERIFY(qAbs(page->Frame3->height() - twips::px(frame)) <= 1);
        QVERIFY(qAbs(page->Text1->height() - twips::px(text)) <= 1);
        QVERIFY(page->Text1->isReadOnly());
    }

    // One page's printout, paragraph by paragraph, and a second click making a second document.
    void stampa_buildsDocumentParagraphByParagraph() {
        const QString name = QStringLiteral("appglucidi");
        const QString text = textfiles::resource(QStringLiteral(":/reference/pages/appglucidi.txt"));
        QVERIFY2(!text.isEmpty(), "the glucidi page text is missing");
        PaginaArgomento* page = apri(name);
        page->stampa->click();
        QCOMPARE(page->passo->text(), QStringLiteral("sto caricando WORD"));
        QVERIFY(ModZelvo::applicazioneword && ModZelvo::applicazioneword->isVisible());
        word::Document* first = ModZelvo::documentoword;
        QCOMPARE(ModZelvo::applicazioneword->documentCount(), 1);
        QCOMPARE(ModZelvo::applicazioneword->document(1), first);

        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QStringList expected{ModZelvo::nomeprogramma, ModZelvo::sottotitolo, QString(),
                             QStringLiteral("Approndimenti sui glucidi o carboidrati:"), QString()};
        expected += lines;
        QCOMPARE(first->paragraphTexts(), expected);

        // Sizes: 20 the name, 16 the subtitle and the empty line after it, 12 the heading, 10 the page text.
        const auto& blocks = first->blocks();
        // The document keeps an empty paragraph open at its end.
        QCOMPARE(int(blocks.size()), expected.size() + 1);
        QVERIFY(blocks.back().paragraph.runs.empty());
        for (int i = 0; i < expected.size(); ++i) {
            const word::Paragraph& p = blocks[size_t(i)].paragraph;
            QVERIFY(!blocks[size_t(i)].isTable);
            QCOMPARE(p.alignment, word::AlignJustify);
            const double size = i == 0 ? 20 : i <= 2 ? 16 : i <= 4 ? 12 : 10;
            for (const word::Run& run : p.runs) {
                QCOMPARE(run.fontName, QStringLiteral("Century Gothic"));
                QVERIFY2(run.fontSize == size,
                         qPrintable(QStringLiteral("paragraph %1 at %2 pt").arg(i).arg(run.fontSize)));
            }
        }
        QCOMPARE(first->pageBreaks(), 0);

        const auto application = ModZelvo::applicazioneword;
        page->stampa->click();
        QVERIFY(ModZelvo::applicazioneword != application);
        QVERIFY(ModZelvo::documentoword != first);
        QCOMPARE(ModZelvo::documentoword->paragraphTexts(), expected);
        QCOMPARE(first->paragraphTexts(), expected);
        QCOMPARE(page->passo->text(), QStringLiteral("sto caricando WORD"));
        QVERIFY(page->isVisible());
    }

    // Every page shows its whole text in the locked box and sends it whole to the document.
    void page_wholeTextInBoxAndDocument_data() {
        QTest::addColumn<QString>("name");
        for (const Pagina& p : reference::pagine())
            QTest::newRow(p.finestra) << p.name();
    }
    void page_wholeTextInBoxAndDocument() {
        QFETCH(QString, name);
        const QString text = textfiles::resource(reference::pagina(name)->resource());
        QVERIFY2(!text.isEmpty(), "page text missing");
        PaginaArgomento* page = apri(name);
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(page->Text1->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
                 shown);
        page->stampa->click();
        const QStringList paragraphs = ModZelvo::documentoword->paragraphTexts();
        QCOMPARE(paragraphs.mid(5).join(QLatin1Char('\n')), shown);

        // Tab tables line up in the box, in the printout and in its saved file.
        QCOMPARE(misaligned(page->Text1->document()), QString());
        const auto printout = ModZelvo::documentoword->toTextDocument();
        printout->setTextWidth(700);
        QCOMPARE(misaligned(printout.get()), QString());
        // Saved as a web page, each row is a row of a table whose columns fit the text width, 9638 twips, in
        // whole pixels of 15 twips.
        const readback::Reading web = readback::readHtml(docwriters::html(*ModZelvo::documentoword));
        QCOMPARE(web.lines.filter(QRegularExpression(QStringLiteral("^td"))).size(),
                 shown.count(QLatin1Char('\t')) +
                     shown.split(QLatin1Char('\n')).filter(QStringLiteral("\t")).size());
        QVERIFY2(web.tableWidth <= 9638 + 8, qPrintable(QString::number(web.tableWidth)));
        const QStringList rtf =
            QString::fromLatin1(docwriters::rtf(*ModZelvo::documentoword)).split(QLatin1Char('\n'));
        QCOMPARE(rtf.filter(QRegularExpression(QStringLiteral("^\\\\pard.*\\\\tx\\d"))).size(),
                 shown.split(QLatin1Char('\n')).filter(QStringLiteral("\t")).size());
    }
};

QTEST_MAIN(TestPaginaArgomento)
#include "tst_paginaargomento.moc"
