#include "calculators/pesi.h"
#include "platform/forms.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::MessageBoxes;

namespace {

pesi* apri() {
    forms::show(QStringLiteral("pesi"));
    return forms::get<pesi>(QStringLiteral("pesi"));
}

QLabel* altezza(QWidget* w, const QString& sesso, int riga) {
    return testsupport::child<QLabel>(w, QStringLiteral("metri%1(%2)").arg(sesso).arg(riga));
}

QLineEdit* peso(QWidget* w, const QString& sesso, int riga, int colonna) {
    return testsupport::child<QLineEdit>(w,
                                         QStringLiteral("peso%1(%2,%3)").arg(sesso).arg(riga).arg(colonna));
}

// A range "a-b" as its two bounds.
std::pair<double, double> limiti(const QString& range) {
    const QStringList parts = range.split(QLatin1Char('-'));
    if (parts.size() != 2)
        return {0, -1};
    return {num::parse(parts[0]), num::parse(parts[1])};
}

} // namespace

// The ideal-weight window: captions, the two tables as the reference lists them, and that nothing is
// editable.
class tst_pesi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void load_showsCaptionsHeadersAndHelp();
    void tabelle_allRowsVisibleAndOrdered_data();
    void tabelle_allRowsVisibleAndOrdered();
    void celle_typing_changesNothing();
};

void tst_pesi::load_showsCaptionsHeadersAndHelp() {
    MessageBoxes boxes;
    pesi* w = apri();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Zelvo: tabella di riferimento del peso corporeo"));
    QCOMPARE(
        w->passo->text(),
        QStringLiteral("la finestra è di sola lettura: la tabella è indicativa del peso corporeo ideale"));
    QCOMPARE(w->esco->toolTip(), QStringLiteral("cliccare per uscire da Zelvo"));

    const auto* donne = testsupport::child<QGroupBox>(w, QStringLiteral("Frame1"));
    const auto* uomini = testsupport::child<QGroupBox>(w, QStringLiteral("Frame2"));
    QVERIFY(donne && uomini);
    QCOMPARE(donne->title(), QStringLiteral("Tabella peso ideale donne da 25 anni in poi"));
    QCOMPARE(uomini->title(), QStringLiteral("Tabella peso ideale uomini da 25 anni in poi"));
    QCOMPARE(donne->geometry(), twips::rect(120, 0, 4575, 5295));
    QCOMPARE(uomini->geometry(), twips::rect(4800, 0, 4575, 5295));

    const auto* costituzione = testsupport::child<QLabel>(w, QStringLiteral("costituzioneuomini"));
    QVERIFY(costituzione && costituzione->parentWidget() == uomini);
    QCOMPARE(costituzione->geometry(), twips::rect(840, 240, 3615, 240));
    QCOMPARE(testsupport::child<QLabel>(w, QStringLiteral("robustadonne"))->geometry(),
             twips::rect(3240, 480, 1215, 240));

    QCOMPARE(testsupport::helpBox(boxes, w->aiuto),
             QStringLiteral(
                 "- La finestra è di sola lettura;\r- leggere il peso ideale in corrispondenza della "
                 "propria altezza;\r- i dati si rifesricono a tre tipologie di fisico per ogni sesso;\r- "
                 "secondo il volume della massa corporea il fisico può essere di una o di un'altra "
                 "tipologia."));
}

void tst_pesi::tabelle_allRowsVisibleAndOrdered_data() {
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QStringList>("prima");
    QTest::addColumn<QStringList>("ultima");
    QTest::newRow("donne") << "donne" << QStringList{"1,48", "42.0-44.8", "43.8-48.9", "47.4-54.3"}
                           << QStringList{"1,82", "62.0-66.5", "64.7-71.5", "68.8-77.7"};
    QTest::newRow("uomini") << "uomini" << QStringList{"1,58", "51.1-54.7", "53.8-58.9", "57.4-64.2"}
                            << QStringList{"1,92", "73.6-78.6", "77.1-85.3", "81.8-91.6"};
}

void tst_pesi::tabelle_allRowsVisibleAndOrdered() {
    QFETCH(QString, sesso);
    QFETCH(QStringList, prima);
    QFETCH(QStringList, ultima);
    pesi* w = apri();
    QVERIFY(!altezza(w, sesso, 19));
    double attesa = num::parse(prima[0]);
    double sopra[4] = {0, 0, 0, 0};
    for (int r = 1; r <= 18; ++r) {
        const QString where = QStringLiteral("%1 riga %2").arg(sesso).arg(r);
        QLabel* metri = altezza(w, sesso, r);
        QVERIFY2(metri, qPrintable(where));
        QStringList riga{metri->text()};
        // Heights run in steps of 2 cm, and every row lies wholly inside its frame.
        QCOMPARE(num::parse(metri->text()), attesa);
        attesa = num::roundHalfUp(attesa + 0.02, 2);
        QVERIFY2(metri->parentWidget()->rect().contains(metri->geometry()), qPrintable(where));
        double sinistra = 0;
        for (int c = 1; c <= 3; ++c) {
            QLineEdit* cella = peso(w, sesso, r, c);
            QVERIFY2(cella && cella->isVisible(), qPrintable(where));
            QVERIFY2(cella->parentWidget()->rect().contains(cella->geometry()), qPrintable(where));
            QCOMPARE(cella->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            riga << cella->text();
            const auto [da, a] = limiti(cella->text());
            // Every range is a real one and grows with the height and with the build.
            QVERIFY2(da < a, qPrintable(where));
            QVERIFY2(da > sopra[c] && da > sinistra, qPrintable(where));
            sopra[c] = da;
            sinistra = da;
        }
        if (r == 1)
            QCOMPARE(riga, prima);
        if (r == 18)
            QCOMPARE(riga, ultima);
    }
}

void tst_pesi::celle_typing_changesNothing() {
    pesi* w = apri();
    for (const QString& sesso : {QStringLiteral("donne"), QStringLiteral("uomini")}) {
        QLineEdit* cella = peso(w, sesso, 5, 2);
        QVERIFY(cella);
        const QString before = cella->text();
        QVERIFY(cella->isReadOnly());
        testsupport::type(cella, QStringLiteral("99"));
        QTest::keyClick(cella, Qt::Key_Backspace);
        QTest::keyClick(cella, Qt::Key_Delete);
        QCOMPARE(cella->text(), before);
    }
}

QTEST_MAIN(tst_pesi)
#include "tst_pesi.moc"
