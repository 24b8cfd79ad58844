#include "calculators/basale.h"
#include "calculators/grasso.h"
#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
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

// Every access key a window offers, with the controls that carry it; a menu's items as "title/key".
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
    for (QMenu* menu : window->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!accessKey(action->text()).isEmpty())
                keys.insert(menu->title() + QLatin1Char('/') + accessKey(action->text()), action->text());
    return keys;
}
} // namespace

// Keeps a window's activations from the program while it lives, as if they had not come yet.
class HeldActivation : public QObject {
public:
    explicit HeldActivation(const QString& window) : name_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::WindowActivate && watched->objectName() == name_;
    }

private:
    QString name_;
};

class tst_tastiera : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::initialise(); }
    void cleanup() { testsupport::unloadAll(); }

    void accessKeys_eachWindowAndMenuUsesAKeyOnce() {
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
                    clashes << QStringLiteral("%1: %2 (%3)")
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
        QTRY_VERIFY2(forms::isLoaded(QStringLiteral("sommario")) &&
                         forms::find(QStringLiteral("sommario"))->isVisible(),
                     "Alt+G did not open the help index");
    }

    void editableList_returnLeavingAndWheelChooseNothing() {
        auto* window = forms::get<grasso>(QStringLiteral("grasso"));
        QApplication::setActiveWindow(forms::show(QStringLiteral("grasso")));
        QComboBox* anche = window->anche;
        testsupport::type(anche->lineEdit(), QStringLiteral("80"));
        int clicks = 0;
        connect(anche, &QComboBox::activated, this, [&clicks] { ++clicks; });
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(anche, key);
            QTest::keyClick(anche->lineEdit(), key);
        }
        QTest::keyClick(anche, Qt::Key_Tab); // the typed text reads as an item, and is still no choice
        QVERIFY(!anche->hasFocus());
        QCOMPARE(clicks, 0);
        QCOMPARE(anche->currentIndex(), -1);
        QCOMPARE(anche->currentText(), QStringLiteral("80"));

        // A wheel turned over a list that does not have the focus leaves it as it is.
        auto* frame = forms::get<basale>(QStringLiteral("basale"));
        QApplication::setActiveWindow(forms::show(QStringLiteral("basale")));
        frame->età->setFocus();
        for (QComboBox* box : {window->addome, frame->sesso}) {
            const int index = box->currentIndex();
            const QPointF at = QPointF(box->rect().center());
            QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            QCOMPARE(box->currentIndex(), index);
        }
    }

    void longTables_barIsATabStopScrolledByKeysAndWheel_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("lastItem");
        QTest::newRow("glicemico") << QStringLiteral("glicemico") << QStringLiteral("129");
        QTest::newRow("prodotti") << QStringLiteral("prodotti") << QStringLiteral("23");
    }
    void longTables_barIsATabStopScrolledByKeysAndWheel() {
        QFETCH(QString, window);
        QFETCH(QString, lastItem);
        QWidget* shown = forms::show(window);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto* bar = testsupport::child<QScrollBar>(shown, QStringLiteral("VScroll1"));
        for (int tabs = 0; tabs < 40 && QApplication::focusWidget() != bar; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->minimum() + bar->pageStep());
        QTest::keyClick(bar, Qt::Key_End); // the last visible row shows the last item
        QCOMPARE(testsupport::child<QLabel>(shown, QStringLiteral("num(%1)").arg(bar->pageStep()))->text(),
                 lastItem);
        const QImage focused = bar->grab().toImage();
        bar->clearFocus();
        QVERIFY2(bar->grab().toImage() != focused, "the focus does not show");
        QWheelEvent up(QPointF(), QPointF(), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(testsupport::child<QLabel>(shown, QStringLiteral("num(1)")), &up);
        QVERIFY(bar->value() < bar->maximum());
    }

    void returnAndEnter_pressTheFocusedButton_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("calculator") << QStringLiteral("grasso") << QStringLiteral("aiuto")
                                    << int(Qt::Key_Return);
        QTest::newRow("about box") << QStringLiteral("informa") << QStringLiteral("cmdOK")
                                   << int(Qt::Key_Enter);
        QTest::newRow("tool button") << QStringLiteral("glicemico") << QStringLiteral("stampa")
                                     << int(Qt::Key_Return);
    }
    void returnAndEnter_pressTheFocusedButton() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        testsupport::MessageBoxes boxes;
        QWidget* before = forms::show(QStringLiteral("menu"));
        QWidget* shown = forms::show(window);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto* pressed = testsupport::child<QAbstractButton>(shown, button);
        pressed->setFocus();
        QSignalSpy clicks(pressed, &QAbstractButton::clicked);
        QTest::keyClick(pressed, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QTRY_COMPARE(clicks.count(), 1);
        // A window that closes hands the keyboard back to the one active before it.
        QTRY_COMPARE(QApplication::activeWindow(), shown->isVisible() ? shown : before);
    }

    // In a dialog Return on a tool button ("Crea nuova cartella", "...") presses it: the dialog's default
    // button must not take the key and close the dialog.
    void returnOnAToolButtonInADialog_pressesItAndKeepsTheDialog() {
        QDialog dialog;
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        auto* tool = new QToolButton(&dialog);
        tool->move(0, 40);
        QSignalSpy clicks(tool, &QAbstractButton::clicked);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        tool->setFocus();
        QTest::keyClick(tool, Qt::Key_Return);
        QTRY_COMPARE(clicks.count(), 1);
        QVERIFY2(dialog.isVisible() && dialog.result() != QDialog::Accepted, "Return confirmed the dialog");
    }

    // The zone diet's "&Menu" opens the body-fat window, then brings the composer to the front; with no
    // window manager the body-fat window's activation comes last, once the X server has mapped the window.
    void keyboard_staysWithTheWindowBroughtToTheFrontLast() {
        QWidget* zone = forms::show(QStringLiteral("azona"));
        QApplication::setActiveWindow(zone);
        QVERIFY(QTest::qWaitForWindowActive(zone));
        auto held = std::make_unique<HeldActivation>(QStringLiteral("grasso"));
        QTest::mouseClick(testsupport::child<QAbstractButton>(zone, QStringLiteral("cmdmenu")),
                          Qt::LeftButton);
        QWidget* composer = forms::find(QStringLiteral("menu"));
        QTRY_VERIFY(composer && QApplication::activeWindow() == composer);
        held.reset();
        forms::find(QStringLiteral("grasso"))->activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), composer);
    }

    void splash_onlyATypedCharacterReturnOrEscapeCloses() {
        const std::pair<QKeyCombination, bool> keys[] = {
            {Qt::Key_Shift, false}, {Qt::Key_Control, false}, {Qt::Key_Alt, false},
            {Qt::Key_Left, false},  {Qt::Key_F1, false},      {Qt::CTRL | Qt::Key_A, false},
            {Qt::Key_A, true},      {Qt::Key_Return, true},   {Qt::Key_Escape, true}};
        for (const auto& [key, closes] : keys) {
            QTest::keyClick(forms::show(QString::fromLatin1(frmSplash::Name)), key.key(),
                            key.keyboardModifiers());
            QVERIFY2(forms::isLoaded(QString::fromLatin1(frmSplash::Name)) != closes,
                     qPrintable(QKeySequence(key).toString()));
        }
    }

    void multiLineBoxes_tabMovesOn() {
        testsupport::MessageBoxes boxes;
        for (const QString& name : forms::registeredNames()) {
            for (QPlainTextEdit* box : forms::load(name)->findChildren<QPlainTextEdit*>()) {
                QApplication::setActiveWindow(forms::show(name));
                box->setFocus();
                QVERIFY(box->hasFocus());
                QTest::keyClick(box, Qt::Key_Tab);
                QVERIFY2(box->window()->isAncestorOf(QApplication::focusWidget()) && !box->hasFocus(),
                         qPrintable(name + QLatin1Char('.') + box->objectName()));
            }
            testsupport::unloadAll();
        }
    }
};

QTEST_MAIN(tst_tastiera)
#include "tst_tastiera.moc"
