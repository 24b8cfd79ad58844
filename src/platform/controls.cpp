#include "controls.h"

#include "tabstops.h"
#include "twips.h"

#include <QKeyEvent>

namespace controls {

QColor vb(quint32 bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

void mark(QWidget* widget) { widget->setProperty("zelvoControl", true); }

bool isMarked(const QWidget* widget) { return widget->property("zelvoControl").toBool(); }

void setBackColor(QWidget* widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, vb(bgr));
    palette.setColor(QPalette::Base, vb(bgr));
    palette.setColor(QPalette::Button, vb(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty("backColor", bgr);
}

void setForeColor(QWidget* widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, vb(bgr));
    palette.setColor(QPalette::Text, vb(bgr));
    palette.setColor(QPalette::ButtonText, vb(bgr));
    widget->setPalette(palette);
}

namespace {
template <class W> W* placed(W* widget, const QString& name, int left, int top, int width, int height) {
    widget->setObjectName(name);
    twips::place(widget, left, top, width, height);
    widget->setFont(twips::sansFont(8.25));
    mark(widget);
    return widget;
}
} // namespace

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
              int height) {
    auto* widget = placed(new QLabel(caption, parent), name, left, top, width, height);
    widget->setWordWrap(true);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                    int height, const QString& tooltip) {
    auto* widget = placed(new QPushButton(caption, parent), name, left, top, width, height);
    if (!tooltip.isEmpty())
        widget->setToolTip(tooltip);
    return widget;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    return placed(new QLineEdit(parent), name, left, top, width, height);
}

QPlainTextEdit* memo(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     const QString& text) {
    auto* widget = placed(new QPlainTextEdit(parent), name, left, top, width, height);
    widget->setReadOnly(true);
    // Tab moves on, so the keyboard reaches every control after the box.
    widget->setTabChangesFocus(true);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    widget->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    widget->setPlainText(shown);
    tabstops::alignColumns(widget);
    return widget;
}

QPlainTextEdit* note(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     const QString& text) {
    QPlainTextEdit* widget = memo(parent, name, left, top, width, height);
    QStringList paragraphs;
    QStringList current;
    for (const QString& line : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty())
                paragraphs << current.join(QLatin1Char(' '));
            current.clear();
        } else {
            current << line.trimmed();
        }
    }
    if (!current.isEmpty())
        paragraphs << current.join(QLatin1Char(' '));
    widget->setPlainText(paragraphs.join(QStringLiteral("\n\n")));
    return widget;
}

namespace {
// Keeps an editable list from choosing an item by Return or by a wheel turned over it in passing.
class ChoiceGuard : public QObject {
public:
    explicit ChoiceGuard(QComboBox* box) : QObject(box), box_(box) {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        } else if (event->type() == QEvent::Wheel) {
            if (!box_->hasFocus() && !box_->lineEdit()->hasFocus())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox* box_;
};
} // namespace

QComboBox* editableList(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* box = placed(new QComboBox(parent), name, left, top, width, height);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    // A parent's style would otherwise give the typing box the default font.
    box->lineEdit()->setFont(box->font());
    box->setFocusPolicy(Qt::StrongFocus);
    new ChoiceGuard(box);
    return box;
}

void leaveUnchosen(QComboBox* box) {
    if (box->currentIndex() < 0)
        return;
    QLineEdit* edit = box->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
}

namespace {
// The frame's line runs through the middle of its caption, as the classic frames draw it, so controls placed
// just below the caption stand inside the frame rather than on its line.
const QString frameStyle = QStringLiteral(
    "QGroupBox { border: 2px groove palette(mid); border-radius: 0px; margin-top: 0.55em; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0px 2px; }");
} // namespace

void setFrameCaption(QGroupBox* frame, quint32 bgr, bool bold) {
    frame->setStyleSheet(frameStyle + QStringLiteral("QGroupBox::title { color: %1; %2 }")
                                          .arg(vb(bgr).name(), bold ? QStringLiteral("font-weight: bold;") : QString()));
    QFont font = frame->font();
    font.setBold(bold);
    frame->setFont(font);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont childFont = child->font();
        childFont.setBold(false);
        child->setFont(childFont);
    }
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                 int height) {
    auto* widget = placed(new QGroupBox(caption, parent), name, left, top, width, height);
    widget->setFlat(false);
    widget->setStyleSheet(frameStyle);
    return widget;
}

QLabel* cell(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
             int height, quint32 bgr) {
    QLabel* widget = label(parent, name, caption, left, top, width, height);
    widget->setAlignment(Qt::AlignCenter);
    widget->setFrameShape(QFrame::Box);
    setBackColor(widget, bgr);
    return widget;
}

} // namespace controls
