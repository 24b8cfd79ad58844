#pragma once

#include <QString>
#include <functional>

// Message boxes with the classic style values; tests answer them through an answerer.
namespace msgbox {

// Style values as the windows write them.
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int YesNo = 4;
constexpr int DefaultButton2 = 256;
constexpr int YesNoQuestionDefaultNo = YesNo + Question + DefaultButton2; // 292

// Answers.
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;

struct Shown {
    QString text;
    int style = 0;
    QString title;
};

// Shows the box (modal) and returns the answer.
int show(const QString& text, int style, const QString& title);

// While an answerer is installed no box is shown: it receives each box and returns the answer.
using Answerer = std::function<int(const Shown&)>;
void setAnswerer(Answerer answerer);

} // namespace msgbox
