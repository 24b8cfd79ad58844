#include "paginaargomento.h"

#include "platform/controls.h"
#include "platform/textfiles.h"
#include "reference/common/barraargomenti.h"
#include "reference/common/pulsantestampa.h"
#include "shell/stampainword.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>

namespace {
FrameWindow::Setup impostazione(const Pagina& pagina) {
    FrameWindow::Setup s;
    s.name = pagina.name();
    s.caption = QString::fromUtf8(pagina.caption);
    s.layout = FrameWindow::Layout::Reference;
    s.tooltips = FrameWindow::Tooltips::Clicca;
    s.hint = QStringLiteral(
        "leggi l'approfondimento o passa ad altri argomenti usando i tasti in alto nella finestra");
    s.helpLines = {
        QStringLiteral("- La finestra è di sola lettura;"),
        QStringLiteral("- clicca su un tasto in alto per visualizzare il rispettivo approndimento.")};
    return s;
}
} // namespace

PaginaArgomento::PaginaArgomento(const Pagina& pagina) : FrameWindow(impostazione(pagina)) {
    using namespace controls;
    barraargomenti = new BarraArgomenti(this, pagina.own, pagina.reversedTabs);
    barraargomenti->onClick = [this](int index) { cmd1_Click(index); };

    Frame3 = frame(this, QStringLiteral("Frame3"), QString::fromUtf8(pagina.heading), 120, 1080, 9255,
                   pagina.frameHeight);
    Text1 = memo(Frame3, QStringLiteral("Text1"), 120, 240, 9015, pagina.textHeight,
                 textfiles::resource(pagina.resource()));
    setFrameCaption(Frame3, DarkBlue, true);
    Text1->setFocusPolicy(Qt::StrongFocus);

    stampa = reference::pulsantestampa(this, 1200, 5400, 1095, 735);
    connect(stampa, &QToolButton::clicked, this, [this] { stampa_Click(); });

    barraargomenti->ordinetabulazione({aiuto, guidainlinea, stampa, Text1, cmdcomp, cmdtab, cmdmenu, esco});
}

void PaginaArgomento::cmd1_Click(int Index) {
    reference::apriargomento(objectName(), Index);
}

void PaginaArgomento::stampa_Click() {
    passo->setText(QStringLiteral("sto caricando WORD"));
    stampainword::nuovodocumento();
    stampainword::intestazione();
    // Heading and page text both go through the range of one paragraph object; how the two writes
    // join is the word processor's affair.
    const word::ParagraphObject paragrafo =
        stampainword::paragrafo(12, Frame3->title() + word::CR + word::CR);
    paragrafo.range().setFontSize(10);
    // The box's text as it holds it, its no-break spaces too, which toPlainText turns into plain ones.
    paragrafo.range().setText(
        Text1->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    stampainword::giustifica();
}
