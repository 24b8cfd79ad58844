#include "calculators/basale.h"
#include "platform/forms.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

// Empties a box in one edit, as select-all and delete do.
void svuota(QLineEdit* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
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

    void load_showsCaptionsListAndEmptyResults();
    void aiuto_showsSixLinesJoinedByCarriageReturn();
    void calcolo_workedExamples_data();
    void calcolo_workedExamples();
    void laf_afterWeightChange_keepsDispendio();
    void laf_beforeAnyResult_changesNothing();
    void eta_typedAfterWeight_boxForEveryPrefixUnder18();
    void eta_typedBeforeWeight_noBox();
    void eta_under18ThenWeightChanged_computesFirstBand();
    void sesso_typedText_criticalBoxAtEveryKeystroke();
    void input_notANumber_changesNothing_data();
    void input_notANumber_changesNothing();
    void input_emptied_keepsResults();
    void peso_tooLargeForANumber_changesNothing();
};

void tst_basale::load_showsCaptionsListAndEmptyResults() {
    MessageBoxes boxes;
    basale* w = apri();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Zelvo: calcolo del metabolismo basale"));
    QCOMPARE(w->passo->text(), QStringLiteral("scegli il sesso, digita l'età ed il peso per controllare il "
                                              "metabolismo basale corrispondente ed il fabbisogno calorico "
                                              "giornaliero"));
    QCOMPARE(w->aiuto->toolTip(), QStringLiteral("cliccare per avere gli aiuti in linea"));

    QCOMPARE(w->sesso->count(), 2);
    QCOMPARE(w->sesso->itemText(0), QStringLiteral("maschio"));
    QCOMPARE(w->sesso->itemText(1), QStringLiteral("femmina"));
    QCOMPARE(w->sesso->currentText(), QStringLiteral("femmina"));
    QVERIFY(w->sesso->isEditable());
    QCOMPARE(w->età->objectName(), QStringLiteral("età"));
    for (const QString& value : risultati(w))
        QVERIFY(value.isEmpty());

    auto* bmr = testsupport::child<QGroupBox>(w, QStringLiteral("Frame1"));
    auto* laf = testsupport::child<QGroupBox>(w, QStringLiteral("Frame2"));
    QVERIFY(bmr && laf);
    QCOMPARE(bmr->title(), QStringLiteral("Calcolo del metabolismo basale giornaliero (BMR)"));
    QCOMPARE(laf->title(), QStringLiteral("Dispendio energetico giornaliero con metodo LAF (Livello Attività Fisica)"));
    QCOMPARE(bmr->geometry(), twips::rect(120, 960, 6975, 1935));
    QCOMPARE(laf->geometry(), twips::rect(120, 3000, 6975, 2295));

    struct Caption {
        const char* name;
        const char* text;
        const char* tip;
    };
    const Caption captions[] = {{"Label2", "sesso", "sesso"},
                                {"Label3", "età in anni", "età"},
                                {"Label4", "peso in chilogrammi", "peso della persona"},
                                {"Label5", "valore del metabolismo basale in kcal", "metabolismo basale giornaliero"}};
    int top = 360;
    for (const Caption& c : captions) {
        const auto* label = testsupport::child<QLabel>(bmr, QString::fromLatin1(c.name));
        QVERIFY2(label, c.name);
        QCOMPARE(label->text(), QString::fromUtf8(c.text));
        QCOMPARE(label->toolTip(), QString::fromUtf8(c.tip));
        QCOMPARE(label->geometry(), twips::rect(240, top, 3135, 315));
        top += 360;
    }
    QCOMPARE(w->sesso->geometry(), twips::rect(3480, 360, 1335, 315));
    QCOMPARE(w->metabolismo->geometry(), twips::rect(3480, 1440, 1335, 315));

    const char* levels[] = {"", "leggera", "moderata", "pesante"};
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(w->laf[i]->objectName(), QStringLiteral("laf(%1)").arg(i));
        QCOMPARE(w->laf[i]->text(), QStringLiteral("LAF: attività %1 e dispendio (kcal)").arg(QLatin1String(levels[i])));
        QCOMPARE(w->laf[i]->geometry(), twips::rect(240, 360 * i, 3135, 315));
        QCOMPARE(w->indlaf[i]->geometry().left(), twips::px(3480));
        QCOMPARE(w->dispend[i]->geometry().left(), twips::px(3960));
    }
    QCOMPARE(w->dispendio->geometry().topLeft(), twips::rect(3480, 1800, 0, 0).topLeft());
    const auto* note = testsupport::child<QPlainTextEdit>(w, QStringLiteral("Text1"));
    QVERIFY(note && note->isReadOnly());
    QVERIFY(note->toPlainText().startsWith(QStringLiteral("Il metabolismo basale")));
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::aiuto_showsSixLinesJoinedByCarriageReturn() {
    MessageBoxes boxes;
    basale* w = apri();
    QTest::mouseClick(w->aiuto, Qt::LeftButton);
    QCOMPARE(boxes.shown().size(), 1);
    const msgbox::Shown box = boxes.shown().first();
    QCOMPARE(box.style, 64);
    QCOMPARE(box.title, ModZelvo::titoloaiuto);
    QCOMPARE(box.text, QStringLiteral("- Scegliere il sesso;\r- digitare l'età in anni;\r- digitare il proprio peso "
                                      "in chilogrammi;\r- visualizzare il risultato del metabolismo basale;\r- "
                                      "clicca sul tasto LAF relativo e provare eventuali altri dati;\r- leggere "
                                      "le note esplicative sul metabolismo."));
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
    QTest::newRow("uomo 30 anni 70 kg") << true << "30" << "70" << "1691" << uomoGiovane
                                        << QStringList{"2621", "3010", "3551"};
    QTest::newRow("uomo 29 anni 70 kg") << true << "29" << "70" << "1750" << uomoGiovane
                                        << QStringList{"2713", "3115", "3675"};
    QTest::newRow("donna 25 anni 60 kg") << false << "25" << "60" << "1378" << donnaGiovane
                                         << QStringList{"2150", "2260", "2508"};
    QTest::newRow("donna 40 anni 55,5 kg") << false << "40" << "55,5" << "1312" << donnaGiovane
                                           << QStringList{"2047", "2152", "2388"};
    QTest::newRow("uomo 60 anni 70 kg") << true << "60" << "70" << "1533" << uomoAnziano
                                        << QStringList{"2315", "2315", "2315"};
    QTest::newRow("uomo 75 anni 70 kg") << true << "75" << "70" << "1407" << uomoAnziano
                                        << QStringList{"2125", "2125", "2125"};
    QTest::newRow("donna 70 anni 60 kg") << false << "70" << "60" << "1240" << donnaAnziana
                                         << QStringList{"1934", "1934", "1934"};
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
    scegliMaschio(w);
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("70"));

    QTest::mouseClick(w->laf[1], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("2621"));
    QTest::mouseClick(w->laf[3], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("3551"));
    QTest::mouseClick(w->laf[2], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("3010"));

    // 700 kg: 11,6 x 700 + 879.
    testsupport::type(w->peso, QStringLiteral("0"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("8999"));
    QCOMPARE(w->dispend[2]->text(), QStringLiteral("16018"));
    QCOMPARE(w->indlaf[2]->text(), QStringLiteral("1,78"));
    QCOMPARE(w->dispendio->text(), QStringLiteral("3010"));

    QTest::mouseClick(w->laf[2], Qt::LeftButton);
    QCOMPARE(w->dispendio->text(), QStringLiteral("16018"));
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::laf_beforeAnyResult_changesNothing() {
    MessageBoxes boxes;
    basale* w = apri();
    for (int i = 1; i <= 3; ++i)
        QTest::mouseClick(w->laf[i], Qt::LeftButton);
    QVERIFY(w->dispendio->text().isEmpty());
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::eta_typedAfterWeight_boxForEveryPrefixUnder18() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->peso, QStringLiteral("70"));
    QVERIFY(boxes.shown().isEmpty());

    testsupport::type(w->età, QStringLiteral("1"));
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.shown().last().text, EtaBox);
    QCOMPARE(boxes.shown().last().style, 64);
    QCOMPARE(boxes.shown().last().title, ModZelvo::titoloaiuto);
    QVERIFY(w->metabolismo->text().isEmpty());

    // 18: 14,7 x 70 + 496.
    testsupport::type(w->età, QStringLiteral("8"));
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1525"));

    // The first digit of 45 is an age under 18 too; 45 then computes in the band from 30.
    svuota(w->età);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1525"));
    testsupport::type(w->età, QStringLiteral("4"));
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1525"));
    testsupport::type(w->età, QStringLiteral("5"));
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1438"));
}

void tst_basale::eta_typedBeforeWeight_noBox() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("18"));
    testsupport::type(w->peso, QStringLiteral("70"));
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1525"));
}

void tst_basale::eta_under18ThenWeightChanged_computesFirstBand() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->peso, QStringLiteral("6"));
    testsupport::type(w->età, QStringLiteral("16"));
    QCOMPARE(boxes.shown().size(), 2);
    QVERIFY(w->metabolismo->text().isEmpty());

    // The age test belongs to the age box alone: a weight change computes with the youngest band.
    testsupport::type(w->peso, QStringLiteral("0"));
    QCOMPARE(boxes.shown().size(), 2);
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

    // "femmina" deleted letter by letter: six partial texts and the empty one.
    testsupport::erase(w->sesso->lineEdit());
    QCOMPARE(boxes.shown().size(), 7);
    for (const msgbox::Shown& box : boxes.shown()) {
        QCOMPARE(box.text, SessoBox);
        QCOMPARE(box.style, 16);
        QCOMPARE(box.title, ModZelvo::titoloaiuto);
    }
    QCOMPARE(risultati(w), before);

    testsupport::type(w->sesso->lineEdit(), QStringLiteral("maschi"));
    QCOMPARE(boxes.shown().size(), 13);
    QCOMPARE(risultati(w), before);
    testsupport::type(w->sesso->lineEdit(), QStringLiteral("o"));
    QCOMPARE(boxes.shown().size(), 13);
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1691"));
    QCOMPARE(w->sesso->count(), 2);

    // Typing leaves no entry chosen; the arrow keys then start from the first entry, and choosing recomputes.
    QCOMPARE(w->sesso->currentIndex(), -1);
    QTest::keyClick(w->sesso, Qt::Key_Down);
    QCOMPARE(w->sesso->currentText(), QStringLiteral("maschio"));
    QTest::keyClick(w->sesso, Qt::Key_Down);
    QCOMPARE(w->sesso->currentText(), QStringLiteral("femmina"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("1438"));
    QCOMPARE(boxes.shown().size(), 13);

    // Without an age nothing runs, so a wrong sex brings no box.
    svuota(w->età);
    testsupport::type(w->sesso->lineEdit(), QStringLiteral("x"));
    QCOMPARE(boxes.shown().size(), 13);
}

void tst_basale::input_notANumber_changesNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("lettera dopo l'età") << "età" << "a";
    QTest::newRow("segno dopo l'età") << "età" << "-";
    QTest::newRow("unità dopo il peso") << "peso" << "kg";
    QTest::newRow("due virgole nel peso") << "peso" << ",,";
}

void tst_basale::input_notANumber_changesNothing() {
    QFETCH(QString, box);
    QFETCH(QString, suffix);
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("70"));
    QTest::mouseClick(w->laf[1], Qt::LeftButton);
    const QStringList before = risultati(w);
    QCOMPARE(before.first(), QStringLiteral("1438"));

    testsupport::type(box == QStringLiteral("età") ? w->età : w->peso, suffix);
    QCOMPARE(risultati(w), before);
    QVERIFY(boxes.shown().isEmpty());
    scegliMaschio(w);
    QCOMPARE(risultati(w), before);
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::input_emptied_keepsResults() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("70"));
    const QStringList before = risultati(w);
    svuota(w->peso);
    QCOMPARE(risultati(w), before);
    testsupport::type(w->peso, QStringLiteral("70"));
    svuota(w->età);
    QCOMPARE(risultati(w), before);
    QVERIFY(boxes.shown().isEmpty());
}

void tst_basale::peso_tooLargeForANumber_changesNothing() {
    MessageBoxes boxes;
    basale* w = apri();
    testsupport::type(w->età, QStringLiteral("30"));
    testsupport::type(w->peso, QStringLiteral("1e30"));
    QCOMPARE(w->metabolismo->text(), QStringLiteral("8,7E+30"));
    const QStringList before = risultati(w);
    // 8,7 x 1e308 is beyond the largest number: the window stays as it was.
    testsupport::type(w->peso, QStringLiteral("8"));
    QCOMPARE(risultati(w), before);
    QVERIFY(boxes.shown().isEmpty());
}

QTEST_MAIN(tst_basale)
#include "tst_basale.moc"
