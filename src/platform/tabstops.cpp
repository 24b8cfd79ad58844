#include "tabstops.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace tabstops {

QList<double> stops(const QStringList& rows, const std::function<double(qsizetype, const QString&)>& width,
                    double gap) {
    QList<double> widest;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split(QLatin1Char('\t'));
        // The last cell ends the row: its width sets no stop.
        for (qsizetype column = 0; column + 1 < cells.size(); ++column) {
            if (column == widest.size())
                widest << 0.0;
            widest[column] = std::max(widest[column], width(row, cells[column]));
        }
    }
    QList<double> result;
    double at = 0;
    for (const double cell : widest)
        result << (at += cell + gap);
    return result;
}

namespace {
// One set of stops serves every table of the text: a plain text box lays out all its lines alike.
void apply(QPlainTextEdit* box) {
    QStringList rows;
    for (const QString& line : box->toPlainText().split(QLatin1Char('\n')))
        if (line.contains(QLatin1Char('\t')))
            rows << line;
    const QFontMetricsF metrics(box->font());
    QList<QTextOption::Tab> tabs;
    const auto width = [&metrics](qsizetype, const QString& cell) { return metrics.horizontalAdvance(cell); };
    for (const double at : stops(rows, width, 2 * metrics.averageCharWidth()))
        tabs << QTextOption::Tab(at, QTextOption::LeftTab);
    QTextOption option = box->document()->defaultTextOption();
    if (option.tabs() == tabs)
        return;
    option.setTabs(tabs);
    box->document()->setDefaultTextOption(option);
}

class FontWatch : public QObject {
public:
    explicit FontWatch(QPlainTextEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::FontChange)
            apply(box_);
        return false;
    }

private:
    QPlainTextEdit* box_;
};
} // namespace

void alignColumns(QPlainTextEdit* box) {
    apply(box);
    QObject::connect(box->document(), &QTextDocument::contentsChanged, box, [box] { apply(box); });
    new FontWatch(box);
}

} // namespace tabstops
