#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QLabel;

// Results of the calculators live in captions: writing them, and putting them back after a failed run.
namespace risultati {

// Number to text for a computed result. An overflow is a run-time error, as it is in the classic
// arithmetic, instead of a caption that no later step could read back.
QString testo(double value);

QStringList testi(const QList<QLabel*>& labels);
void ripristina(const QList<QLabel*>& labels, const QStringList& texts);

} // namespace risultati
