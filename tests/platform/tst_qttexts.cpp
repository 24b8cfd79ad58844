#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QFileIconProvider>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

// The texts Qt's Italian catalogue lacks, as Qt's own print and file dialogs show them.
class tst_qttexts : public QObject {
    Q_OBJECT
private slots:
    void printAndFileDialogsSpeakItalian() {
        QVERIFY(dialogs::loadItalianTexts());
        QPrinter printer;
        QPrintDialog dialog(&printer);
        // Ours where Qt's catalogue lacks a text, Qt's where it has one.
        for (const auto& [name, text] : {std::pair{"pagesRadioButton", "Pagine"}, {"duplexLong", "Rilegatura sul lato lungo"},
                                         {"printAll", "Stampa tutto"}}) {
            auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(name));
            QVERIFY2(button && button->text() == QString::fromUtf8(text), name);
        }
        QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Cartella"));
    }
};

QTEST_MAIN(tst_qttexts)
#include "tst_qttexts.moc"
