#include "composer/menu.h"
#include "platform/forms.h"
#include "support/inquadrati.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class tst_mainwindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void dieta_Click_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QString>("shown");
        const QString per = QStringLiteral("Zelvo: elaborazione dei menu (per una dieta %1)");
        QTest::newRow("1 mediterranea") << 1 << "dieta &mediterranea" << per.arg("mediterranea")
                                        << QStringList{"60-63", "25", "12-15"} << "";
        QTest::newRow("2 italiana") << 2 << "dieta &italiana" << per.arg("italiana")
                                    << QStringList{"50", "30", "20"} << "";
        QTest::newRow("3 zona shows grasso")
            << 3 << "dieta a &zona" << per.arg("a zona") << QStringList{"40", "30", "30"} << "grasso";
        QTest::newRow("4 zona shows blocchi")
            << 4 << "b&locchi a zona" << per.arg("a zona") << QStringList{"40", "30", "30"} << "blocchi";
    }
    void dieta_Click() {
        QFETCH(int, index);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QStringList, shares);
        QFETCH(QString, shown);
        testsupport::MessageBoxes boxes;
        auto* composer = forms::get<menu>(QStringLiteral("menu"));
        int zone = 3;
        composer->dieta_Click(zone);
        testsupport::unloadAll();
        composer = forms::get<menu>(QStringLiteral("menu"));
        QCOMPARE(composer->dieta[index]->text(), button);
        composer->dieta[index]->click();
        QCOMPARE(composer->windowTitle(), caption);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(composer->consigliato[i]->text(), shares[i - 1]);
        // The composer never shows itself.
        QVERIFY(!composer->isVisible());
        if (!shown.isEmpty())
            QVERIFY(forms::find(shown) && forms::find(shown)->isVisible());
        for (const QString& other : {QStringLiteral("grasso"), QStringLiteral("blocchi")})
            if (other != shown)
                QVERIFY(!forms::isLoaded(other));
    }

    void composer_startsMediterranean() {
        auto* composer = forms::get<menu>(QStringLiteral("menu"));
        QCOMPARE(composer->consigliato[1]->text(), QStringLiteral("60-63"));
        QCOMPARE(composer->findChild<QPushButton*>(QStringLiteral("esco"))->text(),
                 QStringLiteral("&USCITA"));
        QCOMPARE(composer->findChild<QLabel*>(QStringLiteral("passo"))->toolTip(),
                 QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    }

    // Each window's caption (none given for the food tables); at the design size every control lies inside
    // its frame and shows its whole caption.
    void controls_insideTheirFrames_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        for (const auto& [window, title] :
             {std::pair{"menu", "elaborazione dei menu (per una dieta mediterranea)"},
              {"tabella", ""},
              {"composizione", ""},
              {"massa", "indice di massa corporeo (BMI)"},
              {"basale", "calcolo del metabolismo basale"},
              {"grasso", "calcolo della massa grassa"},
              {"pesi", "tabella di riferimento del peso corporeo"},
              {"azona", "calcolo della dieta a zona"},
              {"blocchi", "ripartizione in blocchi e macronutrienti nella dieta a zona"}})
            QTest::newRow(window) << QString::fromLatin1(window) << QString::fromUtf8(title);
    }
    void controls_insideTheirFrames() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QWidget* form = forms::show(window);
        QVERIFY(title.isEmpty() || form->windowTitle() == QStringLiteral("Zelvo: ") + title);
        // The calculators open at their design size. The main windows take 9480 x 6915 twips: the design area
        // with the menu bar and toolbar above it.
        if (QStringList{"menu", "tabella", "composizione"}.contains(window))
            form->resize(632, 461);
        QCoreApplication::processEvents();
        const QStringList wrong = testsupport::fuoriposto(form);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    // Every column heading, calculator and help button of the three windows, found by its caption.
    void openers_showTheirWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        const auto add = [](const char* window, const char* button, const char* target) {
            QTest::addRow("%s %s", window, button) << window << button << target;
        };
        // The food-table window has no mineral or vitamin columns.
        const std::tuple<const char*, const char*, bool> headings[] = {
            {"alimento", "alimentari", true},    {"protidi", "appprotidi", true},
            {"lipidi", "applipidi", true},       {"glucidi", "appglucidi", true},
            {"calcio", "appcalcio", false},      {"fosforo", "appfosforo", false},
            {"ferro", "appferro", false},        {"vit.A", "appvitA", false},
            {"vit.B1", "appvitB1", false},       {"vit.B2", "appvitB2", false},
            {"vit.PP", "appvitPP", false},       {"vit.C", "appvitC", false},
            {"colest.", "appcolesterolo", true}, {"kcal", "fabbisogno", true}};
        for (const auto& [caption, target, inTabella] : headings) {
            add("tabella", caption, inTabella ? target : ""); // empty: no such heading
            add("composizione", caption, target);
        }
        for (const auto& [caption, target] : {std::pair{"alimento", "alimentari"},
                                              {"protidi", "appprotidi"},
                                              {"lipidi", "applipidi"},
                                              {"glucidi", "appglucidi"},
                                              {"colesterolo", "appcolesterolo"},
                                              {"kcal", "fabbisogno"},
                                              {"&BMI", "massa"},
                                              {"BM&R", "basale"},
                                              {"&pesi ideali", "pesi"},
                                              {"grasso &corporeo", "grasso"},
                                              {"dieta a &zona", "grasso"},
                                              {"b&locchi a zona", "blocchi"}})
            add("menu", caption, target);
        for (const char* window : {"menu", "tabella", "composizione"})
            add(window, "&Guida in linea", "sommario");
    }
    void openers_showTheirWindows() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, target);
        testsupport::MessageBoxes boxes;
        QWidget* form = forms::show(window);
        QList<QPushButton*> found;
        for (QPushButton* b : form->findChildren<QPushButton*>())
            if (b->text() == button)
                found << b;
        QCOMPARE(found.size(), target.isEmpty() ? 0 : 1);
        if (target.isEmpty())
            return;
        QVERIFY(!forms::isLoaded(target));
        QTest::mouseClick(found.front(), Qt::LeftButton);
        QVERIFY(forms::find(target) && forms::find(target)->isVisible());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(form->isVisible());
    }

    // What the toolbar buttons and the items of the "Visualizza" and help menus open.
    void actions_openTheirWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("target");
        const char* windows[][3] = {{"menu", "Menu", "guidamenu"},
                                    {"tabella", "Tabella", "guidatabella"},
                                    {"composizione", "Composizione", "guidacomposizione"}};
        for (const auto& [window, title, guide] : windows) {
            const auto add = [window](bool toolbar, const QString& action, const char* target) {
                QTest::addRow("%s %s %s", window, toolbar ? "toolbar" : "menu", qPrintable(action))
                    << window << toolbar << action << target;
            };
            for (const auto& [other, caption, unused] : windows)
                if (other != window) {
                    add(true, caption, other);
                    add(false, QStringLiteral("&Visualizza/&") + caption, other);
                }
            for (const auto& [action, target] : {std::pair{"Sommario", "sommario"},
                                                 {"Suggerimenti", "frmTip"},
                                                 {"Supporto", "supportoclienti"},
                                                 {"Informazioni", "informa"}})
                add(true, action, target);
            for (const auto& [action, target] : {std::pair{"S&ommario della guida", "sommario"},
                                                 {"&Guida alla finestra", guide},
                                                 {"&Suggerimenti...", "frmTip"},
                                                 {"Supporto &clienti", "supportoclienti"},
                                                 {"&Informazioni su Zelvo", "informa"}})
                add(false, QStringLiteral("&?/") + action, target);
        }
    }
    void actions_openTheirWindows() {
        QFETCH(QString, window);
        QFETCH(bool, toolbar);
        QFETCH(QString, action);
        QFETCH(QString, target);
        testsupport::MessageBoxes boxes;
        QWidget* form = forms::show(window);
        // A menu item is named with its menu's title: "&Visualizza/&Menu".
        QWidget* bar = toolbar ? form->findChild<QToolBar*>() : nullptr;
        for (QMenu* menu : form->findChildren<QMenu*>())
            if (!toolbar && menu->title() == action.section('/', 0, 0))
                bar = menu;
        QVERIFY(bar);
        QList<QAction*> found;
        for (QAction* a : bar->findChildren<QAction*>())
            if (a->text() == action.section('/', -1))
                found << a;
        QCOMPARE(found.size(), 1);
        QVERIFY(!forms::isLoaded(target));
        if (toolbar) {
            auto* button =
                qobject_cast<QToolButton*>(static_cast<QToolBar*>(bar)->widgetForAction(found.front()));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            found.front()->trigger();
        }
        QVERIFY(forms::find(target) && forms::find(target)->isVisible());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(tst_mainwindows)
#include "tst_mainwindows.moc"
