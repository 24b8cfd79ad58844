#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPlainTextEdit;

// The small tables that texts write as lines with a tab between cells. Each column begins a gap beyond the
// widest cell of the column before it, so the cells stand in columns whatever their widths.
namespace tabstops {

// Where columns 2, 3, ... of these rows begin, from the start of a row; width(row, cell) measures one cell's
// text in the unit the stops come back in.
QList<double> stops(const QStringList& rows, const std::function<double(qsizetype, const QString&)>& width,
                    double gap);

// Gives a text box the stops of the tables in its text, and keeps them right when the text or the font
// change.
void alignColumns(QPlainTextEdit* box);

} // namespace tabstops
