#pragma once

#include "platform/msgbox.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <deque>

class QAbstractButton;
class QLineEdit;
namespace word {
class Application;
class Document;
} // namespace word

namespace testsupport {

// Records every message box and answers it from a queue (OK, or No for questions, when the queue is empty).
class MessageBoxes {
public:
    MessageBoxes();
    ~MessageBoxes();
    void answerNext(int answer) { answers_.push_back(answer); }
    const QList<msgbox::Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    QList<msgbox::Shown> shown_;
    std::deque<int> answers_;
};

// Clicks a help button and returns the text of the one information box it shows, titled as help boxes
// are; fails the running test otherwise.
QString helpBox(MessageBoxes& boxes, QAbstractButton* button);

// Registers every window, installs the program's keyboard filters (Return presses a focused button, the
// keyboard follows the front window) and keeps printout windows from opening; call once per test program.
void initialise();
// Unloads every window and lets pending deletions run, so each test starts from nothing.
void unloadAll();
// Deletions and posted events that a click leaves behind.
void settle();
// A new document as a printout starts one: the program's two head lines typed through the selection.
word::Document* startPrintout(word::Application& app);
// Types a text into a box one key at a time, as a person does.
void type(QLineEdit* box, const QString& text);
// Empties a box in one keystroke: everything selected, then deleted.
void erase(QLineEdit* box);

// The named child of a window, or null when it is missing.
template <class T> T* child(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

} // namespace testsupport
