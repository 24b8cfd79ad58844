#include "platform/shellopen.h"
#include "platform/textfiles.h"
#include "reference/help/listino.h"
#include "reference/help/prodotti.h"
#include "shell/modzelvo.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace testsupport;

namespace {
constexpr char Tema[] = ": menu equilibrati per tutta la famiglia";

// A price list of n products with the given count line; product i costs 10 * i and 9 * i. Topics as long as
// real ones make a full list some kilobytes long.
QByteArray listinoDi(int n, const QByteArray& count = {}) {
    QByteArray text = "\"2011\"," + (count.isEmpty() ? QByteArray::number(n) : count) + "\r\n";
    for (int i = 1; i <= n; ++i)
        text += "\"prog" + QByteArray::number(i) + "\",\"argomento " + QByteArray::number(i) + Tema + "\"," +
                QByteArray::number(10 * i) + "," + QByteArray::number(9 * i) + "\r\n";
    return text;
}

// Products of exactly 100 000 bytes, so that the 4 MB read limit falls inside product 42. Either each field
// stands on a line of its own and the limit falls inside the long topic, or the offer price is quoted text
// over two lines and the limit falls inside its second line.
QByteArray oltreIlLimite(bool nelprezzo) {
    QByteArray text = "\"2011\",50\r\n";
    for (int i = 1; i <= 50; ++i) {
        const QByteArray n = QByteArray::number(i), listino = QByteArray::number(10 * i),
                         offerta = QByteArray::number(9 * i);
        const QByteArray inizio =
            nelprezzo ? "\"prog" + n + "\",\"argomento " + n + "\"," + listino + ",\"" + offerta + " euro\r\n"
                      : "\"prog" + n + "\"\r\n\"argomento " + n;
        const QByteArray fine = nelprezzo ? "\"\r\n" : "\"\r\n" + listino + "\r\n" + offerta + "\r\n";
        text += inizio + QByteArray(100000 - inizio.size() - fine.size(), '.') + fine;
    }
    return text;
}

QStringList colonna(QLabel* const (&cells)[prodotti::Righe + 1]) {
    QStringList texts;
    for (int i = 1; i <= prodotti::Righe; ++i)
        texts << cells[i]->text();
    return texts;
}
} // namespace

class TestProdotti : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString previous_;

    void scrivi(const QByteArray& bytes) {
        QFile file(dir_.filePath(QStringLiteral("listino.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    prodotti* apri() { return qobject_cast<prodotti*>(forms::show(QStringLiteral("prodotti"))); }

private slots:
    void initTestCase() {
        initialise();
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void cleanupTestCase() { QDir::setCurrent(previous_); }
    void cleanup() {
        unloadAll();
        QFile::remove(dir_.filePath(QStringLiteral("listino.txt")));
        shellopen::setOpener(nullptr);
    }

    void twentyThree_scrollsFromOneToFourteen() {
        scrivi(listinoDi(23));
        prodotti* p = apri();
        QCOMPARE(p->numeroprodotti, 23);
        QCOMPARE(p->Label10->text(), QStringLiteral("2011"));
        QCOMPARE(ModZelvo::intestazionelistino, QStringLiteral("2011"));
        QCOMPARE(p->VScroll1->minimum(), 1);
        QCOMPARE(p->VScroll1->maximum(), 14);
        QCOMPARE(p->nom[1]->text(), QStringLiteral("prog1"));
        p->VScroll1->setValue(14);
        QCOMPARE(p->primariga, 14);
        QCOMPARE(p->num[1]->text(), QStringLiteral("14"));
        QCOMPARE(p->nom[1]->text(), QStringLiteral("prog14"));
        QCOMPARE(p->num[10]->text(), QStringLiteral("23"));
        QCOMPARE(p->argom[10]->text(), QStringLiteral("argomento 23") + QLatin1String(Tema));
        QCOMPARE(p->eur[10]->text(), QStringLiteral("230"));
        QCOMPARE(p->off[10]->text(), QStringLiteral("207"));
        QVERIFY2(!p->Label8->text().contains(QStringLiteral("listino.txt")), qPrintable(p->Label8->text()));
    }

    void chiudiThenReopen_keepsTheTopRowWithoutReading() {
        scrivi(listinoDi(23));
        prodotti* p = apri();
        p->VScroll1->setValue(5);
        QTest::mouseClick(p->cmdchiudi, Qt::LeftButton);
        QVERIFY(!p->isVisible());
        scrivi(listinoDi(3));
        p->cmdSommario_Click();
        qobject_cast<QWidget*>(forms::find(QStringLiteral("sommario")))
            ->findChild<QPushButton*>(QStringLiteral("puls(11)"))
            ->click();
        QCOMPARE(forms::find(QStringLiteral("prodotti")), p);
        QCOMPARE(p->nom[1]->text(), QStringLiteral("prog5"));
        QCOMPARE(p->numeroprodotti, 23);
    }

    void tenOrFewer_cannotScroll_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("four leave empty rows") << 4;
        QTest::newRow("exactly ten") << 10;
    }
    void tenOrFewer_cannotScroll() {
        QFETCH(int, count);
        scrivi(listinoDi(count));
        prodotti* p = apri();
        QCOMPARE(p->VScroll1->maximum(), 1);
        QCOMPARE(p->VScroll1->value(), 1);
        QCOMPARE(colonna(p->num), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(p->nom[count]->text(), QStringLiteral("prog%1").arg(count));
        for (int i = count + 1; i <= 10; ++i)
            QVERIFY(p->nom[i]->text().isEmpty() && p->eur[i]->text().isEmpty());
    }

    void prices_showWithCommaAndPrintWithTwoDecimals() {
        scrivi("\"listino\",4\r\n"
               "\"ALFA\",\"uno\r\nsu due righe\",120.5,99\r\n"
               "\"BETA\",\"due\",\"su richiesta\",1234.5\r\n"
               "\"GAMMA, PIU\",\"tre, con virgola\",  7.25 , 0.5\r\n"
               "\"DELTA\",\"quattro\",\"99\",\"1.5\"\r\n");
        prodotti* p = apri();
        // A row is one line high: a line break in a cell is a blank there, and stays a break in print.
        QCOMPARE(p->argom[1]->text(), QStringLiteral("uno su due righe"));
        QCOMPARE(p->eur[1]->text(), QStringLiteral("120,5"));
        QCOMPARE(p->eur[2]->text(), QStringLiteral("su richiesta"));
        QCOMPARE(p->nom[3]->text(), QStringLiteral("GAMMA, PIU"));
        QCOMPARE(p->argom[3]->text(), QStringLiteral("tre, con virgola"));
        QCOMPARE(p->eur[3]->text(), QStringLiteral("7,25"));

        QTest::mouseClick(p->cmdstampa, Qt::LeftButton);
        word::Document* doc = ModZelvo::documentoword;
        QCOMPARE(
            doc->paragraphTexts().mid(0, 4),
            (QStringList{QStringLiteral("prodotti software VORTANEL"), QString(),
                         QStringLiteral("acquistabili dalla pagina http://www.vortanel.example/acquisti.htm"),
                         QString()}));
        QCOMPARE(doc->tableCount(), 1);
        // The paragraph added before the table stays one of its own after the typed empty line, so a
        // blank line parts the text from the table.
        const auto& blocks = doc->blocks();
        const auto table = std::find_if(blocks.begin(), blocks.end(),
                                        [](const word::Document::Block& b) { return b.isTable; });
        QVERIFY(table - blocks.begin() >= 3);
        QCOMPARE((table - 3)->paragraph.text(), doc->paragraphTexts().at(2));
        QCOMPARE((table - 2)->paragraph.text(), QString());
        QCOMPARE((table - 1)->paragraph.text(), QString());
        word::Table* t = doc->table(1);
        QCOMPARE(t, ModZelvo::tabellaword);
        QCOMPARE(t->rowCount(), 5);
        QCOMPARE(t->columnCount(), 5);
        QCOMPARE(t->fontSize, 8.0);
        QCOMPARE(t->autoFormat, 9);
        QCOMPARE(t->cell(1, 3).text, QStringLiteral("argomento trattato                    "));
        QCOMPARE(t->cell(1, 3).text.size(), 38);
        QCOMPARE(t->cell(2, 3).text, QStringLiteral("uno\nsu due righe"));
        QCOMPARE(t->cell(2, 1).text, QStringLiteral(" 1"));
        QCOMPARE(t->cell(4, 1).text, QStringLiteral(" 3"));
        QCOMPARE(t->cell(2, 4).text, QStringLiteral("120,50"));
        QCOMPARE(t->cell(2, 5).text, QStringLiteral("99,00"));
        QCOMPARE(t->cell(3, 4).text, QStringLiteral("su richiesta"));
        QCOMPARE(t->cell(3, 5).text, QStringLiteral("1.234,50"));
        QCOMPARE(t->cell(4, 5).text, QStringLiteral("0,50"));
        // Quoted numbers are numbers all the same.
        QCOMPARE(t->cell(5, 4).text, QStringLiteral("99,00"));
        QCOMPARE(t->cell(5, 5).text, QStringLiteral("1,50"));
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(t->cell(r, 4).alignment, word::AlignRight);
            QCOMPARE(t->cell(r, 5).alignment, word::AlignRight);
            QCOMPARE(t->cell(r, 3).alignment, word::AlignLeft);
        }
    }

    void fileContents_giveTheirNotice_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("products");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("notice");
        QTest::newRow("count of exactly 100") << listinoDi(100) << 100 << 91 << QString();
        QTest::newRow("count above 100")
            << listinoDi(120) << 100 << 91
            << "Il file listino.txt annuncia 120 prodotti: sono mostrati soltanto i primi 100.";
        QTest::newRow("shorter than count")
            << listinoDi(12, "23") << 12 << 3
            << "Il file listino.txt annuncia 23 prodotti ma ne contiene soltanto 12.";
        QTest::newRow("count above 100, fewer held")
            << listinoDi(2, "150") << 2 << 1
            << "Il file listino.txt annuncia 150 prodotti ma ne contiene soltanto 2.";
        const QString troppogrande = QStringLiteral(
            "Il file listino.txt è troppo grande: ne sono stati letti soltanto i primi 4 MB (41 prodotti).");
        QTest::newRow("over 4 MB, cut between the fields of a product")
            << oltreIlLimite(false) << 41 << 32 << troppogrande;
        QTest::newRow("over 4 MB, cut inside a quoted field")
            << oltreIlLimite(true) << 41 << 32 << troppogrande;
        const QString invalido = QStringLiteral(
            "Listino non disponibile: il file listino.txt non indica un numero di prodotti valido.");
        QTest::newRow("count with a fraction") << listinoDi(5, "4.5") << 0 << 1 << invalido;
        QTest::newRow("negative count") << listinoDi(5, "-3") << 0 << 1 << invalido;
        QTest::newRow("count is a word") << listinoDi(5, "\"molti\"") << 0 << 1 << invalido;
        QTest::newRow("empty file") << QByteArray() << 0 << 1 << invalido;
        QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0 \0\0\0 \x08\x06\0\0\0szz\xf4", 33);
        for (int i = 0; i < 2000; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage << 0 << 1 << invalido;
    }
    void fileContents_giveTheirNotice() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, products);
        QFETCH(int, maximum);
        QFETCH(QString, notice);
        scrivi(bytes);
        prodotti* p = apri();
        QCOMPARE(p->numeroprodotti, products);
        QCOMPARE(p->VScroll1->maximum(), maximum);
        QCOMPARE(p->Label8->text().contains(QStringLiteral("listino.txt")), !notice.isEmpty());
        if (!notice.isEmpty())
            QCOMPARE(p->Label8->text(), notice);
        p->VScroll1->setValue(maximum);
        QCOMPARE(p->num[10]->text(), QString::number(maximum + 9));
        QCOMPARE(p->nom[10]->text(), products > 9 ? QStringLiteral("prog%1").arg(maximum + 9) : QString());
        // The printout still works on what was read.
        p->cmdstampa_Click();
        QCOMPARE(ModZelvo::tabellaword->rowCount(), products + 1);
    }

    void missingOrUnreadableFile_saysSoAndShowsAnEmptyList() {
        prodotti* p = apri();
        QCOMPARE(p->numeroprodotti, 0);
        QCOMPARE(p->Label8->text(),
                 QStringLiteral(
                     "Listino non disponibile: il file listino.txt non si trova nella cartella corrente."));
        QVERIFY(p->Label8->toolTip().contains(QStringLiteral("listino.txt")));
        QCOMPARE(p->nom[1]->text(), QString());
        QCOMPARE(p->Label10->text(), QString());

        // A file that is there but cannot be opened is not called missing.
        unloadAll();
        scrivi(listinoDi(3));
        textfiles::setUnreadable(
            [](const QString& path) { return path.endsWith(QLatin1String("listino.txt")); });
        p = apri();
        textfiles::setUnreadable(nullptr);
        const QString illeggibile =
            QStringLiteral("Listino non disponibile: il file listino.txt si trova nella cartella "
                           "corrente ma non può essere letto.");
        QCOMPARE(p->Label8->text(), illeggibile);
        QCOMPARE(p->numeroprodotti, 0);
        QCOMPARE(p->nom[1]->text(), QString());

        // Nor is a named pipe, which the window must not wait on. Should it wait, a writer comes after five
        // seconds, finds it waiting and lets it go on.
        unloadAll();
        const QByteArray fifo = QFile::encodeName(dir_.filePath(QStringLiteral("listino.txt")));
        QFile::remove(QString::fromLocal8Bit(fifo));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        std::atomic<bool> aperto = false, atteso = false;
        std::thread scrittore([&] {
            for (int i = 0; i < 50 && !aperto; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            // Without a reader waiting, opening to write at once fails.
            const int fd = aperto ? -1 : ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            atteso = fd >= 0;
            if (fd >= 0)
                ::close(fd);
        });
        p = apri();
        aperto = true;
        scrittore.join();
        QVERIFY(!atteso);
        QCOMPARE(p->Label8->text(), illeggibile);
    }

    void reader_handlesTheSequentialForm() {
        // Line ends and commas both close a field; blank lines between records are skipped.
        const listino l = listino::analizza(
            QStringLiteral("2011\n2,\"A\"\r\n\"a, b\"\n\n1e2\n\"x\"junk,\"B\",\"c\",-3.5,.5"));
        QCOMPARE(l.esito, listino::Esito::Completo);
        QCOMPARE(listino::testo(l.intestazione), QStringLiteral("2011"));
        QCOMPARE(l.prodotti.size(), size_t(2));
        QCOMPARE(listino::testo(l.prodotti[0].argomento), QStringLiteral("a, b"));
        QCOMPARE(listino::testo(l.prodotti[0].prezzolistino), QStringLiteral("100"));
        QCOMPARE(listino::testo(l.prodotti[0].prezzoofferta), QStringLiteral("x"));
        QCOMPARE(listino::testo(l.prodotti[1].prezzolistino), QStringLiteral("-3,5"));
        QCOMPARE(listino::importo(l.prodotti[1].prezzoofferta), QStringLiteral("0,50"));
        // An unclosed quote runs to the end of the file without harm.
        const listino aperto = listino::analizza(QStringLiteral("\"h\",1\n\"senza fine,\"t\",1,2"));
        QCOMPARE(aperto.esito, listino::Esito::Completo);
        QCOMPARE(listino::testo(aperto.prodotti[0].nome), QStringLiteral("senza fine,"));
    }

    void shellAddresses_areHandedOverExactly() {
        scrivi(listinoDi(2));
        QStringList opened;
        // The desktop takes nothing: the buttons still hand their addresses over and show nothing.
        MessageBoxes boxes;
        shellopen::setOpener([&opened](const QString& address) {
            opened << address;
            return false;
        });
        prodotti* p = apri();
        QTest::mouseClick(p->Command1, Qt::LeftButton);
        QTest::mouseClick(p->Command2, Qt::LeftButton);
        QCOMPARE(opened, (QStringList{QStringLiteral("http://www.vortanel.example/catalogo.htm"),
                                      QStringLiteral("mailto: info@vortanel.example")}));
        QCOMPARE(p->Command1->text(), QStringLiteral("Sito: www.vortanel.example"));
        QCOMPARE(p->Command2->text(), QStringLiteral("Email: info@vortanel.example"));
        QVERIFY(boxes.shown().isEmpty());
        p->Link(QStringLiteral("https://altro.example/x y"));
        QCOMPARE(opened.last(), QStringLiteral("https://altro.example/x y"));
    }

    void sampleFile_readsComplete() {
        const listino l = listino::leggi(qEnvironmentVariable("ZELVO_SOURCE_DIR") +
                                         QStringLiteral("/resources/listino.txt"));
        QCOMPARE(l.esito, listino::Esito::Completo);
        QCOMPARE(l.prodotti.size(), size_t(23));
        for (const listino::Prodotto& p : l.prodotti) {
            QVERIFY(std::holds_alternative<QString>(p.nome));
            QVERIFY(std::holds_alternative<double>(p.prezzolistino));
            QVERIFY(std::holds_alternative<double>(p.prezzoofferta));
        }
    }
};

QTEST_MAIN(TestProdotti)
#include "tst_prodotti.moc"
