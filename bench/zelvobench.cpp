// Times what a person waits for: opening each window (load and show) and each printout, from the click on
// its button to its document window shown with the document laid out and painted.
#include "platform/forms.h"
#include "platform/word.h"
#include "shell/modzelvo.h"
#include "zelvo.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 25;
constexpr int VisibleRuns = 11;

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double medianMs(const std::function<void()>& setup, const std::function<void()>& work, int runs = Runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        setup();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void unloadAll() {
    for (const QString& name : forms::loadedNames())
        forms::unload(name);
    settle();
}

// Opening a window: load and show, with the first paint.
void open(const QString& name) {
    double ms = medianMs(unloadAll, [&] {
        QWidget* w = forms::show(name);
        if (w)
            w->repaint();
    });
    std::printf("%-22s open   %8.2f ms\n", qPrintable(name), ms);
}

// Paint events of a document window's text view, seen once they have been handled.
class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;
    std::function<void(QTextBrowser*)> onViewPainted;

    bool notify(QObject* receiver, QEvent* event) override {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && onViewPainted)
            if (auto* view = qobject_cast<QTextBrowser*>(receiver->parent()))
                if (view->window()->objectName() == QLatin1String("documentoword"))
                    onViewPainted(view);
        return result;
    }
};

BenchApplication* benchApp = nullptr;

void closeDocumentWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("documentoword"))
            w->close();
    settle();
}

// The characters of the view once every pending event has run: the view shows the whole printout when it
// holds as many. Nothing about the printout is known until its first run.
int settledCharacters(QAbstractButton* button) {
    button->click();
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    int characters = -1;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("documentoword") && w->isVisible())
            if (auto* view = w->findChild<QTextBrowser*>())
                characters = view->document()->characterCount();
    closeDocumentWindows();
    return characters;
}

// A printout: the click on the window's print button, up to the finished document model (no window), and up
// to its document window painted with the whole printout, the document laid out to its end.
void printout(const QString& window, const QString& button) {
    QWidget* w = forms::show(window);
    auto* b = w ? w->findChild<QAbstractButton*>(button) : nullptr;
    if (!b) {
        std::printf("%-22s print  (no button %s)\n", qPrintable(window), qPrintable(button));
        return;
    }
    word::Application::setShowWindows(false);
    const double model = medianMs(settle, [&] { b->click(); });

    word::Application::setShowWindows(true);
    const int characters = settledCharacters(b);
    bool timedOut = false;
    const double shown =
        medianMs([] { closeDocumentWindows(); },
                 [&] {
                     QEventLoop loop;
                     benchApp->onViewPainted = [&](QTextBrowser* view) {
                         if (view->document()->characterCount() == characters && view->window()->isVisible())
                             loop.quit();
                     };
                     QTimer guard;
                     guard.setSingleShot(true);
                     QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
                         timedOut = true;
                         loop.quit();
                     });
                     guard.start(5000);
                     b->click();
                     loop.exec();
                     benchApp->onViewPainted = nullptr;
                     for (QWidget* top : QApplication::topLevelWidgets())
                         if (top->objectName() == QLatin1String("documentoword") && top->isVisible())
                             if (auto* view = top->findChild<QTextBrowser*>())
                                 view->document()->documentLayout()->documentSize();
                 },
                 VisibleRuns);
    closeDocumentWindows();
    word::Application::setShowWindows(false);
    std::printf("%-22s print  %8.2f ms model %8.2f ms shown%s\n", qPrintable(window), model, shown,
                timedOut ? "  (never shown in full)" : "");
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    BenchApplication app(argc, argv);
    benchApp = &app;
    registerAllForms();
    ModZelvo::inizializza();
    word::Application::setShowWindows(false);
    const QStringList windows{"menu",       "tabella",    "composizione",   "massa",         "basale",
                              "pesi",       "grasso",     "azona",          "blocchi",       "alimentari",
                              "cottura",    "appprotidi", "applipidi",      "appglucidi",    "appcalcio",
                              "appfosforo", "appferro",   "appvitA",        "appvitB1",      "appvitB2",
                              "appvitPP",   "appvitC",    "appcolesterolo", "appalcol",      "fabbisogno",
                              "glicemico",  "sommario",   "manuale",        "guidaalimenti", "frmTip",
                              "informa",    "prodotti",   "supportoclienti"};
    const QStringList registered = forms::registeredNames();
    for (const QString& name : windows)
        if (registered.contains(name))
            open(name);
    unloadAll();
    for (const auto& [window, button] : std::vector<std::pair<QString, QString>>{{"appvitA", "stampa"},
                                                                                 {"alimentari", "stampa"},
                                                                                 {"fabbisogno", "stampa"},
                                                                                 {"glicemico", "stampa"},
                                                                                 {"manuale", "cmdStampa"},
                                                                                 {"prodotti", "cmdstampa"},
                                                                                 {"sommario", "cmdstampa"}})
        if (registered.contains(window))
            printout(window, button);
    return 0;
}
