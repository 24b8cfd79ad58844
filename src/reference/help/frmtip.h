#pragma once

#include "platform/forms.h"

#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;

// The tips of the day: one hint at a time from the tips file, stepped forwards and backwards.
class frmTip : public Form {
    Q_OBJECT
public:
    static constexpr const char* NomeFile = "SuggerimentiZelvo.TXT";

    frmTip();

    void Form_Load() override;

    // Reads every line of the file as a tip and shows the first, or says first that the file was too large to
    // read whole; false when the file is missing or cannot be read.
    bool LoadTips(const QString& path);
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

    // The text shown when the tips file is missing.
    static QString messaggiomancante();

    const QStringList& tips() const { return TipList; }

    QFrame* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTipText = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdprecedente = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowNextTip();

    QStringList TipList;
    qint32 TipPosition = 0;
};
