#include "platform/forms.h"
#include "shell/frmsplash.h"
#include "zelvo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QApplication::setQuitOnLastWindowClosed(false);
    registerAllForms();
    forms::setQuitWhenNoWindowVisible(true);
    forms::show(QString::fromLatin1(frmSplash::Name));
    return QApplication::exec();
}
