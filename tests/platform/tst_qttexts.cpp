#include "platform/dialogs.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// Texts of Qt's print and file dialogs that Qt's Italian catalogue lacks and the program supplies.
class tst_qttexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(dialogs::loadItalianTexts()); }

    void printDialog() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        const auto text = [&dialog](const char* name) {
            auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
            return button ? button->text() : QStringLiteral("(missing)");
        };
        QCOMPARE(text("pagesRadioButton"), QStringLiteral("Pagine"));
        QCOMPARE(text("noDuplex"), QStringLiteral("Disattivata"));
        QCOMPARE(text("duplexLong"), QStringLiteral("Rilegatura sul lato lungo"));
        QCOMPARE(text("duplexShort"), QStringLiteral("Rilegatura sul lato corto"));
        auto* duplex = dialog.findChild<QGroupBox*>(QStringLiteral("duplex"));
        QVERIFY(duplex);
        QCOMPARE(duplex->title(), QStringLiteral("Stampa fronte/retro"));
        auto* pages = dialog.findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"));
        QVERIFY(pages);
        QVERIFY2(pages->toolTip().startsWith(QStringLiteral("Indicare le pagine")), qPrintable(pages->toolTip()));
        // Qt's own catalogue still answers for the texts it has.
        QCOMPARE(text("printAll"), QStringLiteral("Stampa tutto"));
    }

    void fileDialogFolderType() {
        QTemporaryDir dir;
        QCOMPARE(QFileIconProvider().type(QFileInfo(dir.path())), QStringLiteral("Cartella"));
    }
};

QTEST_MAIN(tst_qttexts)
#include "tst_qttexts.moc"
