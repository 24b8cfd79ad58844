#include "controls.h"

#include "fonts.h"
#include "tabstops.h"
#include "twips.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace controls {

QColor bgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void mark(QWidget* widget) {
    widget->setProperty("zelvoControl", true);
}

bool isMarked(const QWidget* widget) {
    return widget->property("zelvoControl").toBool();
}

void setBackColor(QWidget* widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, controls::bgr(bgr));
    palette.setColor(QPalette::Base, controls::bgr(bgr));
    palette.setColor(QPalette::Button, controls::bgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty("backColor", bgr);
}

void setForeColor(QWidget* widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, controls::bgr(bgr));
    palette.setColor(QPalette::Text, controls::bgr(bgr));
    palette.setColor(QPalette::ButtonText, controls::bgr(bgr));
    widget->setPalette(palette);
}

namespace {
template <class W> W* placed(W* widget, const QString& name, int left, int top, int width, int height) {
    widget->setObjectName(name);
    twips::place(widget, left, top, width, height);
    widget->setFont(fonts::classicSans(8.25));
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

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QString& tooltip) {
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
    for (const QString& line :
         QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'))) {
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
    // The list would choose the item that reads as the typed text when editing ends (the focus leaving it).
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
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
const QString frameStyle =
    QStringLiteral("QGroupBox { border: 2px groove palette(mid); border-radius: 0px; margin-top: 0.55em; }"
                   "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; "
                   "padding: 0px 2px; }");
} // namespace

void setFrameCaption(QGroupBox* frame, quint32 bgr, bool bold) {
    const QString weight = bold ? QStringLiteral("font-weight: bold;") : QString();
    frame->setStyleSheet(
        frameStyle +
        QStringLiteral("QGroupBox::title { color: %1; %2 }").arg(controls::bgr(bgr).name(), weight));
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

QLabel* captionCell(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QString& tip, Qt::Alignment alignment) {
    QLabel* widget = cell(parent, name, caption, left, top, width, height);
    widget->setAlignment(alignment);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    return widget;
}

namespace {
class TableScrollBar : public QScrollBar {
public:
    explicit TableScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // The style draws no focus on a scroll bar: a dotted rectangle on the thumb shows it, as classic bars do.
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect thumb =
            style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(thumb.adjusted(2, 2, -3, -3));
    }
};

// Hands the wheel turned over a table's rows to its scroll bar; the bar takes a handed-on event for itself.
class WheelToBar : public QObject {
public:
    explicit WheelToBar(QScrollBar* bar) : QObject(bar), bar_(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        QCoreApplication::sendEvent(bar_, event);
        return true;
    }

private:
    QScrollBar* bar_;
};

// Return and keypad Enter on a focused push or tool button press it, after it shows itself pressed, as an
// access key does. The push buttons of dialogs and message boxes are left to the dialog, which gives both
// keys to its default button; a tool button knows neither key, so without this a dialog would take Return on
// it as confirming the dialog. The keys typed into any other control go on to it untouched.
class ReturnPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const bool pressed =
            qobject_cast<QToolButton*>(button) ||
            (qobject_cast<QPushButton*>(button) && !qobject_cast<QDialog*>(button->window()));
        if (!pressed || !button->hasFocus())
            return false;
        if (!key->isAutoRepeat())
            button->animateClick();
        return true;
    }
};

// On an X server with no window manager nobody hands the keyboard on: it goes to the window that the server
// was last asked to activate. Qt asks for a window that is not mapped yet (one just shown) only once the
// server has mapped it, so when one click shows two windows the first one shown may take the keyboard after
// the second, which the program brought to the front later. An activation that answers such an overtaken
// request gives the keyboard back to the front window. When the active window closes (a message box, a
// dialog, a window that hides itself) the keyboard would go to the screen and the program would no longer
// hear a key: the program's window shown or activated last before it takes the keyboard back, unless the
// program is bringing another one to the front.
class KeyboardKeeper : public QObject {
public:
    using QObject::QObject;

    void broughtToFront(QWidget* window) {
        // A window that is active already is not activated again: no answer will come.
        if (window != QApplication::activeWindow())
            asked_.append({window, QDeadlineTimer(AnswerTime)});
        front_ = window;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::WindowActivate && type != QEvent::Hide)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() ||
            (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog))
            return false;
        if (answered(window, type) && front_ && front_ != window && front_->isVisible()) {
            front_->activateWindow();
            return false;
        }
        recent_.removeAll(window);
        recent_.removeAll(nullptr);
        if (type != QEvent::Hide)
            recent_.append(window);
        else
            QTimer::singleShot(0, this, &KeyboardKeeper::handBack);
        return false;
    }

private:
    // A request that the window system has not answered in this time never will be (a window manager may
    // refuse it): the user's own later choice of that window must stand.
    static constexpr int AnswerTime = 2000;

    struct Request {
        QPointer<QWidget> window;
        QDeadlineTimer expiry;
    };

    // Whether the event answers the program's request to activate the window: an activation does, and a
    // window that hides will not be activated any more.
    bool answered(QWidget* window, QEvent::Type type) {
        bool asked = false;
        for (auto it = asked_.begin(); it != asked_.end();) {
            if (it->window == window && type != QEvent::Show) {
                asked = type == QEvent::WindowActivate;
                it = asked_.erase(it);
            } else if (!it->window || it->expiry.hasExpired()) {
                it = asked_.erase(it);
            } else {
                ++it;
            }
        }
        return asked;
    }

    bool awaited(const QWidget* window) const {
        return std::any_of(asked_.cbegin(), asked_.cend(), [window](const Request& request) {
            return request.window == window && !request.expiry.hasExpired();
        });
    }

    void handBack() {
        const QWidget* active = QApplication::activeWindow();
        // A window closing as it brings another to the front (a page going back to the composer) leaves the
        // keyboard to that one, whose activation is on its way.
        if ((active && active->isVisible()) || (front_ && awaited(front_)))
            return;
        for (auto it = recent_.crbegin(); it != recent_.crend(); ++it)
            if (*it && (*it)->isVisible()) {
                (*it)->activateWindow();
                return;
            }
    }

    QList<QPointer<QWidget>> recent_;
    QList<Request> asked_;
    QPointer<QWidget> front_;
};

QPointer<KeyboardKeeper>& keeper() {
    static QPointer<KeyboardKeeper> instance;
    return instance;
}
} // namespace

QScrollBar* tableScrollBar(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    return placed(static_cast<QScrollBar*>(new TableScrollBar(parent)), name, left, top, width, height);
}

void scrollWithWheel(QScrollBar* bar, const QList<QWidget*>& rows) {
    auto* filter = new WheelToBar(bar);
    for (QWidget* row : rows)
        row->installEventFilter(filter);
}

void returnPressesButtons() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    qApp->installEventFilter(new ReturnPressesButtons(qApp));
}

void keyboardFollowsFrontWindow() {
    if (keeper())
        return;
    keeper() = new KeyboardKeeper(qApp);
    qApp->installEventFilter(keeper());
}

void bringToFront(QWidget* window) {
    if (keeper())
        keeper()->broughtToFront(window);
    window->raise();
    window->activateWindow();
}

} // namespace controls
