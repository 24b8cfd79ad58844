#include "fabbisogno.h"

#include "reference/common/barraargomenti.h"
#include "reference/common/pulsantestampa.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/msgbox.h"
#include "platform/textfiles.h"
#include "shell/modzelvo.h"
#include "shell/openers.h"
#include "shell/stampainword.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <vector>

namespace {

constexpr quint32 Heading = controls::Cyan;
constexpr quint32 FirstColumn = 0x0080FFFF;
constexpr quint32 Value = controls::LightYellow;

constexpr int CellWidth = 1335;
constexpr int CellHeight = 255;
constexpr int TwoRowHeight = 495;
constexpr int RowStep = 240;

// The three columns of each side's tables.
constexpr int Left[3] = {360, 1680, 3000};
constexpr int Right[3] = {5160, 6480, 7800};

FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("fabbisogno");
    s.caption = QStringLiteral("Zelvo: fabbisogno giornaliero");
    s.layout = FrameWindow::Layout::Requirements;
    s.tooltips = FrameWindow::Tooltips::Cliccare;
    s.hint = QStringLiteral("La finestra è di sola lettura: per controllo e verifica dei dati inseriti per "
                            "l'elaborazione della dieta.");
    s.helpLines = {
        QStringLiteral("- La finestra è di sola lettura:"),
        QStringLiteral("- utilizzarla per verificare la corretta elaborazione della dieta in base alle "
                       "esigenze.")};
    s.designHeight = 6420;
    return s;
}

// The headings are drawn in a rounded hand; the systems without it fall back to the dialog font.
QFont comicFont(double pointSize, bool bold) {
    QFont font = fonts::classicSans(pointSize, bold);
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")});
    return font;
}

QLabel* cella(QWidget* parent, const QString& name, const char* caption, int left, int top, quint32 colour,
              int height = CellHeight, int width = CellWidth) {
    return controls::cell(parent, name, QString::fromUtf8(caption), left, top, width, height, colour);
}

QString elemento(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

const char* const rdaLines[] = {
    "La razione giornaliera raccomandata dalla Cee (RDA) è la seguente per le vitamine ed i minerali:",
    "- C ......... = mg     60",
    "- B1 ....... = mg       1,4",
    "- B2 ....... = mg       1,65",
    "- PP ....... = mg     18",
    "- B6 ....... = mg       2",
    "- folacina = mcg 200",
    "- B12 ..... = mcg     1",
    "- B5 ....... = mg       6",
    "- Calcio .. = mg   890",
    "- Ferro .... = mg     14",
};

} // namespace

fabbisogno::fabbisogno() : FrameWindow(impostazione()) {
    using namespace controls;
    setBackColor(this, Grey);

    Frame1 = new BarraArgomenti(this, 5);
    Frame1->onClick = [this](int index) { cmd1_Click(index); };

    struct HeadingCell {
        int index;
        const char* caption;
        int left, top, height;
        bool large;
    };
    const HeadingCell headings[] = {
        {1, "formula di calcolo approssimato", 360, 960, 375, true},
        {8, "valore calorico medio", 360, 1680, 375, true},
        {7, "fabbisogno in rapporto all'attività", 360, 2760, 375, true},
        {9, "fabbisogno di proteine", 5160, 960, 255, false},
        {0, "fabbisogno in base all'età (media)", 5160, 2880, 255, false},
    };
    for (const HeadingCell& h : headings) {
        label2[h.index] =
            cella(this, elemento("label2", h.index), h.caption, h.left, h.top, Heading, h.height, 3975);
        label2[h.index]->setFont(h.large ? comicFont(12, false) : comicFont(8.25, true));
    }

    Label1 = cella(this, QStringLiteral("Label1"), "Calorie totali = peso corporeo x 24 + 50%", 360, 1320,
                   Value, 315, 3975);
    Label1->setFont(fonts::classicSans(9.75));
    Label8 = cella(this, QStringLiteral("Label8"), "Glucidi (o carboidrati)....................: 4 Cal/g",
                   360, 2040, Value, CellHeight, 3975);
    Label9 = cella(this, QStringLiteral("Label9"), "Protidi (o proteine)........................: 4 Cal/g",
                   360, 2280, Value, CellHeight, 3975);
    Label10 =
        cella(this, QStringLiteral("Label10"), "Lipidi (o grassi)..............................: 9 Cal/g",
              360, 2520, Value, CellHeight, 3975);
    // The dotted leaders are meant for one line; clipping beats wrapping them out of the cell.
    for (QLabel* line : {Label1, Label8, Label9, Label10})
        line->setWordWrap(false);

    tabellaattivita();
    tabellaproteine();
    tabellaeta();

    // The calories-per-hour list may be typed over; nothing reads it back.
    Text1 = memo(this, QStringLiteral("Text1"), 360, 5040, 3975, 735,
                 textfiles::resource(QStringLiteral(":/reference/tables/fabbisogno.txt")) +
                     QStringLiteral("\r\n"));
    Text1->setReadOnly(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackColor(Text1, White);

    struct WiredButton {
        QPushButton** member;
        const char* name;
        const char* caption;
        const char* tooltip;
        void (fabbisogno::*handler)();
    };
    const WiredButton buttons[] = {
        {&RDA, "RDA", "&RDA", "clicca per visualizzare la RDA (razione giornaliera raccomandata",
         &fabbisogno::RDA_Click},
        {&BMI, "BMI", "&BMI", "clicca per calcolare il BMI (indice di massa corporea)",
         &fabbisogno::BMI_Click},
        {&BMR, "BMR", "B&MR",
         "clicca per calcolare il BMR (metabolismo basale ed il dispendio energetico giornaliero)",
         &fabbisogno::BMR_Click},
        {&tabpesi, "tabpesi", "&pesi", "clicca per calcolare il peso ideale del corpo",
         &fabbisogno::tabpesi_click},
        {&grass, "grass", "&grasso", "clicca per calcolare la massa grassa del corpo",
         &fabbisogno::grass_click},
    };
    int top = 2760;
    for (const WiredButton& b : buttons) {
        *b.member = button(this, QString::fromLatin1(b.name), QString::fromUtf8(b.caption), 4440, top, 600,
                           360, QString::fromUtf8(b.tooltip));
        connect(*b.member, &QPushButton::clicked, this, [this, handler = b.handler] { (this->*handler)(); });
        top += 360;
    }
    stampa = reference::pulsantestampa(this, 4320, 5040, 855, 735);
    connect(stampa, &QToolButton::clicked, this, [this] { stampa_Click(); });

    ordinetabulazione();
}

void fabbisogno::tabellaattivita() {
    const char* header[3] = {"Attività", "Uomini", "Donne"};
    for (int c = 0; c < 3; ++c)
        Label15[44 + c] =
            controls::captionCell(this, elemento("Label15", 44 + c), QString::fromUtf8(header[c]), Left[c],
                                  3120, CellWidth, CellHeight);
    // Energy in Cal per day; three cells stay empty.
    const char* rows[6][3] = {
        {"sedentaria", "2100-2800", "1500-2100"}, {"media", "2500-3200", "1700-2400"},
        {"pesante", "3800-4500", "2000-3000"},    {"molto pesante in climi freddi", "8000-9000", ""},
        {"in gravidanza", "", "2500-2700"},       {"in allattamento", "", "3000"}};
    const int tops[6] = {3360, 3600, 3840, 4080, 4560, 4800};
    for (int k = 0; k < 6; ++k)
        for (int c = 0; c < 3; ++c) {
            const int index = 47 + 3 * k + c;
            Label15[index] = cella(this, elemento("Label15", index), rows[k][c], Left[c], tops[k],
                                   c == 0 ? FirstColumn : Value, k == 3 ? TwoRowHeight : CellHeight);
        }
}

void fabbisogno::tabellaproteine() {
    using controls::captionCell;
    Label11[0] = captionCell(this, elemento("Label11", 0), QStringLiteral("Età (anni)"), Right[0], 1200,
                             CellWidth, CellHeight);
    Label12 = captionCell(this, QStringLiteral("Label12"), QStringLiteral("Peso (kg)"), Right[1], 1200,
                          CellWidth, CellHeight);
    Label13 = captionCell(this, QStringLiteral("Label13"), QStringLiteral("Proteine (g)"), Right[2], 1200,
                          CellWidth, CellHeight);

    // Each group spans two value rows: one example weight per row and its need at the group's rate.
    struct Group {
        int cell; // -1: Label14
        const char* caption;
        int top;
        int weights[2];
        int proteins[2];
        const char* values[4]; // weight, weight, protein, protein
    };
    const Group groups[3] = {
        {-1, "Bambini            (2g ogni kg)", 1440, {0, 1}, {2, 3}, {"25", "35", "50", "70"}},
        {4, "Ragazzi        (1,5g ogni kg)", 1920, {5, 6}, {7, 8}, {"40", "60", "60", "90"}},
        {9, "Adulti               (1g ogni kg)", 2400, {10, 11}, {12, 13}, {"50", "70", "50", "70"}},
    };
    for (const Group& g : groups) {
        QLabel* groupCell = cella(this, g.cell < 0 ? QStringLiteral("Label14") : elemento("Label15", g.cell),
                                  g.caption, Right[0], g.top, FirstColumn, TwoRowHeight);
        // The blanks are there to push the rate onto the cell's second line; a padding inside the border
        // keeps them doing so. The frame itself draws where the contents margins end, so the padding
        // cannot go there without pulling the border in from the cell's edge. A style sheet paints the
        // whole cell, so it names the background as well.
        groupCell->setStyleSheet(
            QStringLiteral("QLabel { background-color: %1; border: 1px solid %2; padding: 0px 5px; }")
                .arg(controls::bgr(FirstColumn).name(), controls::bgr(controls::Black).name()));
        if (g.cell < 0)
            Label14 = groupCell;
        else
            Label15[g.cell] = groupCell;
        for (int r = 0; r < 2; ++r) {
            const int top = g.top + r * RowStep;
            Label15[g.weights[r]] =
                cella(this, elemento("Label15", g.weights[r]), g.values[r], Right[1], top, Value);
            Label15[g.proteins[r]] =
                cella(this, elemento("Label15", g.proteins[r]), g.values[2 + r], Right[2], top, Value);
        }
    }
}

void fabbisogno::tabellaeta() {
    const char* header[3] = {"Età (anni)", "Femmine (Cal)", "Maschi (Cal)"};
    for (int c = 0; c < 3; ++c)
        Label11[1 + c] = controls::captionCell(this, elemento("Label11", 1 + c), QString::fromUtf8(header[c]),
                                               Right[c], 3120, CellWidth, CellHeight);
    // Women first, then men.
    const char* rows[10][3] = {{"1-3", "1200-1300", "1200-1300"},
                               {"7-9", "1800-2100", "1800-2100"},
                               {"10", "2200", "2200"},
                               {"12", "2300", "2500"},
                               {"14", "2450", "2700"},
                               {"16", "2400", "2900"},
                               {"18", "2300", "3600"},
                               {"25", "2300", "3200"},
                               {"45", "2200", "3200"},
                               {"anziani", "2000-2200", "2000-2200"}};
    for (int k = 0; k < 10; ++k)
        for (int c = 0; c < 3; ++c) {
            const int index = 14 + 3 * k + c;
            Label15[index] = cella(this, elemento("Label15", index), rows[k][c], Right[c], 3360 + k * RowStep,
                                   c == 0 ? FirstColumn : Value);
        }
}

void fabbisogno::ordinetabulazione() {
    // The labels take no focus, so the text box follows the buttons directly, then the topic bar.
    Frame1->ordinetabulazione(
        {aiuto, guidainlinea, RDA, BMI, BMR, tabpesi, grass, stampa, cmdmenu, esco, Text1});
}

void fabbisogno::cmd1_Click(int Index) {
    reference::apriargomento(objectName(), Index);
}

void fabbisogno::RDA_Click() {
    QStringList lines;
    for (const char* line : rdaLines)
        lines << QString::fromUtf8(line);
    msgbox::show(lines.join(QChar(13)), msgbox::Information, ModZelvo::titolocontrollo);
}

void fabbisogno::BMI_Click() {
    openers::apri(QStringLiteral("massa"));
}

void fabbisogno::BMR_Click() {
    openers::apri(QStringLiteral("basale"));
}

void fabbisogno::tabpesi_click() {
    openers::apri(QStringLiteral("pesi"));
}

void fabbisogno::grass_click() {
    openers::apri(QStringLiteral("grasso"));
}

void fabbisogno::stampa_Click() {
    using namespace ModZelvo;
    const QChar CR = word::CR;
    passo->setText(QStringLiteral("sto caricando WORD"));
    stampainword::nuovodocumento();
    stampainword::intestazione();
    applicazioneword->selection().typeText(QStringLiteral("Tabelle di fabbisogno calorico") + CR + CR);

    // Heading and rule go to the same paragraph object, one after the other.
    const word::ParagraphObject regola =
        documentoword->addParagraph(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")));
    regola.range().setFontSize(12);
    regola.range().setText(label2[1]->text() + QStringLiteral(":") + CR);
    regola.range().setFontSize(12);
    regola.range().setText(QStringLiteral("calorie totali giornaliere = peso corporeo x 24 + 50%") + CR + CR);
    stampainword::paragrafo(10, label2[8]->text());

    auto tabella = [](int rows, int columns, const auto& text) {
        word::Table* table = stampainword::tabella(rows, columns, 10);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                table->cellRange(r, c).setText(text(r, c));
        table->setAutoFormat(9);
    };
    auto typed = [](const std::vector<std::vector<const char*>>& rows) {
        return [&rows](int r, int c) { return QString::fromUtf8(rows[size_t(r - 1)][size_t(c - 1)]); };
    };
    // Rows 2 onwards of tables 2 and 5 come from the page's cells as they stand.
    auto fromPage = [this](const std::vector<const char*>& header, int first) {
        return [this, header, first](int r, int c) {
            return r == 1 ? QString::fromUtf8(header[size_t(c - 1)])
                          : Label15[first + 3 * (r - 2) + (c - 1)]->text();
        };
    };
    auto titolo = [CR](const QString& heading) { stampainword::paragrafo(10, CR + heading); };

    const std::vector<std::vector<const char*>> perGrammo{{"principi nutritivi", "valore calorico"},
                                                          {"glucidi (o carboidrati)", "4 Cal/g"},
                                                          {"protidi o (proteine)", "4 Cal/g"},
                                                          {"lipidi (o grassi)", "9 Cal/g"}};
    tabella(4, 2, typed(perGrammo));

    titolo(label2[7]->text());
    tabella(7, 3, fromPage({"attività", "uomini", "donne"}, 47));

    titolo(QStringLiteral("attività e consumo enrgetico"));
    const std::vector<std::vector<const char*>> perOra{{"attività", "fabbisogno in Cal/ora"},
                                                       {"giacere a letto da svegli", "7"},
                                                       {"scrivere", "28"},
                                                       {"mangiare", "28"},
                                                       {"guidare l'auto", "63"},
                                                       {"dattilografare", "70"},
                                                       {"governare la casa", "70"},
                                                       {"camminare a 5 km/ora", "140"},
                                                       {"pedalare a 13 km/ora", "175"},
                                                       {"camminare a 6,5 km/ora", "238"},
                                                       {"correre", "500"},
                                                       {"nuotare", "600"}};
    tabella(12, 2, typed(perOra));

    titolo(QStringLiteral("fabbisogno di proteine"));
    const std::vector<std::vector<const char*>> proteine{
        {"età (anni)", "peso (kg)", "proteine (g)"}, {"bambini (2g ogni kg)", "25", "50"},
        {"bambini (2g ogni kg)", "35", "70"},        {"ragazzi (1,5g ogni kg)", "40", "60"},
        {"ragazzi (1,5g ogni kg)", "60", "90"},      {"adulti (1g ogni kg)", "50", "50"},
        {"adulti (1g ogni kg)", "70", "70"}};
    tabella(7, 3, typed(proteine));

    titolo(QStringLiteral("fabbisogno medio in base all'età"));
    tabella(11, 3, fromPage({"età (anni)", "femmine (Cal)", "maschi (Cal)"}, 14));

    const std::pair<int, int> rightAligned[] = {{1, 2}, {2, 2}, {2, 3}, {3, 2}, {4, 2},
                                                {4, 3}, {5, 1}, {5, 2}, {5, 3}};
    for (const auto& [table, column] : rightAligned)
        stampainword::allineaadestra(table, column);
}
