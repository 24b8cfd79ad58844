#include "documentwindow.h"

#include "dialogs.h"
#include "forms.h"
#include "msgbox.h"
#include "word.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>

namespace {
QList<DocumentWindow*>& windows() {
    static QList<DocumentWindow*> list;
    return list;
}
} // namespace

DocumentWindow::DocumentWindow(std::shared_ptr<word::Document> document)
    : QMainWindow(nullptr), document_(std::move(document)), view_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("documentoword"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Documento - Zelvo"));
    view_->setReadOnly(true);
    view_->setOpenLinks(false);
    setCentralWidget(view_);

    QToolBar* bar = addToolBar(QStringLiteral("Documento"));
    bar->setMovable(false);
    QAction* print = bar->addAction(QStringLiteral("Stampa..."), this, &DocumentWindow::stampa);
    print->setShortcut(QKeySequence::Print);
    QAction* save = bar->addAction(QStringLiteral("Salva con nome..."), this, &DocumentWindow::salvaConNome);
    save->setShortcut(QKeySequence::SaveAs);
    QAction* close = bar->addAction(QStringLiteral("Chiudi"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(760, area.width() * 3 / 4), area.height() * 3 / 4);
    }
    windows().append(this);
    render();
}

DocumentWindow* DocumentWindow::open(const std::shared_ptr<word::Document>& document) {
    for (DocumentWindow* window : windows())
        if (window->document_ == document)
            return window;
    auto* window = new DocumentWindow(document);
    window->show();
    window->raise();
    return window;
}

void DocumentWindow::documentChanged(const word::Document* document) {
    for (DocumentWindow* window : windows()) {
        if (window->document_.get() != document || window->renderPending_)
            continue;
        // The printouts make many small changes in one go: render once they are done.
        window->renderPending_ = true;
        QTimer::singleShot(0, window, [window] {
            window->renderPending_ = false;
            window->render();
        });
    }
}

void DocumentWindow::render() {
    const auto rendered = document_->toTextDocument();
    view_->setHtml(rendered->toHtml());
}

void DocumentWindow::stampa() {
    const auto rendered = document_->toTextDocument();
    dialogs::printDocument(this, rendered.get());
}

void DocumentWindow::salvaConNome() {
    const QString path = dialogs::saveFileName(
        this, QStringLiteral("Salva con nome"), QStringLiteral("documento.odt"),
        QStringLiteral("Documento di testo OpenDocument (*.odt);;Rich Text Format (*.rtf);;"
                       "Documento per Word, in Rich Text Format (*.doc);;Documento PDF (*.pdf);;"
                       "Pagina HTML (*.html *.htm);;Testo semplice (*.txt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!document_->saveAs(path, &error))
        msgbox::show(error, msgbox::Critical, QStringLiteral("Zelvo: salvataggio del documento"));
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    windows().removeAll(this);
    event->accept();
    forms::quitIfNothingVisible();
}
