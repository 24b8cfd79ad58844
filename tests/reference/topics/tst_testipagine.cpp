#include "platform/textfiles.h"
#include "reference/topics/pagina.h"

#include <QTest>

namespace {
struct Testo {
    const char* finestra;
    int length; // characters, a line break counting two
    std::vector<const char*> titles;
};

// The length of every page text and the titles it carries, in the order they stand.
const std::vector<Testo>& testi() {
    static const std::vector<Testo> list{
        {"alimentari",
         21375,
         {"Principi alimentari e funzione degli alimenti",
          "Indicazione per una sana alimentazione",
          "Perché mangiamo: funzioni dei vari principi nutritivi.",
          "Principali gruppi e alimenti",
          "I sette gruppi degli alimenti",
          "Gruppo",
          "Alimenti",
          "Nutrienti forniti",
          "Gruppo 1",
          "CARNI, PESCI, UOVA",
          "Frequenza consigliata per l'assunzione dei vari alimenti del gruppo",
          "Quotidianamente",
          "2/3 volte alla settimana",
          "1 volta alla settimana",
          "Gruppo 2",
          "LATTE E DERIVATI",
          "GRUPPO 3",
          "CEREALI, TUBERI E DERIVATI",
          "GRUPPO 4",
          "LEGUMI",
          "GRUPPO 5",
          "OLI E GRASSI DA CONDIMENTO",
          "GRUPPO 6 E 7",
          "ORTAGGI E FRUTTA",
          "Linee guida per una sana alimentazione:",
          "Controlla il peso e mantieniti attivo/a",
          "Bevande alcoliche: con moderazione",
          "Quanti grassi, quali grassi",
          "Come e perché variare",
          "Più cereali, legumi ortaggi e frutta",
          "Il sale? Meglio non eccedere",
          "Zuccheri e dolci: come e quanti"}},
        {"cottura",
         17446,
         {"Preparazione e cottura dei cibi", "I metodi di cottura:", "COTTURA IN ACQUA - bollitura",
          "COTTURA A VAPORE", "COTTURA IN PENTOLA A PRESSIONE", "COTTURA BRASATA O STUFATA",
          "COTTURA AL FORNO", "COTTURA ALLA GRIGLIA", "COTTURA AL CARTOCCIO", "COTTURA IN PADELLA",
          "COTTURA ATTRAVERSO LA FRITTURA", "COTTURA CON FORNO A MICRONDE",
          "Distribuzione dei pasti nella giornata", "Percentuale energetica dei vari nutrienti",
          "Distribuzione energetica dei pasti nell'arco della giornata", "La dieta mediterranea"}},
        {"appprotidi",
         2339,
         {"Le proteine", "Valore biologico delle proteine", "La complementarietà delle proteine"}},
        {"applipidi",
         3902,
         {"I lipidi", "I grassi si distinguono in:", "Lipidi semplici", "Lipidi complessi", "Fosfolipidi",
          "Glicolipidi", "I Lipidi nell'alimentazione",
          "Acidi grassi insaturi come fattori nutrizionali ipolipidermizzanti",
          "Sintomi da carenza di Lipidi"}},
        {"appglucidi",
         1849,
         {"I glucidi", "I glucidi vengono classificati in:", "I glucidi nell'alimentazione"}},
        {"appcalcio",
         18509,
         {"CALCIO", "Descrizione", "Assimilazione ed immagazzinamento", "Dosaggio e tossicità",
          "Effetti da carenza e sintomi", "Effetti benefici nelle malattie", "Organi", "Malattie",
          "Generale"}},
        {"appfosforo",
         12173,
         {"Sali minerali", "ELEMENTI IMPRESCINDIBILI PER LA VITA",
          "CALCIO:", "CROMO:", "FERRO:", "FOSFORO:", "FLUORO:", "GERMANIO:", "IODIO:", "MAGNESIO:",
          "POTASSIO:", "RAME:", "SELENIO:", "SODIO:", "ZINCO:", "ZOLFO:"}},
        {"appferro",
         5202,
         {"L'ASSORBIMENTO DEL FERRO", "Il ruolo della dieta", "Il ruolo dell'intestino",
          "Il ruolo di altri fattori"}},
        {"appvitA",
         28000,
         {"VITAMINA A", "Descrizione", "Assimilazione ed immagazzinamento", "Dosaggio e tossicità",
          "Effetti da carenza e sintomi", "Effetti benefici nelle malattie",
          "Ricerche eseguite sugli esseri umani", "Risultati."}},
        {"appvitB1",
         14961,
         {"VITAMINA B1 (TIAMINA)", "Descrizione", "Assorbimento ed immagazzinamento", "Dosaggio e tossicità",
          "Effetti da carenza e sintomi", "Effetti benefici nelle malattie",
          "Ricerche eseguite su esseri umani", "Risultati.", "Risultati.", "Risultati.",
          "LA VITAMINA B1 PUO' ESSERE EFFICACE NELLA CURA DELLE SEGUENTI MALATTIE:", "Organi", "Malattie",
          "Generale"}},
        {"appvitB2",
         9328,
         {"VITAMINA B2 (RIBOFLAVINA)", "Descrizione", "Assimilazione ed immagazzinamento",
          "Dosaggio e tossicità", "Effetti da carenza e sintomi", "Effetti benefici nelle malattie",
          "Ricerche eseguite su esseri umani", "Risultati.",
          "LA VITAMINA B2 PUO’ ESSERE EFFICACE NELLA CURA DELLE SEGUENTI MALATTIE:", "Organi", "Malattie"}},
        {"appvitPP",
         1362,
         {"VITAMINA PP", "AZIONE FISIOLOGICA", "FONTI ALIMENTARI", "FABBISOGNO", "CARENZE"}},
        {"appvitC",
         26760,
         {"VITAMINA C (ACIDO ASCORBICO)", "Descrizione", "Assorbimento ed immagazzinamento",
          "Dosaggio e tossicità", "Effetti da carenza e sintomi", "Effetti benefici nelle malattie",
          "Ricerche eseguite su esseri umani", "Risultati.", "Risultati.", "Gruppo vitamina C",
          "Gruppo placebo", "Risultati.", "Risultati.", "Risultati."}},
        {"appcolesterolo",
         9481,
         {"Il colesterolo",
          "Sul colesterolo esiste una disinformazione diffusa.",
          "1)",
          "Il colesterolo è fondamentale per il nostro organismo perché:",
          "2)",
          "I due tipi",
          "3)",
          "Non deve salire troppo",
          "4)",
          "Il fattore di rischio",
          "5)",
          "Fattore di rischio",
          "6)",
          "Il colesterolo assunto con l'alimentazione non supera il 20%",
          "7)",
          "I cibi contenenti colesterolo",
          "8)",
          "Come controllare il colesterolo endogeno",
          "9)",
          "Come aumentare il colesterolo buono",
          "10)",
          "I farmaci"}},
        // No titles here: the page's key figures stand in their place.
        {"appalcol", 2756, {"7,3", "7,9", "749", "93", "250"}},
    };
    return list;
}

// A title counts where it starts a word, not inside a longer one ("Gruppo" in "sottogruppo").
qsizetype findTitle(const QString& text, const QString& title, qsizetype from) {
    for (qsizetype at = text.indexOf(title, from); at >= 0; at = text.indexOf(title, at + 1))
        if (at == 0 || !text[at - 1].isLetterOrNumber())
            return at;
    return -1;
}
} // namespace

class TestTestiPagine : public QObject {
    Q_OBJECT
private slots:
    void everyPage_hasItsLengthAndTitlesInOrder_data() {
        QTest::addColumn<int>("row");
        QCOMPARE(testi().size(), reference::pagine().size());
        for (int i = 0; i < int(testi().size()); ++i) {
            QVERIFY(reference::pagina(QString::fromLatin1(testi()[size_t(i)].finestra)));
            QTest::newRow(testi()[size_t(i)].finestra) << i;
        }
    }
    void everyPage_hasItsLengthAndTitlesInOrder() {
        QFETCH(int, row);
        const Testo& t = testi()[size_t(row)];
        const QString text =
            textfiles::resource(reference::pagina(QString::fromLatin1(t.finestra))->resource());
        // The text as the window holds it: CR LF between lines, so a break counts two.
        const qsizetype length = text.size();
        QVERIFY2(length >= t.length * 0.9 && length <= t.length * 1.1,
                 qPrintable(QStringLiteral("%1 characters against %2").arg(length).arg(t.length)));
        qsizetype from = 0;
        for (const char* title : t.titles) {
            const qsizetype at = findTitle(text, QString::fromUtf8(title), from);
            QVERIFY2(
                at >= 0,
                qPrintable(QStringLiteral("\"%1\" missing or out of order").arg(QString::fromUtf8(title))));
            from = at + 1;
        }
    }
};

QTEST_MAIN(TestTestiPagine)
#include "tst_testipagine.moc"
