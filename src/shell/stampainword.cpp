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

void intestazione(const QStringList& lines, int blanks) {
    word::Selection& selection = applicazioneword->selection();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        selection.setFontSize(i == 0 ? 20 : 16);
        QString text = lines[i] + word::CR;
        if (i + 1 == lines.size())
            text += QString(blanks, word::CR);
        selection.typeText(text);
    }
}

void intestazione(int blanks) {
    intestazione({nomeprogramma, sottotitolo}, blanks);
}

word::ParagraphObject paragrafo(double size, const QString& text) {
    word::ParagraphObject paragraph =
        documentoword->addParagraph(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")));
    paragraph.range().setFontSize(size);
    paragraph.range().setText(text);
    return paragraph;
}

word::Table* tabella(int rows, int columns, double size) {
    tabellaword =
        documentoword->addTable(documentoword->bookmarkRange(QStringLiteral("\\endofdoc")), rows, columns);
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
