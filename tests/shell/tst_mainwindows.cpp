#include "composer/menu.h"
#include "platform/forms.h"
#include "support/inquadrati.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QMenu>
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
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1 mediterranea") << 1 << "Zelvo: elaborazione dei menu (per una dieta mediterranea)"
                                        << QStringList{"60-63", "25", "12-15"} << "";
        QTest::newRow("2 italiana") << 2 << "Zelvo: elaborazione dei menu (per una dieta italiana)"
                                    << QStringList{"50", "30", "20"} << "";
        QTest::newRow("3 zona shows grasso") << 3 << "Zelvo: elaborazione dei menu (per una dieta a zona)"
                                             << QStringList{"40", "30", "30"} << "grasso";
        QTest::newRow("4 zona shows blocchi") << 4 << "Zelvo: elaborazione dei menu (per una dieta a zona)"
                                              << QStringList{"40", "30", "30"} << "blocchi";
        QTest::newRow("out of range is 1") << 9 << "Zelvo: elaborazione dei menu (per una dieta mediterranea)"
                                           << QStringList{"60-63", "25", "12-15"} << "";
    }
    void dieta_Click() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QStringList, shares);
        QFETCH(QString, shown);
        testsupport::MessageBoxes boxes;
        auto* composer = forms::get<menu>(QStringLiteral("menu"));
        int zone = 3;
        composer->dieta_Click(zone);
        testsupport::unloadAll();
        composer = forms::get<menu>(QStringLiteral("menu"));
        composer->dieta_Click(index);
        QCOMPARE(composer->windowTitle(), caption);
        QCOMPARE(composer->schemadieta(), index);
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
        QCOMPARE(composer->findChild<QPushButton*>(QStringLiteral("esco"))->text(), QStringLiteral("&USCITA"));
        QCOMPARE(composer->findChild<QLabel*>(QStringLiteral("passo"))->toolTip(),
                 QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    }

    // At the design size every control lies inside its frame and shows its whole caption.
    void controls_insideTheirFrames_data() {
        QTest::addColumn<QString>("window");
        for (const char* window :
             {"menu", "tabella", "composizione", "massa", "basale", "pesi", "grasso", "azona", "blocchi"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void controls_insideTheirFrames() {
        QFETCH(QString, window);
        QWidget* form = forms::show(window);
        // The calculators open at their design size. The main windows take 9480 x 6915 twips: the design area
        // with the menu bar and toolbar above it.
        if (QStringList{"menu", "tabella", "composizione"}.contains(window))
            form->resize(632, 461);
        QCoreApplication::processEvents();
        const QStringList wrong = testsupport::fuoriposto(form);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    void openers_showTheirWindows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("menu BMI") << "menu" << "calcolatore(1)" << "massa";
        QTest::newRow("menu alimento") << "menu" << "intestazione(1)" << "alimentari";
        QTest::newRow("menu kcal") << "menu" << "intestazione(6)" << "fabbisogno";
        QTest::newRow("tabella colesterolo") << "tabella" << "intestazione(5)" << "appcolesterolo";
        QTest::newRow("composizione vit.C") << "composizione" << "intestazione(12)" << "appvitC";
        QTest::newRow("composizione guida") << "composizione" << "guidainlinea" << "sommario";
    }
    void openers_showTheirWindows() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, target);
        testsupport::MessageBoxes boxes;
        QWidget* form = forms::show(window);
        auto* b = form->findChild<QPushButton*>(button);
        QVERIFY2(b, qPrintable(button));
        b->click();
        QVERIFY(forms::find(target) && forms::find(target)->isVisible());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(form->isVisible());
    }

    // Every main window opens the about box from its help menu and from its toolbar.
    void about_opensInforma_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("fromMenu");
        for (const char* window : {"menu", "tabella", "composizione"}) {
            QTest::addRow("%s menu item", window) << QString::fromLatin1(window) << true;
            QTest::addRow("%s toolbar", window) << QString::fromLatin1(window) << false;
        }
    }
    void about_opensInforma() {
        QFETCH(QString, window);
        QFETCH(bool, fromMenu);
        testsupport::MessageBoxes boxes;
        QWidget* form = forms::show(window);
        QAction* about = nullptr;
        if (fromMenu) {
            for (QAction* menu : form->findChild<QMenuBar*>(QStringLiteral("barramenu"))->actions())
                if (menu->text() == QLatin1String("&?"))
                    for (QAction* item : menu->menu()->actions())
                        if (item->text() == QLatin1String("&Informazioni su Zelvo"))
                            about = item;
            QVERIFY2(about, "no \"&Informazioni su Zelvo\" in the \"&?\" menu");
            about->trigger();
        } else {
            auto* toolbar = form->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
            for (QAction* action : toolbar->actions())
                if (action->text() == QLatin1String("Informazioni"))
                    about = action;
            QVERIFY2(about, "no \"Informazioni\" on the toolbar");
            auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(about));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        const Form* informa = forms::find(QStringLiteral("informa"));
        QVERIFY(informa && informa->isVisible());
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(tst_mainwindows)
#include "tst_mainwindows.moc"
