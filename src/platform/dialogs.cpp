#include "dialogs.h"

#include "msgbox.h"
#include "qttexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>

namespace dialogs {
namespace {
std::function<SaveAnswer(const QFileDialog&)>& saveAnswer() {
    static std::function<SaveAnswer(const QFileDialog&)> answer;
    return answer;
}
QString& lastFolder() {
    static QString folder;
    return folder;
}
std::function<bool(QTextDocument*)>& printAnswer() {
    static std::function<bool(QTextDocument*)> answer;
    return answer;
}

// The suffixes a filter lists, lower case, in order: "Pagina HTML (*.html *.htm)" gives html, htm.
QStringList suffixes(const QString& filter) {
    QStringList list;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()]+)"));
    for (auto it = pattern.globalMatch(filter); it.hasNext();)
        list << it.next().captured(1).toLower();
    return list;
}
} // namespace

bool loadItalianTexts() {
    // Kept for the life of the program: the application holds only a pointer to it.
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // The program's own catalogue comes after Qt's, for the texts Qt's lacks.
    return QCoreApplication::installTranslator(&translator) &&
           QCoreApplication::installTranslator(qttexts::missingItalian());
}

void setSaveFileNameAnswer(std::function<SaveAnswer(const QFileDialog&)> answer) {
    saveAnswer() = std::move(answer);
}
void setPrintAnswer(std::function<bool(QTextDocument*)> answer) {
    printAnswer() = std::move(answer);
}

bool isReadOnly(const QString& path) {
    const QFileInfo file(path);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite));
}

QString completeFileName(const QString& typed, const QString& filters, const QString& selectedFilter) {
    QString name = typed;
    while (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (QFileInfo(name).fileName().isEmpty())
        return QString();
    if (suffixes(filters).contains(QFileInfo(name).suffix().toLower()))
        return name;
    const QString filter =
        selectedFilter.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0) : selectedFilter;
    const QStringList chosen = suffixes(filter);
    return chosen.isEmpty() ? name : name + QLatin1Char('.') + chosen.front();
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filters) {
    QFileDialog dialog(parent, caption, lastFolder(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name is completed after the dialog closes, so the question about replacing a file is asked here.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(suggested);
    for (;;) {
        SaveAnswer answer;
        if (saveAnswer())
            answer = saveAnswer()(dialog);
        else if (dialog.exec() == QDialog::Accepted)
            answer = {dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
        if (answer.name.isEmpty())
            return QString();
        const QString name = completeFileName(answer.name, filters, answer.filter);
        if (name.isEmpty())
            continue;
        if (!QFileInfo::exists(name) || isReadOnly(name) ||
            msgbox::show(QStringLiteral("Il file \"%1\" esiste già.\rSostituirlo?")
                             .arg(QDir::toNativeSeparators(name)),
                         msgbox::YesNoQuestionDefaultNo, caption) == msgbox::Yes) {
            lastFolder() = QFileInfo(name).absolutePath();
            return name;
        }
    }
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
