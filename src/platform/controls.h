#pragma once

#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QString>

// Building the classic controls: each one named, placed in twips and marked for clsResize.
namespace controls {

// The colour of a blue-green-red value, 0x00BBGGRR: red in the lowest byte.
QColor bgr(quint32 value);

constexpr quint32 Yellow = 0x0000FFFF;
constexpr quint32 Cyan = 0x00FFFF00;
constexpr quint32 Red = 0x000000FF;
constexpr quint32 Grey = 0x00C0C0C0;
constexpr quint32 DarkBlue = 0x00C00000;
constexpr quint32 Blue = 0x00FF0000;
constexpr quint32 LightYellow = 0x00C0FFFF;
constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 Black = 0x00000000;

// Marks a widget as a control whose geometry clsResize keeps in proportion.
void mark(QWidget* widget);
bool isMarked(const QWidget* widget);

void setBackColor(QWidget* widget, quint32 bgr);
void setForeColor(QWidget* widget, quint32 bgr);

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
              int height);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QString& tooltip = QString());
QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height);
QPlainTextEdit* memo(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     const QString& text = QString());
// A read-only note: its hard line breaks were set for a narrower font, so the box joins the lines of each
// paragraph and wraps them at its own width; empty lines still divide the paragraphs.
QPlainTextEdit* note(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     const QString& text);
// An editable list: typing never adds an item nor completes the text. Only choosing an item is a choice: a
// typed text stays no choice when the focus leaves the list, even when it reads as an item; Return and Enter
// choose nothing, and the wheel turns the list only while it has the focus.
QComboBox* editableList(QWidget* parent, const QString& name, int left, int top, int width, int height);
// A typed text leaves the list without a chosen item; the text and the cursor stay as typed.
void leaveUnchosen(QComboBox* box);
// A frame caption in its own colour and weight, without passing either on to the controls inside.
void setFrameCaption(QGroupBox* frame, quint32 bgr, bool bold);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                 int height);

// A label with a yellow background, a thin border and centred text, as the caption cells are.
QLabel* cell(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
             int height, quint32 bgr = Yellow);
// A caption cell: a yellow cell whose text stands as aligned, with the tooltip that says what it captions.
QLabel* captionCell(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QString& tip = QString(),
                    Qt::Alignment alignment = Qt::AlignCenter);

// The vertical scroll bar of a table whose rows are labels: a tab stop that shows its focus, moved one row by
// Up and Down, one page by Page Up and Page Down, and to either end by Home and End.
QScrollBar* tableScrollBar(QWidget* parent, const QString& name, int left, int top, int width, int height);
// The wheel turned over any of the rows scrolls the table as it does over its bar.
void scrollWithWheel(QScrollBar* bar, const QList<QWidget*>& rows);

// Return and keypad Enter press the focused push or tool button in every window, as Space does; installed
// once for the application. A dialog's push buttons keep the dialog's own handling of both keys (its default
// button).
void returnPressesButtons();
// The keyboard follows the windows as a window manager would hand it on, also on an X server without one;
// installed once for the application. The window that the program brought to the front last keeps it,
// whatever order the activations of the windows brought up before it arrive in; when the active window
// closes, the window active before it takes the keyboard back.
void keyboardFollowsFrontWindow();
// Raises a window and gives it the keyboard, as the window brought to the front last.
void bringToFront(QWidget* window);

} // namespace controls
