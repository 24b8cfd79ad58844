#include "calculators/basale.h"
#include "calculators/grasso.h"
#include "platform/forms.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>

namespace {
// The access key of a caption: the letter after a single '&', upper-cased; empty when there is none.
QString accessKey(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

// Every access key a window offers at the top level, with the controls that carry it.
QMultiMap<QString, QString> accessKeys(QWidget* window) {
    QMultiMap<QString, QString> keys;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!accessKey(button->text()).isEmpty())
            keys.insert(accessKey(button->text()), button->objectName());
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        if (!accessKey(frame->title()).isEmpty())
            keys.insert(accessKey(frame->title()), frame->objectName());
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() && !accessKey(label->text()).isEmpty())
            keys.insert(accessKey(label->text()), label->objectName());
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* action : bar->actions())
            if (!accessKey(action->text()).isEmpty())
                keys.insert(accessKey(action->text()), action->text());
    return keys;
}
} // namespace

class tst_tastiera : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void accessKeys_eachWindowUsesAKeyOnce() {
        // The daily-requirements page is designed with two pairs of buttons on one key each.
        const QMultiMap<QString, QString> designed = {{QStringLiteral("G"), QStringLiteral("fabbisogno")},
                                                      {QStringLiteral("M"), QStringLiteral("fabbisogno")}};
        testsupport::MessageBoxes boxes;
        QStringList clashes;
        for (const QString& name : forms::registeredNames()) {
            QWidget* window = forms::load(name);
            QVERIFY2(window, qPrintable(name));
            const QMultiMap<QString, QString> keys = accessKeys(window);
            for (const QString& key : keys.uniqueKeys())
                if (keys.count(key) > 1 && !designed.contains(key, name))
                    clashes << QStringLiteral("%1: Alt+%2 (%3)")
                                   .arg(name, key, QStringList(keys.values(key)).join(QStringLiteral(", ")));
            testsupport::unloadAll();
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

    void accessKeys_altGOnTheComposerOpensTheHelpIndex() {
        QWidget* composer = forms::show(QStringLiteral("menu"));
        QApplication::setActiveWindow(composer);
        QVERIFY(QTest::qWaitForWindowActive(composer));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
        // An access key presses its button the way a click does, after the button shows itself pressed.
        QTRY_VERIFY2(forms::isLoaded(QStringLiteral("sommario")) && forms::find(QStringLiteral("sommario"))->isVisible(),
                 "Alt+G did not open the help index");
    }

    void editableList_returnAndWheelChooseNothing() {
        auto* window = forms::get<grasso>(QStringLiteral("grasso"));
        forms::show(QStringLiteral("grasso"));
        QComboBox* anche = window->anche;
        testsupport::type(anche->lineEdit(), QStringLiteral("80"));
        int clicks = 0;
        connect(anche, &QComboBox::activated, this, [&clicks] { ++clicks; });
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(anche, key);
            QTest::keyClick(anche->lineEdit(), key);
        }
        QCOMPARE(clicks, 0);
        QCOMPARE(anche->currentIndex(), -1);
        QCOMPARE(anche->currentText(), QStringLiteral("80"));

        // A wheel turned over a list that does not have the focus leaves it as it is.
        auto* frame = forms::get<basale>(QStringLiteral("basale"));
        forms::show(QStringLiteral("basale"));
        frame->età->setFocus();
        for (QComboBox* box : {window->addome, frame->sesso}) {
            const int index = box->currentIndex();
            const QPointF at = QPointF(box->rect().center());
            QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            QCOMPARE(box->currentIndex(), index);
        }
    }

    void multiLineBoxes_tabMovesOn() {
        testsupport::MessageBoxes boxes;
        for (const QString& name : forms::registeredNames()) {
            QWidget* window = forms::load(name);
            for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
                QVERIFY2(box->tabChangesFocus(), qPrintable(name + QLatin1Char('.') + box->objectName()));
            testsupport::unloadAll();
        }
    }
};

QTEST_MAIN(tst_tastiera)
#include "tst_tastiera.moc"
