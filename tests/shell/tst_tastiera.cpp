#include "calculators/basale.h"
#include "calculators/grasso.h"
#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
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

QWidget* shownActive(const QString& name) {
    QWidget* window = forms::show(name);
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
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

    void longTables_tabReachesTheBarWhoseKeysAndWheelScroll_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("lastRow");
        QTest::addColumn<QString>("lastItem");
        QTest::newRow("glicemico") << QStringLiteral("glicemico") << QStringLiteral("num(15)") << QStringLiteral("129");
        QTest::newRow("prodotti") << QStringLiteral("prodotti") << QStringLiteral("num(10)") << QStringLiteral("23");
    }
    void longTables_tabReachesTheBarWhoseKeysAndWheelScroll() {
        QFETCH(QString, window);
        QFETCH(QString, lastRow);
        QFETCH(QString, lastItem);
        QWidget* shown = shownActive(window);
        QVERIFY(shown);
        auto* bar = testsupport::child<QScrollBar>(shown, QStringLiteral("VScroll1"));
        for (int tabs = 0; tabs < 40 && QApplication::focusWidget() != bar; ++tabs)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar);

        QLabel* first = testsupport::child<QLabel>(shown, QStringLiteral("num(1)"));
        const int top = bar->minimum(), page = bar->pageStep();
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, top + 1}, {Qt::Key_PageDown, top + 1 + page},
                                                 {Qt::Key_Up, top + page},  {Qt::Key_PageUp, top},
                                                 {Qt::Key_End, bar->maximum()}, {Qt::Key_Home, top}};
        for (const auto& [key, value] : steps) {
            QTest::keyClick(bar, key);
            QCOMPARE(bar->value(), value);
            QCOMPARE(first->text(), QString::number(value));
        }
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(testsupport::child<QLabel>(shown, lastRow)->text(), lastItem);

        // The wheel over a row, away from the bar.
        QTest::keyClick(bar, Qt::Key_Home);
        QLabel* row = testsupport::child<QLabel>(shown, lastRow);
        const QPointF at = QPointF(row->rect().center());
        QWheelEvent wheel(at, row->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(row, &wheel);
        QVERIFY(bar->value() > top);

        const QImage focused = bar->grab().toImage();
        bar->clearFocus();
        QVERIFY2(bar->grab().toImage() != focused, "the focus does not show on the bar");
    }

    void returnAndEnter_pressTheFocusedButton_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("calculator, Return") << QStringLiteral("grasso") << QStringLiteral("aiuto") << int(Qt::Key_Return) << 0;
        QTest::newRow("calculator, Enter") << QStringLiteral("grasso") << QStringLiteral("aiuto") << int(Qt::Key_Enter) << keypad;
        QTest::newRow("calculator, Space") << QStringLiteral("grasso") << QStringLiteral("aiuto") << int(Qt::Key_Space) << 0;
        QTest::newRow("about box, Return") << QStringLiteral("informa") << QStringLiteral("cmdOK") << int(Qt::Key_Return) << 0;
        QTest::newRow("tool button, Enter") << QStringLiteral("glicemico") << QStringLiteral("stampa") << int(Qt::Key_Enter) << keypad;
    }
    void returnAndEnter_pressTheFocusedButton() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        testsupport::MessageBoxes boxes;
        auto* pressed = testsupport::child<QAbstractButton>(shownActive(window), button);
        QVERIFY(pressed);
        pressed->setFocus();
        QSignalSpy clicks(pressed, &QAbstractButton::clicked);
        QTest::keyClick(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(clicks.count(), 1);
    }

    void splash_onlyATypedCharacterReturnOrEscapeCloses_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << false;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << false;
        QTest::newRow("a") << int(Qt::Key_A) << 0 << true;
        QTest::newRow("Shift+1") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << true;
    }
    void splash_onlyATypedCharacterReturnOrEscapeCloses() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        QWidget* splash = forms::show(QString::fromLatin1(frmSplash::Name));
        QTest::keyClick(splash, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(!forms::isLoaded(QString::fromLatin1(frmSplash::Name)), closes);
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
