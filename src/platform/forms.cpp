#include "forms.h"

#include "controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QHideEvent>
#include <QPointer>
#include <QTimer>
#include <vector>

Form::Form(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form::closeEvent(QCloseEvent* event) {
    // The close box unloads the window, as every window of the program expects.
    event->accept();
    const QString name = objectName();
    QTimer::singleShot(0, [name] { forms::unload(name); });
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Windows that only hide (the help index, the tips) must not leave the program running unseen.
    if (!event->spontaneous())
        forms::quitIfNothingVisible();
}

namespace forms {
namespace {

struct Entry {
    QString name;
    QPointer<Form> form;
};

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> map;
    return map;
}

std::vector<Entry>& loaded() {
    static std::vector<Entry> list;
    return list;
}

bool quitWhenNothingVisible = false;

std::vector<Entry>::iterator findEntry(const QString& name) {
    auto& list = loaded();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->name == name) {
            if (it->form.isNull()) {
                list.erase(it);
                return list.end();
            }
            return it;
        }
    }
    return list.end();
}

} // namespace

void registerForm(const QString& name, Factory factory) {
    factories().insert(name, std::move(factory));
}

QStringList registeredNames() {
    QStringList names = factories().keys();
    names.sort();
    return names;
}

Form* find(const QString& name) {
    auto it = findEntry(name);
    return it == loaded().end() ? nullptr : it->form.data();
}

bool isLoaded(const QString& name) {
    return find(name) != nullptr;
}

Form* load(const QString& name) {
    if (Form* existing = find(name))
        return existing;
    const auto factory = factories().find(name);
    if (factory == factories().end())
        return nullptr;
    Form* form = (*factory)();
    form->setObjectName(name);
    loaded().push_back({name, form});
    form->Form_Load();
    return form;
}

Form* show(const QString& name) {
    Form* form = load(name);
    if (!form)
        return nullptr;
    if (form->isMinimized())
        form->showNormal();
    else
        form->show();
    controls::bringToFront(form);
    return form;
}

void hide(const QString& name) {
    if (Form* form = find(name))
        form->hide();
    quitIfNothingVisible();
}

void unload(const QString& name) {
    auto it = findEntry(name);
    if (it == loaded().end())
        return;
    QPointer<Form> form = it->form;
    loaded().erase(it);
    form->hide();
    form->Form_Unload();
    if (form)
        form->deleteLater();
    quitIfNothingVisible();
}

QStringList loadedNames() {
    QStringList names;
    for (const Entry& entry : loaded())
        if (!entry.form.isNull())
            names << entry.name;
    return names;
}

void setQuitWhenNoWindowVisible(bool quit) {
    quitWhenNothingVisible = quit;
}

void quitIfNothingVisible() {
    if (!quitWhenNothingVisible)
        return;
    // Checked once the current event is done, so that a window unloading itself before showing
    // another does not end the program in between.
    QTimer::singleShot(0, qApp, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                return;
        QCoreApplication::quit();
    });
}

} // namespace forms
