#include "support/testsupport.h"

#include "reference/tables/glicemico.h"

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/word.h"
#include "shell/modzelvo.h"

#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using testsupport::child;

namespace {
struct Shown {
    QString number, name, index;
};

Shown row(QWidget* page, int i) {
    auto text = [page](const char* column, int i) {
        auto* cell = child<QLabel>(page, QStringLiteral("%1(%2)").arg(QLatin1String(column)).arg(i));
        return cell ? cell->text() : QStringLiteral("<missing>");
    };
    return {text("num", i), text("ali", i), text("ig", i)};
}
} // namespace

class TestGlicemico : public QObject {
    Q_OBJECT

    testsupport::MessageBoxes boxes;

    static glicemico* apri() { return qobject_cast<glicemico*>(forms::show(QStringLiteral("glicemico"))); }
    static void clic(QWidget* window, const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
        testsupport::settle();
    }
    static void verifyTop(QWidget* page, int first, const QString& firstName, const QString& lastName) {
        const Shown top = row(page, 1);
        const Shown bottom = row(page, 15);
        QCOMPARE(top.number, QString::number(first));
        QCOMPARE(top.name, firstName);
        QCOMPARE(bottom.number, QString::number(first + 14));
        QCOMPARE(bottom.name, lastName);
    }

private slots:
    void initTestCase() { testsupport::initialise(); }
    void init() { boxes.clear(); }
    void cleanup() { testsupport::unloadAll(); }

    void load_showsRowsOneToFifteen() {
        glicemico* page = apri();
        QCOMPARE(page->windowTitle(), QStringLiteral("Zelvo: l'indice glicemico"));
        QCOMPARE(child<QGroupBox>(page, QStringLiteral("Frame3"))->title(),
                 QStringLiteral("Tabella dell'indice glicemico:"));
        verifyTop(page, 1, QStringLiteral("Yogurt scremato"), QStringLiteral("Lenticchie comuni"));
        QCOMPARE(row(page, 1).index, QStringLiteral("20"));
        QCOMPARE(row(page, 15).index, QStringLiteral("42"));
        QCOMPARE(row(page, 0).index, QStringLiteral("indice glicemico"));
        QCOMPARE(
            child<QLabel>(page, QStringLiteral("passo"))->text(),
            QStringLiteral("leggi l'approfondimento o passa ad altri argomenti usando i tasti in alto nella "
                           "finestra"));
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmd1(16)"))->property("backColor").toUInt(),
                 controls::Red);
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmd1(5)"))->property("backColor").toUInt(),
                 controls::Grey);

        QScrollBar* bar = page->VScroll1;
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 115);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 15);
        QCOMPARE(bar->value(), 1);
        QVERIFY(!bar->hasTracking());
    }

    void introductionAndTable_asStored() {
        glicemico* page = apri();
        const QStringList lines = page->Text1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4); // three lines, each ended
        QCOMPARE(lines[1],
                 QStringLiteral("La tabella visualizzata illustra l'Indice Glicemico dei principali "
                                "alimenti. "));
        QCOMPARE(page->Text1->toPlainText().size() + 3, 459); // counted with CR LF line ends
        QVERIFY(page->nomialimenti[0].isEmpty());
        // Every row, blanks and repeated foods included: "name<TAB>index<LF>" for rows 1 to 129 of the
        // published table, digested, so a single mistyped letter or figure anywhere fails.
        QByteArray table;
        for (int i = 1; i <= glicemico::Righe; ++i)
            table +=
                page->nomialimenti[i].toUtf8() + '\t' + QByteArray::number(page->indiciglicemici[i]) + '\n';
        // A failure prints the rows as read, to set beside the published table.
        QVERIFY2(QCryptographicHash::hash(table, QCryptographicHash::Sha1).toHex() ==
                     "bb2d3a96b58170ab7138059f4ae3611090603bd4",
                 table.constData());
    }

    void scrolling_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("lastName");
        QTest::newRow("16") << 16 << 16 << "Fagioli"
                            << "Mele";
        QTest::newRow("110") << 110 << 110 << "Patate fritte"
                             << "Riso istantanco bollito per 6 min ";
        QTest::newRow("115") << 115 << 115 << "Galletta per colazione"
                             << "Maltosio";
        QTest::newRow("beyond the end") << 500 << 115 << "Galletta per colazione"
                                        << "Maltosio";
        QTest::newRow("before the start") << -7 << 1 << "Yogurt scremato"
                                          << "Lenticchie comuni";
    }
    void scrolling() {
        QFETCH(int, value);
        QFETCH(int, first);
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        glicemico* page = apri();
        page->VScroll1->setValue(value);
        verifyTop(page, first, firstName, lastName);
    }

    void trackClicks_moveFifteenRows_neverBeyondTheEnds() {
        glicemico* page = apri();
        page->VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        verifyTop(page, 16, QStringLiteral("Fagioli"), QStringLiteral("Mele"));
        page->VScroll1->setValue(110);
        page->VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        verifyTop(page, 115, QStringLiteral("Galletta per colazione"), QStringLiteral("Maltosio"));
        QCOMPARE(row(page, 15).index, QStringLiteral("150"));
        page->VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(row(page, 15).number, QStringLiteral("129"));
        page->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(row(page, 15).number, QStringLiteral("129"));
        page->VScroll1->setValue(3);
        page->VScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);
        verifyTop(page, 1, QStringLiteral("Yogurt scremato"), QStringLiteral("Lenticchie comuni"));
        page->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(row(page, 1).number, QStringLiteral("1"));
        page->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        verifyTop(page, 2, QStringLiteral("Fagioli in scatola"), QStringLiteral("Fagioli"));
    }

    void dragging_refillsOnlyOnRelease() {
        glicemico* page = apri();
        page->VScroll1->setSliderDown(true);
        page->VScroll1->setSliderPosition(60);
        QCOMPARE(row(page, 1).number, QStringLiteral("1"));
        page->VScroll1->setSliderPosition(61);
        QCOMPARE(row(page, 1).name, QStringLiteral("Yogurt scremato"));
        page->VScroll1->setSliderDown(false);
        QCOMPARE(row(page, 1).number, QStringLiteral("61"));
        QCOMPARE(row(page, 1).name, QStringLiteral("Grano saraceno"));
    }

    void ownTopicButton_reopensAtRowOne() {
        glicemico* page = apri();
        page->VScroll1->setValue(80);
        clic(page, QStringLiteral("cmd1(16)"));
        glicemico* again = qobject_cast<glicemico*>(forms::find(QStringLiteral("glicemico")));
        QVERIFY(again && again != page);
        QCOMPARE(again->VScroll1->value(), 1);
        QCOMPARE(row(again, 1).name, QStringLiteral("Yogurt scremato"));
    }

    void navigation_unloadsBeforeLeaving_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("kcal") << "cmd1(5)"
                              << "fabbisogno";
        QTest::newRow("alimenti") << "cmd1(1)"
                                  << "alimentari";
        QTest::newRow("menu") << "cmdmenu"
                              << "menu";
        QTest::newRow("tabella") << "cmdtab"
                                 << "tabella";
        QTest::newRow("composizione") << "cmdcomp"
                                      << "composizione";
    }
    void navigation_unloadsBeforeLeaving() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        clic(apri(), button);
        QVERIFY(!forms::isLoaded(QStringLiteral("glicemico")));
        QVERIFY(forms::find(target) && forms::find(target)->isVisible());
    }

    void printout_table() {
        glicemico* page = apri();
        page->VScroll1->setValue(40);
        clic(page, QStringLiteral("stampa"));
        word::Document* doc = ModZelvo::documentoword;
        QVERIFY(doc);
        QCOMPARE(child<QLabel>(page, QStringLiteral("passo"))->text(), QStringLiteral("sto caricando WORD"));
        QCOMPARE(doc->tableCount(), 1);
        const word::Table* table = doc->table(1);
        QCOMPARE(ModZelvo::tabellaword, table);
        QCOMPARE(table->rowCount(), 130);
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->fontSize, 10.0);
        QCOMPARE(table->autoFormat, 9);
        QCOMPARE(table->cell(1, 3).text, QStringLiteral("indice glicemico"));
        // Every row whatever the scroll position; numbers with a leading blank, names as stored.
        for (int i = 1; i <= 129; ++i) {
            QCOMPARE(table->cell(i + 1, 1).text, QStringLiteral(" %1").arg(i));
            QCOMPARE(table->cell(i + 1, 2).text, page->nomialimenti[i]);
            QCOMPARE(table->cell(i + 1, 3).text, QString::number(page->indiciglicemici[i]));
            QCOMPARE(table->cell(i + 1, 3).alignment, word::AlignRight);
            QCOMPARE(table->cell(i + 1, 1).alignment, word::AlignJustify);
        }
        QCOMPARE(row(page, 1).number, QStringLiteral("40"));
    }

    void printout_paragraphs() {
        clic(apri(), QStringLiteral("stampa"));
        word::Document* doc = ModZelvo::documentoword;
        QStringList texts = doc->paragraphTexts();
        while (!texts.isEmpty() && texts.last().isEmpty())
            texts.removeLast();
        QCOMPARE(texts.mid(0, 5), (QStringList{"Zelvo", "menu per una dieta equilibrata", "",
                                               "Tabella dell'indice glicemico:", ""}));
        QCOMPARE(texts.mid(5, 3),
                 (QStringList{"Indice Glicemico",
                              "La tabella visualizzata illustra l'Indice Glicemico dei principali "
                              "alimenti. ",
                              apri()->Text1->toPlainText().split('\n')[2]}));
        QCOMPARE(texts.last(), QStringLiteral("Tabella dell'indice glicemico"));
        for (const word::Document::Block& block : doc->blocks())
            if (!block.isTable && !block.paragraph.runs.empty())
                QCOMPARE(block.paragraph.alignment, word::AlignJustify);
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(TestGlicemico)
#include "tst_glicemico.moc"
