#include "calculators/basale.h"
#include "platform/forms.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "support/inquadrati.h"
#include "support/testsupport.h"
#include "tabulazione.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::MessageBoxes;

namespace {

const QString EtaBox = QStringLiteral("Il calcolo non è attendibile per tale età: inserire almeno 18 anni.");
const QString SessoBox = QStringLiteral("Scegliere una delle voci preimpostate.");

basale* apri() {
    forms::show(QStringLiteral("basale"));
    return forms::get<basale>(QStringLiteral("basale"));
}

// Picks "maschio" from the list with the arrow key, as a person does; the window starts on "femmina".
void scegliMaschio(basale* w) {
    w->sesso->setFocus();
    QTest::keyClick(w->sesso, Qt::Key_Up);
}

// Everything the computation shows, in one list: rate, three factors, three expenditures, chosen expenditure.
QStringList risultati(const basale* w) {
    QStringList out{w->metabolismo->text()};
    for (int i = 1; i <= 3; ++i)
        out << w->indlaf[i]->text() << w->dispend[i]->text();
    out << w->dispendio->text();
    return out;
}

} // namespace

// The basal-metabolism window: its layout, the worked examples and the edges of its typing order.
class tst_basale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void load_showsCaptionsListAndHelp();
    void calcolo_workedExamples_data();
    void calcolo_workedExamples();
    void laf_afterWeightChange_keepsDispendio();
    void eta_keystrokeOrder_boxForEveryPrefixUnder18();
    void sesso_typedText_criticalBoxAtEveryKeystroke();
    void input_unusable_changesNothing_data();
    void input_unusable_changesNothing();
    void tab_followsLayout() { percorriTab(apri(), {"sesso", "età", "peso", "laf(1)", "laf(2)", "laf(3)"}); }
};

void tst_basale::load_showsCaptionsListAndHelp() {
    MessageBoxes boxes;
    basale* w = apri();
    QVERIFY(w->passo->text().startsWith(QStringLiteral("scegli il sesso, digita l'età ed il peso")));
    QCOMPARE(w->aiuto->toolTip(), QStringLiteral("cliccare per avere gli aiuti in linea"));
    QCOMPARE(w->sesso->count(), 2);
    QCOMPARE(w->sesso->itemText(0), QStringLiteral("maschio"));
    QCOMPARE(w->sesso->currentText(), QStringLiteral("femmina"));
    for (const QString& value : risultati(w))
        QVERIFY(value.isEmpty());
    QCOMPARE(w->laf[2]->text(), QStringLiteral("LAF: attività moderata e dispendio (kcal)"));
    QCOMPARE(w->laf[3]->geometry(), twips::rect(240, 1080, 3135, 315));
    QCOMPARE(w->dispend[3]->geometry().left(), twips::px(3960));
    QCOMPARE(testsupport::child<QLabel>(w, QStringLiteral("Label3"))->toolTip(), QStringLiteral("età"));
    // Every control within the border of its frame, its caption whole.
    const QStringList wrong = testsupport::fuoriposto(w);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));

    QCOMPARE(testsupport::helpBox(boxes, w->aiuto),
             QStringLiteral(
                 "- Scegliere il sesso;\r- digitare l'età in anni;\r- digitare il proprio peso in "
                 "chilogrammi;\r- visualizzare il risultato del metabolismo basale;\r- clicca sul tasto "
                 "LAF relativo e provare eventuali altri dati;\r- leggere le note esplicative sul "
                 "metabolismo."));
}

void tst_basale::calcolo_workedExamples_data() {
    QTest::addColumn<bool>("maschio");
    QTest::addColumn<QString>("eta");
    QTest::addColumn<QString>("peso");
    QTest::addColumn<QString>("metabolismo");
    QTest::addColumn<QStringList>("fattori");
    QTest::addColumn<QStringList>("dispendi");

    const QStringList uomoGiovane{"1,55", "1,78", "2,1"};
    const QStringList donnaGiovane{"1,56", "1,64", "1,82"};
    const QStringList uomoAnziano{"1,51", "1,51", "1,51"};
    const QStringList donnaAnziana{"1,56", "1,56", "1,56"};
    QTest::newRow("uomo 30 anni 70 kg") << true << "30"
                                        << "70"
                                        << "1691" << uomoGiovane << QStringList{"2621", "3010", "3551"};
    QTest::newRow("uomo 29 anni 70 kg") << true << "29"
                                        << "70"
                                        << "1750" << uomoGiovane << QStringList{"2713", "3115", "3675"};
    QTest::newRow("donna 25 anni 60 kg") << false << "25"
                                         << "60"
                                         << "1378" << donnaGiovane << QStringList{"2150", "2260", "2508"};
    QTest::newRow("donna 40 anni 55,5 kg") << false << "40"
                                           << "55,5"
                                           << "1312" << donnaGiovane << QStringList{"2047", "2152", "2388"};
    QTest::newRow("uomo 60 anni 70 kg") << true << "60"
                                        << "70"
                                        << "1533" << uomoAnziano << QStringList{"2315", "2315", "2315"};
    QTest::newRow("uomo 75 anni 70 kg") << true << "75"
                                        << "70"
                                        << "1407" << uomoAnziano << QStringList{"2125", "2125", "2125"};
    QTest::newRow("donna 70 anni 60 kg") << false << "70"
                                         << "60"
                                         << "1240" << donnaAnziana << QStringList{"1934", "1934", "1934"};
    // From 75 the women's own equation: 9,8 x 60 + 624.
    QTest::newRow("donna 75 anni 60 kg") << false << "75"
                                         << "60"
                                         << "1212" << donnaAnziana << QStringList{"1891", "1891", "1891"};
}

void tst_basale::calcolo_workedExamples() {
    QFETCH(bool, maschio);
    QFETCH(QString, eta);
    QFETCH(QString, peso);
    QFETCH(QString, metabolismo);
    QFETCH(QStringList, fattori);
    QFETCH(QStringList, dispendi);

    MessageBoxes boxes;
    basale* w = apri();
    if (maschio)
        scegliMaschio(w);
    QCOMPARE(w->sesso->currentText(), maschio ? QStringLiteral("maschio") : QStringLiteral("femmina"));
    testsupport::type(w->età, eta);
    testsupport::type(w->peso, peso);

    QCOMPARE(w->metabolismo->text(), metabolismo);
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(w->indlaf[i]->text(), fattori[i - 1]);
        QCOMPARE(w->dispend[i]->text(), dispendi[i - 1]);
    }
    QVERIFY(w->dispendio->text().isEmpty());
    QVERIFY2(boxes.shown().isEmpty(), "age typed before weight brings no box");
}

void tst_basale::laf_afterWeightChange_keepsDispendio() {
    MessageBoxes boxes;
    basale* w = apri();
    for (int i = 1; i <= 3; ++i)
        QTest::mouseClick(w->laf[i], Qt::LeftButton);
    QVERIFY2(w->dispendio->text().isEmpty(), "a click before any expenditure shows nothing");
    scegliMaschio(w);
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("70"));
    QTest::mouseClick(w->laf[3], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("3551"));
    QTest::mouseClick(w->laf[2], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("3010"));

    // 700 kg: 11,6 x 700 + 879 = 8999, x 1,78 = 16018; the chosen level keeps its earlier value.
    testsupport::type(w->peso, QStringLiteral("0"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("8999"));
    QCOMPARE(w->dispend[2]->text(), QStringLiteral("16018"));
    QCOMPARE(w->dispendio->text(), QStringLiteral("3010"));
    QTest::mouseClick(w->laf[2], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("16018"));
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::eta_keystrokeOrder_boxForEveryPrefixUnder18() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("18"));
    testsupport::type(w->peso, QStringLiteral("70"));
    QVERIFY2(boxes.shown().isEmpty(), "age typed before weight brings no box");
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1525"));

    // With the weight in place every prefix under 18 brings the box: the 1 of 18, the 4 of 45.
    const struct {
        const char* key;
        qsizetype boxes;
        const char* rate;
    } steps[] = {{"", 0, "1525"}, {"1", 1, "1525"}, {"8", 1, "1525"},
                 {"", 1, "1525"}, {"4", 2, "1525"}, {"5", 2, "1438"}};
    for (const auto& step : steps) {
        if (*step.key == 0)
            testsupport::erase(w->età);
        else
            testsupport::type(w->età, QString::fromLatin1(step.key));
        QCOMPARE(boxes.shown().size(), step.boxes);
        QCOMPARE(w->metabolismo->text(), QString::fromLatin1(step.rate));
    }
    for (const msgbox::Shown& box : boxes.shown()) {
        QCOMPARE(box.text, EtaBox);
        QCOMPARE(box.style, 64);
        QCOMPARE(box.title, ModZelvo::titoloaiuto);
    }

    // The age test belongs to the age box alone: a weight change under 18 computes with the youngest band.
    testsupport::erase(w->peso);
    testsupport::erase(w->età);
    testsupport::type(w->peso, QStringLiteral("6"));
    testsupport::type(w->età, QStringLiteral("17"));
    QCOMPARE(boxes.shown().size(), 4);
    testsupport::type(w->peso, QStringLiteral("0"));
    QCOMPARE(boxes.shown().size(), 4);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1378"));
    QCOMPARE(w->indlaf[3]->text(), QStringLiteral("1,82"));
    QCOMPARE(w->dispend[3]->text(), QStringLiteral("2508"));
}

void tst_basale::sesso_typedText_criticalBoxAtEveryKeystroke() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("70"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1438"));
    const QStringList before = risultati(w);

    // The emptied box, then each of the six partial texts of "maschi".
    testsupport::erase(w->sesso->lineEdit());
    testsupport::type(w->sesso->lineEdit(), QStringLiteral("maschi"));
    QCOMPARE(boxes.shown().size(), 7);
    for (const msgbox::Shown& box : boxes.shown()) {
        QCOMPARE(box.text, SessoBox);
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, ModZelvo::titoloaiuto);
    }
    QCOMPARE(risultati(w), before);
    testsupport::type(w->sesso->lineEdit(), QStringLiteral("o"));
    QCOMPARE(boxes.shown().size(), 7);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1691"));
    QCOMPARE(w->sesso->count(), 2);

    // Typing leaves no entry chosen; the arrow keys then start from the first entry, and choosing recomputes.
    QCOMPARE(w->sesso->currentIndex(), -1);
    QTest::keyClick(w->sesso, Qt::Key_Down);
    QCOMPARE(w->sesso->currentText(), QStringLiteral("maschio"));
    QTest::keyClick(w->sesso, Qt::Key_Down);
    QCOMPARE(w->sesso->currentText(), QStringLiteral("femmina"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1438"));
    QCOMPARE(boxes.shown().size(), 7);
}

void tst_basale::input_unusable_changesNothing_data() {
    QTest::addColumn<bool>("inEta");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("lettera dopo l'età") << true << "a";
    QTest::newRow("segno dopo l'età") << true << "-";
    QTest::newRow("età svuotata") << true << "";
    QTest::newRow("unità dopo il peso") << false << "kg";
    QTest::newRow("due virgole nel peso") << false << ",,";
    QTest::newRow("peso svuotato") << false << "";
    // 1e308 is a number, 11,6 x 1e308 no longer; 11,6 x 1e307 still is, 2,1 times that no longer.
    QTest::newRow("metabolismo oltre ogni numero") << false << "8";
    QTest::newRow("dispendio oltre ogni numero") << false << "7";
}

void tst_basale::input_unusable_changesNothing() {
    QFETCH(bool, inEta);
    QFETCH(QString, suffix);
    MessageBoxes boxes;
    basale* w = apri();
    scegliMaschio(w);
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("1e30"));
    QTest::mouseClick(w->laf[1], Qt::LeftButton);
    const QStringList before = risultati(w);
    QCOMPARE(before.first(), QStringLiteral("1,16E+31"));

    QLineEdit* box = inEta ? w->età : w->peso;
    if (suffix.isEmpty())
        testsupport::erase(box);
    else
        testsupport::type(box, suffix);
    QCOMPARE(risultati(w), before);
    QVERIFY(boxes.shown().isEmpty());
}

QTEST_MAIN(tst_basale)
#include "tst_basale.moc"
