#include "reference/help/paginaguida.h"
#include "reference/help/pagineguida.h"
#include "reference/help/sommario.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"
#include "platform/twips.h"

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
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QStringList grassetti(sommario* s) {
    QStringList bold;
    for (int i = 1; i <= sommario::Argomenti; ++i)
        if (s->lbl[i]->font().bold())
            bold << s->lbl[i]->objectName();
    return bold;
}

std::shared_ptr<word::Document> ultimodocumento() {
    const auto recent = word::Application::recentDocuments();
    return recent.empty() ? nullptr : recent.back();
}

double dimensione(const word::Paragraph& p) { return p.runs.empty() ? 0 : p.runs.front().fontSize; }
} // namespace

class TestSommario : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialise(); }
    void cleanup() {
        unloadAll();
        word::Application::clearRecentDocuments();
    }

    void caption_followsProgramName() {
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Zelvo: guida in linea"));
        QCOMPARE(s->lbl[9]->text(), QStringLiteral(" Alimenti"));
        QCOMPARE(s->lbl[11]->text(), QStringLiteral("  altri prodotti Software VORTANEL"));
    }

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

    void puls_opensEachTopic_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        QTest::newRow("1 manual") << 1 << "manuale";
        QTest::newRow("9 foods") << 9 << "guidaalimenti";
        QTest::newRow("10 tips") << 10 << "frmTip";
        QTest::newRow("11 price list") << 11 << "prodotti";
        QTest::newRow("0 falls back") << 0 << "manuale";
        QTest::newRow("12 falls back") << 12 << "manuale";
        QTest::newRow("negative falls back") << -5 << "manuale";
    }
    void puls_opensEachTopic() {
        QFETCH(int, index);
        QFETCH(QString, window);
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        s->puls_Click(index);
        QVERIFY(forms::isLoaded(window));
        QVERIFY(forms::find(window)->isVisible());
        QVERIFY(s->isVisible());
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
        const auto doc = ultimodocumento();
        QVERIFY(doc);
        QCOMPARE(doc.get(), ModZelvo::documentoword);

        const auto& blocks = doc->blocks();
        std::vector<const word::Paragraph*> paragraphs;
        for (const auto& b : blocks)
            if (!b.isTable && !(b.paragraph.runs.empty() && &b == &blocks.back()))
                paragraphs.push_back(&b.paragraph);
        QVERIFY(paragraphs.size() > 5);
        QCOMPARE(paragraphs[0]->text(), QStringLiteral("Zelvo"));
        QCOMPARE(dimensione(*paragraphs[0]), 20.0);
        QCOMPARE(paragraphs[1]->text(), QStringLiteral("menu per una dieta equilibrata"));
        QCOMPARE(dimensione(*paragraphs[1]), 16.0);
        QCOMPARE(paragraphs[2]->text(), QString());
        QCOMPARE(paragraphs[3]->text(), QString());

        // From here on: heading, empty paragraph, text, for each page in index order.
        const auto& pagine = guida::pagineguida();
        size_t p = 4;
        for (size_t n = 0; n < pagine.size(); ++n, p += 3) {
            QVERIFY(p + 2 < paragraphs.size());
            const QString heading = QStringLiteral("Guida: ") + pagine[n].titologuida();
            QCOMPARE(paragraphs[p]->text(), heading);
            QCOMPARE(dimensione(*paragraphs[p]), n == 0 ? 16.0 : 12.0);
            QCOMPARE(paragraphs[p]->pageBreakBefore, n > 0);
            QCOMPARE(paragraphs[p + 1]->text(), QString());
            QCOMPARE(paragraphs[p + 2]->text(), pagine[n].testo());
            QCOMPARE(dimensione(*paragraphs[p + 2]), 12.0);
        }
        QCOMPARE(p, paragraphs.size());
        QCOMPARE(paragraphs[4 + 8 * 3]->text(), QStringLiteral("Guida:  Alimenti"));
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

    void export_writesOneFileAndReplacesAnOldOne() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/Zelvo-guida.doc");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("vecchia guida");
        }
        auto* s = forms::get<sommario>(QStringLiteral("sommario"));
        QVERIFY(s->esportaguida(dir.path() + QLatin1Char('/')));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        QVERIFY(!content.contains("vecchia guida"));
        QVERIFY(content.contains("MANUALE D'USO RAPIDO") || content.contains("MANUALE D&#x27;USO RAPIDO"));
        QVERIFY(content.contains("COMPOSIZIONE"));
    }

    void export_secondExportHasItsOwnApplication() {
        QTemporaryDir dir;
        auto* s = forms::get<sommario>(QStringLiteral("sommario"));
        s->esportaguida(dir.path());
        const auto first = ModZelvo::applicazioneword;
        s->esportaguida(dir.path());
        QVERIFY(ModZelvo::applicazioneword != first);
        QCOMPARE(first->documentCount(), 1);
        QCOMPARE(word::Application::recentDocuments().size(), size_t(2));
    }

    void export_stampaWritesInTheProgramFolder() {
        const QString path = ModZelvo::cartellaprogramma() + QStringLiteral("/Zelvo-guida.doc");
        QFile::remove(path);
        MessageBoxes boxes;
        auto* s = qobject_cast<sommario*>(forms::show(QStringLiteral("sommario")));
        QTest::mouseClick(s->cmdstampa, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(QFile::exists(path));
        QFile::remove(path);
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
        QTest::newRow("plain") << "/opt/zelvo" << "/opt/zelvo/Zelvo-guida.doc";
        QTest::newRow("root") << "/" << "/Zelvo-guida.doc";
        QTest::newRow("drive root") << "C:\\" << "C:\\Zelvo-guida.doc";
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
        const auto doc = ultimodocumento();
        QVERIFY(doc);
        const QStringList texts = doc->paragraphTexts();
        QCOMPARE(texts.mid(0, 6), (QStringList{QStringLiteral("Zelvo"), QStringLiteral("menu per una dieta equilibrata"),
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
        for (const PaginaGuida& p : guida::pagineguida()) {
            Form* page = forms::show(QString::fromLatin1(p.nome));
            QCOMPARE(page->windowTitle(), QStringLiteral("Guida in linea"));
            QCOMPARE(page->width(), twips::px(p.larghezzafinestra));
            QCOMPARE(page->height(), twips::px(6420));
            if (QLatin1String(p.nome) == QLatin1String("manuale"))
                QCOMPARE(page->x(), (screenWidth - screenWidth * 75 / 100) / 2);
            else
                QCOMPARE(page->x(), twips::px(5467));
            QVERIFY2(!page->findChild<QLabel*>(QStringLiteral("Label2"))->text().isEmpty(), p.nome);
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

    void guideTexts_keepTheirLengths_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("length");
        const int lengths[] = {2210, 1223, 1237, 1216, 1262, 1247, 1267, 1391, 1433};
        QCOMPARE(guida::pagineguida().size(), std::size(lengths));
        int n = 0;
        for (const PaginaGuida& p : guida::pagineguida())
            QTest::newRow(p.nome) << QString::fromLatin1(p.nome) << lengths[n++];
    }
    void guideTexts_keepTheirLengths() {
        QFETCH(QString, page);
        QFETCH(int, length);
        const QString text = guida::pagina(page)->testo();
        QVERIFY2(std::abs(text.size() - length) <= length / 10, qPrintable(QString::number(text.size())));
        QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
    }
};

QTEST_MAIN(TestSommario)
#include "tst_sommario.moc"
