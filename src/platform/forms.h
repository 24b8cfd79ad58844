#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// A window of the program: a single instance known by its name, with the classic load/unload lifecycle.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name, QWidget* parent = nullptr);

    // Set-up run once when the registry loads the window, before it is shown.
    virtual void Form_Load() {}
    // Clean-up run when the registry unloads the window.
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// The registry of the program's windows: every window is created, shown and unloaded through it.
namespace forms {

using Factory = std::function<Form*()>;

void registerForm(const QString& name, Factory factory);
// Names of every registered window, sorted.
QStringList registeredNames();

// Creates the window and runs Form_Load, without showing it; returns the existing instance if loaded.
// Returns nullptr only for a name that no window registered.
Form* load(const QString& name);
// Loads if needed, shows modeless without an owner and brings the window to the front.
Form* show(const QString& name);
void hide(const QString& name);
// Runs Form_Unload and destroys the window; the next show creates a fresh one.
void unload(const QString& name);
bool isLoaded(const QString& name);
Form* find(const QString& name);
// Names of the loaded windows in the order they were loaded.
QStringList loadedNames();

// Typed access to a window, loading it without showing it when needed.
template <class T> T* get(const QString& name) {
    return qobject_cast<T*>(load(name));
}

// When set (the running program does), the application quits once no window of it is visible.
void setQuitWhenNoWindowVisible(bool quit);
// Quits when nothing is visible any more; called after every unload and hide.
void quitIfNothingVisible();

} // namespace forms
