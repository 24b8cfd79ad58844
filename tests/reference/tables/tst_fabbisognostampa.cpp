#include "support/testsupport.h"

#include "platform/forms.h"
#include "platform/word.h"
#include "shell/modzelvo.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using testsupport::child;

namespace {
using Rows = QList<QStringList>;

Rows contents(const word::Table& table) {
    Rows rows;
    for (int r = 1; r <= table.rowCount(); ++r) {
        QStringList row;
        for (int c = 1; c <= table.columnCount(); ++c)
            row << table.cell(r, c).text;
        rows << row;
    }
    return rows;
}

// The columns in which every cell is right-aligned.
QList<int> rightAligned(const word::Table& table) {
    QList<int> columns;
    for (int c = 1; c <= table.columnCount(); ++c) {
        bool right = true;
        for (int r = 1; r <= table.rowCount(); ++r)
            right = right && table.cell(r, c).alignment == word::AlignRight;
        if (right)
            columns << c;
    }
    return columns;
}
} // namespace

class TestFabbisognoStampa : public QObject {
    Q_OBJECT

    testsupport::MessageBoxes boxes;

    static word::Document* stampa(Form* page) {
        QTest::mouseClick(child<QAbstractButton>(page, QStringLiteral("stampa")), Qt::LeftButton);
        return ModZelvo::documentoword;
    }

private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void document_blocksInOrder() {
        Form* page = forms::show(QStringLiteral("fabbisogno"));
        word::Document* doc = stampa(page);
        QVERIFY(doc);
        QVERIFY(ModZelvo::applicazioneword->isVisible());
        QCOMPARE(child<QLabel>(page, QStringLiteral("passo"))->text(), QStringLiteral("sto caricando WORD"));

        QStringList texts;
        QList<double> sizes;
        QStringList fonts;
        int tables = 0;
        for (const word::Document::Block& block : doc->blocks()) {
            if (block.isTable) {
                texts << QStringLiteral("[table %1]").arg(++tables);
                continue;
            }
            texts << block.paragraph.text();
            for (const word::Run& run : block.paragraph.runs) {
                fonts << run.fontName;
                if (!run.text.isEmpty())
                    sizes << run.fontSize;
            }
        }
        while (!texts.isEmpty() && texts.last().isEmpty())
            texts.removeLast();
        QCOMPARE(texts, (QStringList{"Zelvo",
                                     "menu per una dieta equilibrata",
                                     "",
                                     "Tabelle di fabbisogno calorico",
                                     "",
                                     "formula di calcolo approssimato:",
                                     "calorie totali giornaliere = peso corporeo x 24 + 50%",
                                     "",
                                     "valore calorico medio",
                                     "[table 1]",
                                     "",
                                     QStringLiteral("fabbisogno in rapporto all'attività"),
                                     "[table 2]",
                                     "",
                                     "attività e consumo enrgetico",
                                     "[table 3]",
                                     "",
                                     "fabbisogno di proteine",
                                     "[table 4]",
                                     "",
                                     QStringLiteral("fabbisogno medio in base all'età"),
                                     "[table 5]"}));
        QCOMPARE(sizes, (QList<double>{20, 16, 16, 12, 12, 10, 10, 10, 10, 10}));
        fonts.removeDuplicates();
        QCOMPARE(fonts, QStringList{"Century Gothic"});
        QCOMPARE(doc->tableCount(), 5);
        // Nothing is justified: only the listed columns move.
        for (const word::Document::Block& block : doc->blocks())
            if (!block.isTable)
                QCOMPARE(block.paragraph.alignment, word::AlignLeft);
    }

    void tables_shapesFormatAndAlignment_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<int>>("right");
        QTest::newRow("energy per gram") << 1 << 4 << 2 << QList<int>{2};
        QTest::newRow("activity") << 2 << 7 << 3 << QList<int>{2, 3};
        QTest::newRow("calories per hour") << 3 << 12 << 2 << QList<int>{2};
        QTest::newRow("protein") << 4 << 7 << 3 << QList<int>{2, 3};
        QTest::newRow("by age") << 5 << 11 << 3 << QList<int>{1, 2, 3};
    }
    void tables_shapesFormatAndAlignment() {
        QFETCH(int, n);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QList<int>, right);
        word::Document* doc = stampa(forms::show(QStringLiteral("fabbisogno")));
        const word::Table* table = doc->table(n);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), rows);
        QCOMPARE(table->columnCount(), columns);
        QCOMPARE(table->fontSize, 10.0);
        QCOMPARE(table->autoFormat, 9);
        QCOMPARE(rightAligned(*table), right);
        for (int c = 1; c <= columns; ++c)
            if (!right.contains(c))
                QCOMPARE(table->cell(2, c).alignment, word::AlignLeft);
    }

    void tables_contents() {
        word::Document* doc = stampa(forms::show(QStringLiteral("fabbisogno")));
        QCOMPARE(contents(*doc->table(1)), (Rows{{"principi nutritivi", "valore calorico"},
                                                 {"glucidi (o carboidrati)", "4 Cal/g"},
                                                 {"protidi o (proteine)", "4 Cal/g"},
                                                 {"lipidi (o grassi)", "9 Cal/g"}}));
        QCOMPARE(contents(*doc->table(2)), (Rows{{QStringLiteral("attività"), "uomini", "donne"},
                                                 {"sedentaria", "2100-2800", "1500-2100"},
                                                 {"media", "2500-3200", "1700-2400"},
                                                 {"pesante", "3800-4500", "2000-3000"},
                                                 {"molto pesante in climi freddi", "8000-9000", ""},
                                                 {"in gravidanza", "", "2500-2700"},
                                                 {"in allattamento", "", "3000"}}));
        QCOMPARE(contents(*doc->table(3)), (Rows{{QStringLiteral("attività"), "fabbisogno in Cal/ora"},
                                                 {"giacere a letto da svegli", "7"},
                                                 {"scrivere", "28"},
                                                 {"mangiare", "28"},
                                                 {"guidare l'auto", "63"},
                                                 {"dattilografare", "70"},
                                                 {"governare la casa", "70"},
                                                 {"camminare a 5 km/ora", "140"},
                                                 {"pedalare a 13 km/ora", "175"},
                                                 {"camminare a 6,5 km/ora", "238"},
                                                 {"correre", "500"},
                                                 {"nuotare", "600"}}));
        QCOMPARE(contents(*doc->table(4)), (Rows{{QStringLiteral("età (anni)"), "peso (kg)", "proteine (g)"},
                                                 {"bambini (2g ogni kg)", "25", "50"},
                                                 {"bambini (2g ogni kg)", "35", "70"},
                                                 {"ragazzi (1,5g ogni kg)", "40", "60"},
                                                 {"ragazzi (1,5g ogni kg)", "60", "90"},
                                                 {"adulti (1g ogni kg)", "50", "50"},
                                                 {"adulti (1g ogni kg)", "70", "70"}}));
        QCOMPARE(contents(*doc->table(5)),
                 (Rows{{QStringLiteral("età (anni)"), "femmine (Cal)", "maschi (Cal)"},
                       {"1-3", "1200-1300", "1200-1300"},
                       {"7-9", "1800-2100", "1800-2100"},
                       {"10", "2200", "2200"},
                       {"12", "2300", "2500"},
                       {"14", "2450", "2700"},
                       {"16", "2400", "2900"},
                       {"18", "2300", "3600"},
                       {"25", "2300", "3200"},
                       {"45", "2200", "3200"},
                       {"anziani", "2000-2200", "2000-2200"}}));
        QCOMPARE(doc->table(5)->cell(11, 1).alignment, word::AlignRight);
    }

    void pageCells_areReadWhenPrinting() {
        Form* page = forms::show(QStringLiteral("fabbisogno"));
        child<QLabel>(page, QStringLiteral("Label15(58)"))->setText(QStringLiteral("x"));
        child<QLabel>(page, QStringLiteral("Label15(43)"))->setText(QStringLiteral("y"));
        word::Document* doc = stampa(page);
        QCOMPARE(doc->table(2)->cell(5, 3).text, QStringLiteral("x"));
        QCOMPARE(doc->table(5)->cell(11, 3).text, QStringLiteral("y"));
    }

    void twoPrintouts_giveTwoDocuments_theFirstStaysOpen() {
        Form* page = forms::show(QStringLiteral("fabbisogno"));
        word::Document* first = stampa(page);
        const auto firstApplication = ModZelvo::applicazioneword;
        word::Document* second = stampa(page);
        QVERIFY(first != second);
        QVERIFY(firstApplication != ModZelvo::applicazioneword);
        QCOMPARE(ModZelvo::applicazioneword->documentCount(), 1);
        QCOMPARE(first->plainText(), second->plainText());
        QCOMPARE(ModZelvo::tabellaword, second->table(5));
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(TestFabbisognoStampa)
#include "tst_fabbisognostampa.moc"
