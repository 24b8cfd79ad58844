#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace msgbox {
namespace {
Answerer& answerer() {
    static Answerer current;
    return current;
}
} // namespace

void setAnswerer(Answerer a) {
    answerer() = std::move(a);
}

int show(const QString& text, int style, const QString& title) {
    if (answerer())
        return answerer()({text, style, title});

    QMessageBox box;
    box.setWindowTitle(title);
    // Line breaks arrive as a lone carriage return.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    switch (style & 0x70) {
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if ((style & 0x7) == YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton((style & DefaultButton2) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Yes : No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Ok;
}

} // namespace msgbox
