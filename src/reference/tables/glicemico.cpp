#include "glicemico.h"

#include "glicemicodati.h"
#include "reference/common/barraargomenti.h"
#include "reference/common/pulsantestampa.h"

#include "platform/controls.h"
#include "platform/numbers.h"
#include "platform/textfiles.h"
#include "shell/modzelvo.h"
#include "shell/stampainword.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

namespace {
FrameWindow::Setup impostazione() {
    FrameWindow::Setup s;
    s.name = QStringLiteral("glicemico");
    s.caption = QStringLiteral("Zelvo: l'indice glicemico");
    s.layout = FrameWindow::Layout::Reference;
    s.tooltips = FrameWindow::Tooltips::Clicca;
    s.hint = QStringLiteral(
        "leggi l'approfondimento o passa ad altri argomenti usando i tasti in alto nella finestra");
    s.helpLines = {
        QStringLiteral("- La finestra è di sola lettura;"),
        QStringLiteral("- clicca su un tasto in alto per visualizzare il rispettivo approndimento.")};
    return s;
}

constexpr int FirstRow = 1;
constexpr int LastTop = glicemico::Righe - glicemico::Visibili + 1; // 115
} // namespace

glicemico::glicemico() : FrameWindow(impostazione()) {
    using namespace controls;
    Frame1 = new BarraArgomenti(this, 16);
    Frame1->onClick = [this](int index) { cmd1_Click(index); };

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Tabella dell'indice glicemico:"), 120,
                   1080, 9255, 4215);

    Text1 = memo(Frame3, QStringLiteral("Text1"), 240, 240, 3495, 3855,
                 textfiles::resource(QStringLiteral(":/reference/tables/glicemico.txt")) +
                     QStringLiteral("\r\n"));

    VScroll1 = tableScrollBar(Frame3, QStringLiteral("VScroll1"), 3960, 240, 375, 3855);
    VScroll1->setRange(FirstRow, LastTop);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(Visibili);
    VScroll1->setValue(FirstRow);
    // The rows follow the thumb only when it is released.
    VScroll1->setTracking(false);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    const char* headers[3] = {"num.", "alimento", "indice glicemico"};
    struct Column {
        QLabel** cells;
        const char* name;
        int left, width;
        quint32 colour;
        Qt::Alignment alignment;
    };
    QList<QWidget*> rows;
    const Column columns[3] = {{num, "num", 4440, 495, Cyan, Qt::AlignCenter},
                               {ali, "ali", 4920, 2655, White, Qt::AlignLeft | Qt::AlignVCenter},
                               {ig, "ig", 7560, 1455, White, Qt::AlignCenter}};
    for (int c = 0; c < 3; ++c) {
        const Column& column = columns[c];
        column.cells[0] = captionCell(Frame3, QStringLiteral("%1(0)").arg(QLatin1String(column.name)),
                                      QString::fromUtf8(headers[c]), column.left, 240, column.width, 255);
        for (int i = 1; i <= Visibili; ++i) {
            QLabel* row = cell(Frame3, QStringLiteral("%1(%2)").arg(QLatin1String(column.name)).arg(i),
                               QString(), column.left, 480 + 240 * (i - 1), column.width, 255, column.colour);
            row->setAlignment(column.alignment);
            row->setWordWrap(false);
            column.cells[i] = row;
            rows << row;
        }
    }
    scrollWithWheel(VScroll1, rows);
    for (int i = 1; i <= Visibili; ++i)
        num[i]->setText(num::toText(i));
    setFrameCaption(Frame3, DarkBlue, true);

    stampa = reference::pulsantestampa(this, 1200, 5400, 1095, 735);
    connect(stampa, &QToolButton::clicked, this, [this] { stampa_Click(); });

    Frame1->ordinetabulazione({aiuto, guidainlinea, stampa, Text1, VScroll1, cmdcomp, cmdtab, cmdmenu, esco});
}

void glicemico::setup() {
    for (int i = 1; i <= Righe; ++i) {
        nomialimenti[i] = QString::fromUtf8(glicemicodati::righe[i - 1].alimento);
        indiciglicemici[i] = glicemicodati::righe[i - 1].indice;
    }
    VScroll1_Change();
}

void glicemico::cmd1_Click(int Index) {
    reference::apriargomento(objectName(), Index);
}

void glicemico::VScroll1_Change() {
    // The scroll bar keeps its value within range; the clamp keeps the rows within the table whatever it
    // holds.
    const int v = std::clamp(VScroll1->value(), FirstRow, LastTop);
    for (int i = 1; i <= Visibili; ++i) {
        const int row = v + i - 1;
        num[i]->setText(num::toText(row));
        ali[i]->setText(nomialimenti[row]);
        ig[i]->setText(num::toText(indiciglicemici[row]));
    }
}

void glicemico::stampa_Click() {
    using namespace ModZelvo;
    const QChar CR = word::CR;
    passo->setText(QStringLiteral("sto caricando WORD"));
    stampainword::nuovodocumento();
    stampainword::intestazione();

    // Heading and introduction go to the same paragraph object, one after the other.
    const word::ParagraphObject introduzione =
        documentoword->addParagraph(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")));
    introduzione.range().setFontSize(12);
    introduzione.range().setText(Frame3->title() + CR + CR);
    introduzione.range().setFontSize(10);
    QString testo = Text1->toPlainText();
    testo.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    introduzione.range().setText(testo);

    stampainword::paragrafo(12, CR + QStringLiteral("Tabella dell'indice glicemico"));
    word::Table* table = stampainword::tabella(Righe + 1, 3, 10);
    table->cellRange(1, 1).setText(QStringLiteral("num."));
    table->cellRange(1, 2).setText(QStringLiteral("alimento"));
    table->cellRange(1, 3).setText(QStringLiteral("indice glicemico"));
    for (int i = 1; i <= Righe; ++i) {
        table->cellRange(i + 1, 1).setText(QStringLiteral(" ") + num::toText(i));
        table->cellRange(i + 1, 2).setText(nomialimenti[i]);
        table->cellRange(i + 1, 3).setText(num::toText(indiciglicemici[i]));
    }
    table->setAutoFormat(9);
    stampainword::giustifica();
    stampainword::allineaadestra(1, 3);
}
