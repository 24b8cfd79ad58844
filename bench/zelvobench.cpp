// Times what a person waits for: opening each window (load and show) and building each printout.
#include "platform/forms.h"
#include "platform/word.h"
#include "shell/modzelvo.h"
#include "zelvo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 25;

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double medianMs(const std::function<void()>& setup, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
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

// A printout: the click on the window's print button, up to the finished document.
void printout(const QString& window, const QString& button) {
    QWidget* w = forms::show(window);
    auto* b = w ? w->findChild<QAbstractButton*>(button) : nullptr;
    if (!b) {
        std::printf("%-22s print  (no button %s)\n", qPrintable(window), qPrintable(button));
        return;
    }
    double ms = medianMs([] {}, [&] { b->click(); });
    std::printf("%-22s print  %8.2f ms\n", qPrintable(window), ms);
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    registerAllForms();
    ModZelvo::inizializza();
    word::Application::setShowWindows(false);
    const QStringList windows{"menu", "tabella", "composizione", "massa", "basale", "pesi", "grasso", "azona",
                              "blocchi", "alimentari", "cottura", "appprotidi", "applipidi", "appglucidi",
                              "appcalcio", "appfosforo", "appferro", "appvitA", "appvitB1", "appvitB2", "appvitPP",
                              "appvitC", "appcolesterolo", "appalcol", "fabbisogno", "glicemico", "sommario",
                              "manuale", "guidaalimenti", "frmTip", "informa", "prodotti", "supportoclienti"};
    for (const QString& name : windows)
        if (forms::isRegistered(name))
            open(name);
    unloadAll();
    for (const auto& [window, button] : std::vector<std::pair<QString, QString>>{
             {"appvitA", "stampa"}, {"alimentari", "stampa"}, {"fabbisogno", "stampa"}, {"glicemico", "stampa"},
             {"manuale", "cmdStampa"}, {"prodotti", "cmdstampa"}})
        if (forms::isRegistered(window))
            printout(window, button);
    return 0;
}
