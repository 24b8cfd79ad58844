#include "support/testsupport.h"

#include "platform/controls.h"
#include "platform/forms.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using testsupport::child;

class TestFabbisogno : public QObject {
    Q_OBJECT

    testsupport::MessageBoxes boxes;

    static Form* apri() { return forms::show(QStringLiteral("fabbisogno")); }
    static void clic(QWidget* window, const char* name) {
        QTest::mouseClick(child<QAbstractButton>(window, QString::fromLatin1(name)), Qt::LeftButton);
        testsupport::settle();
    }
    static QLabel* etichetta(QWidget* window, const char* name) {
        return child<QLabel>(window, QString::fromLatin1(name));
    }

private slots:
    void initTestCase() { testsupport::initialise(); }
    void init() { boxes.clear(); }
    void cleanup() { testsupport::unloadAll(); }

    // The cells the printout does not copy, blanks included, and their colours.
    void captionsAndColours() {
        Form* page = apri();
        const struct {
            const char* name;
            const char* caption;
            quint32 colour;
        } cells[] = {
            {"label2(9)", "fabbisogno di proteine", 0x00FFFF00},
            {"label2(0)", "fabbisogno in base all'età (media)", 0x00FFFF00},
            {"Label1", "Calorie totali = peso corporeo x 24 + 50%", 0x00C0FFFF},
            {"Label8", "Glucidi (o carboidrati)....................: 4 Cal/g", 0x00C0FFFF},
            {"Label9", "Protidi (o proteine)........................: 4 Cal/g", 0x00C0FFFF},
            {"Label10", "Lipidi (o grassi)..............................: 9 Cal/g", 0x00C0FFFF},
            {"Label11(0)", "Età (anni)", 0x0000FFFF},
            {"Label12", "Peso (kg)", 0x0000FFFF},
            {"Label13", "Proteine (g)", 0x0000FFFF},
            {"Label14", "Bambini            (2g ogni kg)", 0x0080FFFF},
            {"Label15(4)", "Ragazzi        (1,5g ogni kg)", 0x0080FFFF},
            {"Label15(9)", "Adulti               (1g ogni kg)", 0x0080FFFF},
            {"Label15(1)", "35", 0x00C0FFFF},
            {"Label15(8)", "90", 0x00C0FFFF},
            {"Label15(13)", "70", 0x00C0FFFF},
            {"Label11(2)", "Femmine (Cal)", 0x0000FFFF},
            {"Label15(44)", "Attività", 0x0000FFFF},
            {"Label15(46)", "Donne", 0x0000FFFF},
            {"Label15(62)", "in allattamento", 0x0080FFFF},
            {"Label15(63)", "", 0x00C0FFFF},
            {"passo",
             "La finestra è di sola lettura: per controllo e verifica dei dati inseriti per l'elaborazione "
             "della dieta.",
             0x0000FFFF},
        };
        for (const auto& cell : cells) {
            QLabel* label = etichetta(page, cell.name);
            QVERIFY2(label, cell.name);
            QCOMPARE(label->text(), QString::fromUtf8(cell.caption));
            QVERIFY2(label->property("backColor").toUInt() == cell.colour, cell.name);
            QVERIFY2(label->frameShape() == QFrame::Box, cell.name);
        }
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmd1(5)"))->property("backColor").toUInt(),
                 controls::Red);
        QCOMPARE(child<QPushButton>(page, QStringLiteral("cmd1(16)"))->property("backColor").toUInt(),
                 controls::Grey);
    }

    // Every label shows its thin border along all four edges: the two-row group cells too, whose caption
    // keeps an inner margin.
    void labels_drawTheirBorderOnEveryEdge() {
        Form* page = apri();
        const QList<QLabel*> labels = page->findChildren<QLabel*>();
        QVERIFY(labels.size() > 70);
        for (QLabel* label : labels) {
            const QImage image = label->grab().toImage();
            const int w = image.width(), h = image.height();
            for (const QPoint at :
                 {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)}) {
                const QString where =
                    QStringLiteral("%1 at %2,%3").arg(label->objectName()).arg(at.x()).arg(at.y());
                QVERIFY2(qGray(image.pixel(at)) < 80, qPrintable(where));
            }
        }
    }

    void window_reducedBarAndDesignSize() {
        Form* page = apri();
        QCOMPARE(page->windowTitle(), QStringLiteral("Zelvo: fabbisogno giornaliero"));
        QCOMPARE(page->size(), QSize(632, 428)); // 9480 x 6420 twips
        for (const char* absent : {"cmdtab", "cmdcomp", "guidainlinea", "esco"})
            QVERIFY2(!child<QWidget>(page, QString::fromLatin1(absent)), absent);
        const char* bar[][2] = {{"aiuto", "&AIUTO"},
                                {"Command1", "&Guida in linea"},
                                {"indietro", "&Menu"},
                                {"cmdesci", "US&CITA"}};
        for (const auto& [name, caption] : bar) {
            QCOMPARE(child<QPushButton>(page, QString::fromLatin1(name))->text(),
                     QString::fromLatin1(caption));
            QCOMPARE(child<QPushButton>(page, QString::fromLatin1(name))->y(), 400); // top 6000
        }
        QCOMPARE(etichetta(page, "passo")->geometry(), QRect(160, 392, 313, 30));
        QStringList order;
        for (QWidget* w = child<QWidget>(page, QStringLiteral("aiuto")); order.size() < 12;
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
        QCOMPARE(order, (QStringList{"aiuto", "Command1", "RDA", "BMI", "BMR", "tabpesi", "grass", "stampa",
                                     "indietro", "cmdesci", "Text1", "cmd1(1)"}));
    }

    void boxes_everyLineInOrder_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("RDA") << "RDA"
                             << "Zelvo: controllo dati immessi nella finestra attiva"
                             << QStringList{
                                    "La razione giornaliera raccomandata dalla Cee (RDA) è la seguente per "
                                    "le vitamine ed i minerali:",
                                    "- C ......... = mg     60",
                                    "- B1 ....... = mg       1,4",
                                    "- B2 ....... = mg       1,65",
                                    "- PP ....... = mg     18",
                                    "- B6 ....... = mg       2",
                                    "- folacina = mcg 200",
                                    "- B12 ..... = mcg     1",
                                    "- B5 ....... = mg       6",
                                    "- Calcio .. = mg   890",
                                    "- Ferro .... = mg     14"};
        QTest::newRow("aiuto") << "aiuto"
                               << "Zelvo: aiuto in linea"
                               << QStringList{"- La finestra è di sola lettura:",
                                              "- utilizzarla per verificare la corretta elaborazione della "
                                              "dieta in base alle esigenze."};
    }
    // One information box, its lines joined by a carriage return alone; the page stays as it was.
    void boxes_everyLineInOrder() {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QStringList, lines);
        Form* page = apri();
        clic(page, qPrintable(button));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().style, 64);
        QCOMPARE(boxes.shown().first().title, title);
        QCOMPARE(boxes.shown().first().text.split(QChar(13)), lines);
        QCOMPARE(forms::find(QStringLiteral("fabbisogno")), page);
    }

    // Typed text and the printout's hint last until the page's own topic button loads it afresh.
    void kcal_reloadsThePage() {
        const QString stored = QStringLiteral(
            "giacere a letto da svegli ------------->  7 Cal/ora\nscrivere "
            "-------------------------------------> 28 "
            "Cal/ora \nmangiare -----------------------------------> 28 Cal/ora\nguidare l'auto "
            "----------------------------> 63 Cal/ora\ndattilografare -----------------------------> 70 "
            "Cal/ora\ngovernare la casa ---------------------> 70 Cal/ora\ncamminare a 5 km/ora "
            "------------> 140 "
            "Cal/ora\npedalare a 13 km/ora -------------> 175 Cal/ora\ncamminare a 6,5 km/ora ---------> 238 "
            "Cal/ora\ncorrere ------------------------------------> 500 Cal/ora\nnuotare "
            "-----------------------------------> 600 Cal/ora\n");
        Form* page = apri();
        auto* text = child<QPlainTextEdit>(page, QStringLiteral("Text1"));
        QCOMPARE(text->toPlainText(), stored);
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("appunto"));
        QVERIFY(text->toPlainText().contains(QLatin1String("appunto")));
        clic(page, "stampa");
        QCOMPARE(etichetta(page, "passo")->text(), QStringLiteral("sto caricando WORD"));

        clic(page, "cmd1(5)");
        Form* again = forms::find(QStringLiteral("fabbisogno"));
        QVERIFY(again && again != page && again->isVisible());
        QCOMPARE(again->size(), QSize(632, 428));
        QCOMPARE(child<QPlainTextEdit>(again, QStringLiteral("Text1"))->toPlainText(), stored);
        QVERIFY(
            etichetta(again, "passo")->text().startsWith(QStringLiteral("La finestra è di sola lettura")));
    }

    void leaving_unloadsThePageFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("indice glicemico") << "cmd1(16)"
                                          << "glicemico";
        QTest::newRow("alimenti") << "cmd1(1)"
                                  << "alimentari";
        QTest::newRow("indietro") << "indietro"
                                  << "menu";
    }
    void leaving_unloadsThePageFirst() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        Form* before = forms::show(QStringLiteral("menu"));
        clic(apri(), qPrintable(button));
        QVERIFY(!forms::isLoaded(QStringLiteral("fabbisogno")));
        QVERIFY(forms::find(target) && forms::find(target)->isVisible());
        QCOMPARE(forms::find(QStringLiteral("menu")), before);
    }

    void calculatorButtons_keepThePageOpen() {
        Form* page = apri();
        clic(page, "BMI");
        Form* first = forms::find(QStringLiteral("massa"));
        QVERIFY(first && first->isVisible());
        clic(page, "BMI");
        QCOMPARE(forms::find(QStringLiteral("massa")), first);
        for (const auto& [button, target] :
             {std::pair{"BMR", "basale"}, {"tabpesi", "pesi"}, {"grass", "grasso"}}) {
            clic(page, button);
            QVERIFY2(forms::find(QString::fromLatin1(target)) &&
                         forms::find(QString::fromLatin1(target))->isVisible(),
                     button);
        }
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(forms::isLoaded(QStringLiteral("fabbisogno")));
    }
};

QTEST_MAIN(TestFabbisogno)
#include "tst_fabbisogno.moc"
