#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "zelvo.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QApplication::setQuitOnLastWindowClosed(false);
    dialogs::loadItalianTexts();
    controls::returnPressesButtons();
    controls::keyboardFollowsFrontWindow();
    registerAllForms();
    forms::setQuitWhenNoWindowVisible(true);
    forms::show(QString::fromLatin1(frmSplash::Name));
    // The start-up benchmark waits for this line: the first window is on screen.
    if (qEnvironmentVariableIsSet("ZELVO_REPORT_SHOWN"))
        QTimer::singleShot(0, [] {
            std::puts("shown");
            std::fflush(stdout);
        });
    const int code = QApplication::exec();
    for (const QString& name : forms::loadedNames())
        forms::unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
