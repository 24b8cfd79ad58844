#include "platform/documentwindow.h"
#include "platform/twips.h"
#include "reference/help/paginaguida.h"
#include "reference/help/sommario.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {
void muovi(QWidget* widget) {
    QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void premi(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QStringList grassetti(sommario* s) {
    QStringList bold;
    for (int i = 1; i <= sommario::Argomenti; ++i)
        if (s->lbl[i]->font().bold())
            bold << s->lbl[i]->objectName();
    return bold;
}

double dimensione(const word::Paragraph& p) {
    return p.runs.empty() ? 0 : p.runs.front().fontSize;
}

// The index's rows as published: caption, the window it opens and its top; for the guide pages, in export
// order, their title and about how long their text is.
const struct Argomento {
    const char* didascalia;
    const char* finestra;
    int top;
    const char* titolo;
    int lunghezza;
} argomenti[sommario::Argomenti] = {
    {"  Manuale d'uso rapido", "manuale", 960, "MANUALE D'USO RAPIDO", 2210},
    {"  Funzionamento del programma", "guidafunzionamento", 1320, "FUNZIONAMENTO DEL PROGRAMMA", 1223},
    {"  Archivio dati", "guidaarchivio", 1680, "ARCHIVIO DATI", 1237},
    {" Come stampare", "guidastampa", 2040, "COME STAMPARE", 1216},
    {" Finestra Menu", "guidamenu", 2520, "Finestra MENU", 1262},
    {" Finestra Tabella", "guidatabella", 2880, "Finestra TABELLA", 1247},
    {" Finestra Composizione", "guidacomposizione", 3240, "Finestra COMPOSIZIONE", 1267},
    {" Calorie necessarie", "guidacalorie", 3720, "Calorie necessarie", 1391},
    {" Alimenti", "guidaalimenti", 4080, " Alimenti", 1433},
    {"  Suggerimento del giorno", "frmTip", 4560, nullptr, 0},
    {"  altri prodotti Software VORTANEL", "prodotti", 5640, nullptr, 0},
};
constexpr int Guide = 9;
} // namespace

class TestSommario : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() { unloadAll(); }

    void hover_leavesOnlyTheLastLabelBold() {
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        muovi(s->lbl[3]);
        QCOMPARE(grassetti(s), QStringList{QStringLiteral("lbl(3)")});
        muovi(s->lbl[7]);
        QCOMPARE(grassetti(s), QStringList{QStringLiteral("lbl(7)")});
        muovi(s);
        QVERIFY(grassetti(s).isEmpty());
    }

    void press_anyButtonOpensTopicAndFlattensUntilRelease() {
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        QCOMPARE(s->lbl[5]->frameShape(), QFrame::Box);
        premi(s->lbl[5], QEvent::MouseButtonPress, Qt::RightButton);
        QVERIFY2(forms::isLoaded(QStringLiteral("guidamenu")), "the press itself opens the topic");
        QVERIFY(forms::find(QStringLiteral("guidamenu"))->isVisible());
        QCOMPARE(s->lbl[5]->frameShape(), QFrame::NoFrame);
        premi(s->lbl[5], QEvent::MouseButtonRelease, Qt::RightButton);
        QCOMPARE(s->lbl[5]->frameShape(), QFrame::Box);
        QVERIFY(s->isVisible());
    }

    void topics_eachRowInPlaceOpensItsWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        for (int i = 1; i <= sommario::Argomenti; ++i)
            QTest::addRow("%d %s", i, argomenti[i - 1].finestra) << i << argomenti[i - 1].finestra;
        QTest::newRow("0 falls back") << 0 << "manuale";
        QTest::newRow("12 falls back") << 12 << "manuale";
        QTest::newRow("negative falls back") << -5 << "manuale";
    }
    // The "--->" button and its label side by side at the row's top; the guide pages with their title and
    // text.
    void topics_eachRowInPlaceOpensItsWindow() {
        QFETCH(int, index);
        QFETCH(QString, window);
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        QCOMPARE(s->windowTitle(), QStringLiteral("Zelvo: guida in linea"));
        if (index < 1 || index > sommario::Argomenti) {
            s->puls_Click(index);
        } else {
            const Argomento& a = argomenti[index - 1];
            QCOMPARE(s->lbl[index]->text(), QString::fromUtf8(a.didascalia));
            QCOMPARE(s->lbl[index]->geometry(), twips::rect(720, a.top, 2895, 255));
            QCOMPARE(s->lbl[index]->property("backColor").toUInt(), index == 11 ? 0x0000FFFFu : 0x00FFFF00u);
            QCOMPARE(s->puls[index]->text(), QStringLiteral("--->"));
            QCOMPARE(s->puls[index]->geometry(), twips::rect(240, a.top, 375, 255));
            QTest::mouseClick(s->puls[index], Qt::LeftButton);
        }
        QVERIFY(forms::isLoaded(window));
        QVERIFY(forms::find(window)->isVisible());
        QVERIFY(s->isVisible());
        if (index >= 1 && index <= Guide) {
            const auto* page = forms::get<paginaguida>(window);
            QCOMPARE(page->titolo(), QString::fromUtf8(argomenti[index - 1].titolo));
            const qsizetype length = argomenti[index - 1].lunghezza, shown = page->testo().size();
            QVERIFY2(std::abs(shown - length) <= length / 10, qPrintable(QString::number(shown)));
            QVERIFY(!page->testo().contains(QLatin1Char('\n')) && !page->testo().contains(QLatin1Char('\r')));
        }
    }

    void chiudi_hidesAndKeepsTheSameWindow() {
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        muovi(s->lbl[4]);
        QTest::mouseClick(s->cmdchiudi, Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QVERIFY(forms::isLoaded(QStringLiteral("sommario")));
        QCOMPARE(forms::show(QStringLiteral("sommario")), s);
        QCOMPARE(grassetti(s), QStringList{QStringLiteral("lbl(4)")});
    }

    void export_buildsTheWholeGuide() {
        QTemporaryDir dir;
        auto* s = forms::get<sommario>(QStringLiteral("sommario"));
        QVERIFY(s->esportaguida(dir.path()));
        const word::Document* doc = ModZelvo::documentoword;

        const auto& blocks = doc->blocks();
        std::vector<const word::Paragraph*> paragraphs;
        for (const auto& b : blocks)
            if (!b.isTable && !(b.paragraph.runs.empty() && &b == &blocks.back()))
                paragraphs.push_back(&b.paragraph);
        QCOMPARE(paragraphs[0]->text(), QStringLiteral("Zelvo"));
        QCOMPARE(dimensione(*paragraphs[0]), 20.0);
        QCOMPARE(paragraphs[1]->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(dimensione(*paragraphs[1]), 16.0);
        QCOMPARE(paragraphs[2]->text(), QString());
        QCOMPARE(paragraphs[3]->text(), QString());

        // From here on: heading, empty paragraph, text, for each page in index order.
        size_t p = 4;
        for (size_t n = 0; n < Guide; ++n, p += 3) {
            QVERIFY(p + 2 < paragraphs.size());
            const QString heading = QStringLiteral("Guida: ") + QString::fromUtf8(argomenti[n].titolo);
            QCOMPARE(paragraphs[p]->text(), heading);
            QCOMPARE(dimensione(*paragraphs[p]), n == 0 ? 16.0 : 12.0);
            QCOMPARE(paragraphs[p]->pageBreakBefore, n > 0);
            QCOMPARE(paragraphs[p + 1]->text(), QString());
            QCOMPARE(paragraphs[p + 2]->text(),
                     forms::get<paginaguida>(QString::fromLatin1(argomenti[n].finestra))->testo());
            QCOMPARE(dimensione(*paragraphs[p + 2]), 12.0);
        }
        QCOMPARE(p, paragraphs.size());
        QCOMPARE(doc->pageBreaks(), 8);
        for (const word::Paragraph* paragraph : paragraphs) {
            QCOMPARE(paragraph->alignment, word::AlignJustify);
            for (const word::Run& run : paragraph->runs)
                QCOMPARE(run.fontName, QStringLiteral("Century Gothic"));
        }
        // The pages it read stay loaded and hidden.
        QVERIFY(forms::isLoaded(QStringLiteral("guidacalorie")));
        QVERIFY(!forms::find(QStringLiteral("guidacalorie"))->isVisible());
    }

    void export_secondExportHasItsOwnApplication() {
        QTemporaryDir dir;
        auto* s = forms::get<sommario>(QStringLiteral("sommario"));
        s->esportaguida(dir.path());
        const auto first = ModZelvo::applicazioneword;
        s->esportaguida(dir.path());
        QVERIFY(ModZelvo::applicazioneword != first);
        QCOMPARE(first->documentCount(), 1);
        QCOMPARE(ModZelvo::applicazioneword->documentCount(), 1);
    }

    // "Stampa" writes the one guide file in the program's folder, over an older one, and shows the guide in a
    // window named for the whole guide.
    void export_stampaReplacesTheFileInTheProgramFolder() {
        QFile written(ModZelvo::cartellaprogramma() + QStringLiteral("/Zelvo-guida.doc"));
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write("vecchia guida");
        written.close();
        MessageBoxes boxes;
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        word::Application::setShowWindows(true);
        QTest::mouseClick(s->cmdstampa, Qt::LeftButton);
        word::Application::setShowWindows(false);
        settle();
        QVERIFY(boxes.shown().isEmpty());
        auto* window = QApplication::activeWindow();
        QVERIFY(qobject_cast<DocumentWindow*>(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Guida in linea - Zelvo"));
        window->close();
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        written.remove();
        QVERIFY(!content.contains("vecchia guida"));
        QVERIFY(content.contains("MANUALE D'USO RAPIDO") || content.contains("MANUALE D&#x27;USO RAPIDO"));
        QVERIFY(content.contains("COMPOSIZIONE"));
    }

    void export_unwritableFolderIsReported() {
        QTemporaryDir dir;
        // A plain file where the folder should be: no user, root included, can write under it.
        const QString blocked = dir.path() + QStringLiteral("/non-cartella");
        {
            QFile file(blocked);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        MessageBoxes boxes;
        auto* s = forms::get<sommario>(QStringLiteral("sommario"));
        QVERIFY(!s->esportaguida(blocked));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.shown().front().text.contains(blocked + QStringLiteral("/Zelvo-guida.doc")),
                 qPrintable(boxes.shown().front().text));
        QVERIFY(boxes.shown().front().text.startsWith(QStringLiteral("Impossibile salvare")));
        // The guide is still there to be saved elsewhere.
        QCOMPARE(ModZelvo::documentoword->pageBreaks(), 8);
    }

    void percorso_joinsWithOneSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "/opt/zelvo"
                               << "/opt/zelvo/Zelvo-guida.doc";
        QTest::newRow("root") << "/"
                              << "/Zelvo-guida.doc";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\Zelvo-guida.doc";
    }
    void percorso_joinsWithOneSeparator() {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(sommario::percorsoguida(folder), path);
    }

    void guidePage_printsItsOwnDocument() {
        auto* page = qobject_cast<paginaguida*>(forms::show(QStringLiteral("guidaalimenti")));
        QVERIFY(page);
        QTest::mouseClick(page->cmdStampa, Qt::LeftButton);
        const word::Document* doc = ModZelvo::documentoword;
        const QStringList texts = doc->paragraphTexts();
        QCOMPARE(texts.mid(0, 6),
                 (QStringList{QStringLiteral("Zelvo"), QStringLiteral("menu per una dieta equilibrata"),
                              QString(), QString(), QStringLiteral("Guida:  Alimenti"), QString()}));
        QCOMPARE(texts.at(6), page->testo());
        QCOMPARE(texts.size(), 7);
        QCOMPARE(doc->pageBreaks(), 0);
        QCOMPARE(ModZelvo::titologuida, QStringLiteral(" Alimenti"));
        int justified = 0;
        for (const auto& b : doc->blocks())
            justified += b.paragraph.alignment == word::AlignJustify ? 1 : 0;
        QCOMPARE(justified, int(doc->blocks().size()));
    }

    void guidePages_openAtTheirStoredPlace() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int screenWidth = screen->geometry().width();
        for (int n = 0; n < Guide; ++n) {
            Form* page = forms::show(QString::fromLatin1(argomenti[n].finestra));
            QCOMPARE(page->windowTitle(), QStringLiteral("Guida in linea"));
            QCOMPARE(page->width(), twips::px(n == 0 ? 9480 : 5520));
            QCOMPARE(page->height(), twips::px(6420));
            QCOMPARE(page->x(), n == 0 ? (screenWidth - screenWidth * 75 / 100) / 2 : twips::px(5467));
        }
    }

    void guidePage_sommarioKeepsItOpenAndChiudiUnloadsIt() {
        auto* page = qobject_cast<paginaguida*>(forms::show(QStringLiteral("guidatabella")));
        QTest::mouseClick(page->cmdSommario, Qt::LeftButton);
        QVERIFY(forms::find(QStringLiteral("sommario"))->isVisible());
        QVERIFY(page->isVisible());
        QTest::mouseClick(page->cmdChiudi, Qt::LeftButton);
        settle();
        QVERIFY(!forms::isLoaded(QStringLiteral("guidatabella")));
        QVERIFY(forms::find(QStringLiteral("sommario"))->isVisible());
    }
};

QTEST_MAIN(TestSommario)
#include "tst_sommario.moc"
