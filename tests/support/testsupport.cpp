#include "testsupport.h"

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/word.h"
#include "shell/modzelvo.h"
#include "zelvo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace testsupport {

MessageBoxes::MessageBoxes() {
    msgbox::setAnswerer([this](const msgbox::Shown& box) {
        shown_.append(box);
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return (box.style & 0x7) == msgbox::YesNo ? msgbox::No : msgbox::Ok;
    });
}

MessageBoxes::~MessageBoxes() {
    msgbox::setAnswerer(nullptr);
}

QString helpBox(MessageBoxes& boxes, QAbstractButton* button) {
    boxes.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    if (boxes.shown().size() != 1) {
        QTest::qFail("expected exactly one message box", __FILE__, __LINE__);
        return {};
    }
    const msgbox::Shown& box = boxes.shown().first();
    if (box.style != msgbox::Information || box.title != ModZelvo::titoloaiuto) {
        QTest::qFail("the help box is not an information box titled for help", __FILE__, __LINE__);
        return {};
    }
    return box.text;
}

void initialise() {
    static bool done = false;
    if (done)
        return;
    done = true;
    registerAllForms();
    controls::returnPressesButtons();
    controls::keyboardFollowsFrontWindow();
    ModZelvo::inizializza();
    word::Application::setShowWindows(false);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadAll() {
    for (const QString& name : forms::loadedNames())
        forms::unload(name);
    settle();
}

void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->setCursorPosition(box->text().size());
    QTest::keyClicks(box, text);
}

void erase(QLineEdit* box) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
}

word::Document* startPrintout(word::Application& app) {
    word::Document* doc = app.addDocument();
    app.selection().setFontName(QStringLiteral("Century Gothic"));
    app.selection().setFontSize(20);
    app.selection().typeText(QStringLiteral("Zelvo") + word::CR);
    app.selection().setFontSize(16);
    app.selection().typeText(QStringLiteral("sottotitolo") + word::CR + word::CR);
    return doc;
}

} // namespace testsupport
