#include "stampainword.h"

#include "modzelvo.h"

namespace stampainword {

using namespace ModZelvo;

word::Document* nuovodocumento() {
    applicazioneword = std::make_shared<word::Application>();
    applicazioneword->setVisible(true);
    documentoword = applicazioneword->addDocument();
    tabellaword = nullptr;
    applicazioneword->selection().setFontName(QStringLiteral("Century Gothic"));
    return documentoword;
}

void intestazione(const QString& ending) {
    word::Selection& selection = applicazioneword->selection();
    selection.setFontSize(20);
    selection.typeText(nomeprogramma + word::CR);
    selection.setFontSize(16);
    selection.typeText(sottotitolo + ending);
}

word::ParagraphObject paragrafo(double size, const QString& text) {
    word::ParagraphObject paragraph = documentoword->addParagraph(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")));
    paragraph.range().setFontSize(size);
    paragraph.range().setText(text);
    return paragraph;
}

word::Table* tabella(int rows, int columns, double size) {
    tabellaword = documentoword->addTable(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")), rows, columns);
    tabellaword->range().setFontSize(size);
    return tabellaword;
}

void allineaadestra(int n, int c) {
    if (word::Table* table = documentoword->table(n)) {
        table->selectColumn(c);
        applicazioneword->selection().setAlignment(word::AlignRight);
    }
}

void giustifica() {
    applicazioneword->selection().document()->select();
    applicazioneword->selection().setAlignment(word::AlignJustify);
}

} // namespace stampainword
