#pragma once

#include <QString>
#include <functional>

class QWidget;
class QTextDocument;

// File and print dialogs, replaceable by tests so that no test ever waits on a modal window.
namespace dialogs {

// Returns the chosen file name, or an empty text when the user cancels.
QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filters);
void setSaveFileNameAnswer(std::function<QString()> answer);

// Shows the system print dialog and prints the document; false when the user cancels.
bool printDocument(QWidget* parent, QTextDocument* document);
void setPrintAnswer(std::function<bool(QTextDocument*)> answer);

} // namespace dialogs
