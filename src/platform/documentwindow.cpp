#include "documentwindow.h"

#include "dialogs.h"
#include "docwriters.h"
#include "forms.h"
#include "msgbox.h"
#include "word.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>
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

// The key of every desktop first, the one a tooltip names, then the platform's own for the command where it
// has others.
QList<QKeySequence> keys(const QKeySequence& everywhere, QKeySequence::StandardKey command) {
    QList<QKeySequence> list{everywhere};
    for (const QKeySequence& key : QKeySequence::keyBindings(command))
        if (!list.contains(key))
            list << key;
    return list;
}

// The toolbar takes no focus and the window has no menu to show the keys in, so each button's tooltip names
// its key, as the desktop writes it.
void nameKey(QAction* action) {
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(action->text(), action->shortcut().toString(QKeySequence::NativeText)));
}
} // namespace

DocumentWindow::DocumentWindow(std::shared_ptr<word::Document> document)
    : QMainWindow(nullptr), document_(std::move(document)), view_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("documentoword"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_->title() + QStringLiteral(" - Zelvo"));
    view_->setReadOnly(true);
    view_->setOpenLinks(false);
    view_->setTabChangesFocus(true);
    setCentralWidget(view_);

    QToolBar* bar = addToolBar(QStringLiteral("Documento"));
    bar->setMovable(false);
    QAction* print = bar->addAction(QStringLiteral("Stampa..."), this, &DocumentWindow::stampa);
    print->setShortcut(QKeySequence::Print);
    QAction* save = bar->addAction(QStringLiteral("Salva con nome..."), this, &DocumentWindow::salvaConNome);
    save->setShortcuts(keys(Qt::CTRL | Qt::Key_S, QKeySequence::SaveAs));
    QAction* close = bar->addAction(QStringLiteral("Chiudi"), this, &QWidget::close);
    close->setShortcuts(keys(Qt::CTRL | Qt::Key_W, QKeySequence::Close));
    for (QAction* action : {print, save, close})
        nameKey(action);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(760, area.width() * 3 / 4), area.height() * 3 / 4);
    }
    windows().append(this);
    // Rendered at the next turn of the event loop, by when open() has shown the window and the view has its
    // size: laying the document out at any other width is wasted.
    scheduleRender();
}

DocumentWindow* DocumentWindow::open(const std::shared_ptr<word::Document>& document) {
    for (DocumentWindow* window : windows())
        if (window->document_ == document)
            return window;
    auto* window = new DocumentWindow(document);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void DocumentWindow::documentChanged(const word::Document* document) {
    for (DocumentWindow* window : windows())
        if (window->document_.get() == document)
            window->scheduleRender();
}

void DocumentWindow::scheduleRender() {
    if (renderPending_)
        return;
    // The printouts make many small changes in one go: render once they are done.
    renderPending_ = true;
    QTimer::singleShot(0, this, [this] {
        renderPending_ = false;
        render();
    });
}

// A long table costs most of the time to show a printout in laying it out, so it is laid out once: the view
// takes the document as built (no HTML round trip), not laid out yet (a null page size defers layout until
// the view gives its width), and with the vertical scroll bar already in place, which a long document needs
// anyway; otherwise the view lays it out at its full width first and again when the bar appears. A short
// document loses the bar once laid out and is laid out again, which costs little.
void DocumentWindow::render() {
    setWindowTitle(document_->title() + QStringLiteral(" - Zelvo"));
    std::unique_ptr<QTextDocument> rendered = document_->toTextDocument();
    rendered->setPageSize(QSizeF(0, 0));
    rendered->setParent(view_);
    const QPointer<QTextDocument> previous = view_->document();
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view_->setDocument(rendered.release());
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The view deletes the document it was born with; the ones given to it are its children.
    if (previous && previous->parent() == view_)
        delete previous;
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
