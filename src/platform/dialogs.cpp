#include "dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace dialogs {
namespace {
std::function<QString()>& saveAnswer() {
    static std::function<QString()> answer;
    return answer;
}
std::function<bool(QTextDocument*)>& printAnswer() {
    static std::function<bool(QTextDocument*)> answer;
    return answer;
}
} // namespace

void setSaveFileNameAnswer(std::function<QString()> answer) { saveAnswer() = std::move(answer); }
void setPrintAnswer(std::function<bool(QTextDocument*)> answer) { printAnswer() = std::move(answer); }

QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filters) {
    if (saveAnswer())
        return saveAnswer()();
    return QFileDialog::getSaveFileName(parent, caption, suggested, filters);
}

bool printDocument(QWidget* parent, QTextDocument* document) {
    if (printAnswer())
        return printAnswer()(document);
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document->print(&printer);
    return true;
}

} // namespace dialogs
