#pragma once

#include <QMainWindow>
#include <memory>

class QTextBrowser;

namespace word {
class Document;
}

// The window in which a printout appears: the document read-only, ready to be printed or saved.
class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DocumentWindow(std::shared_ptr<word::Document> document);

    static DocumentWindow* open(const std::shared_ptr<word::Document>& document);
    // Schedules a new rendering of the windows that show the document.
    static void documentChanged(const word::Document* document);

    const word::Document* document() const { return document_.get(); }
    void stampa();
    void salvaConNome();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void scheduleRender();
    void render();

    std::shared_ptr<word::Document> document_;
    QTextBrowser* view_;
    bool renderPending_ = false;
};
