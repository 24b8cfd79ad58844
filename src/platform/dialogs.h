#pragma once

#include <QString>
#include <functional>

class QFileDialog;
class QWidget;
class QTextDocument;

// File and print dialogs, replaceable by tests so that no test ever waits on a modal window.
namespace dialogs {

// Loads Qt's own Italian texts, so that its dialogs and standard buttons speak the program's language;
// false when they are not installed.
bool loadItalianTexts();

// The name to save under, from what was typed in a save dialog with the given filters ("Name (*.a *.b);;...")
// and the filter chosen there: trailing blanks and dots dropped, and unless the name already ends in a suffix
// that one of the filters lists (in any case), the chosen filter's first suffix appended.
QString completeFileName(const QString& typed, const QString& filters, const QString& selectedFilter);

// Whether a file exists and may not be written: by this user, or by anyone, which keeps it as it is even for
// a user whom the system would let replace it.
bool isReadOnly(const QString& path);

// Asks for a file to save, in the folder of the last file chosen; returns its name completed as above, or an
// empty text when the user cancels. Replacing an existing file is confirmed first, unless it is read-only:
// the caller's save then says at once that it cannot be replaced.
QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filters);

// What the user does in the save dialog, for tests: given the dialog as it would open, the typed name (empty:
// cancel) and the chosen filter (empty: the first). Asked again whenever the dialog would come back.
struct SaveAnswer {
    QString name;
    QString filter;
};
void setSaveFileNameAnswer(std::function<SaveAnswer(const QFileDialog&)> answer);

// Shows the system print dialog and prints the document; false when the user cancels.
bool printDocument(QWidget* parent, QTextDocument* document);
void setPrintAnswer(std::function<bool(QTextDocument*)> answer);

} // namespace dialogs
