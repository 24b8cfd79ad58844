#include "risultati.h"

#include "platform/numbers.h"

#include <QLabel>
#include <cmath>

namespace risultati {

QString testo(double value) {
    const QString text = num::toText(value);
    if (!std::isfinite(value))
        throw num::ConversionError(text);
    return text;
}

QStringList testi(const QList<QLabel*>& labels) {
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    return texts;
}

void ripristina(const QList<QLabel*>& labels, const QStringList& texts) {
    for (qsizetype i = 0; i < labels.size() && i < texts.size(); ++i)
        labels[i]->setText(texts[i]);
}

} // namespace risultati
