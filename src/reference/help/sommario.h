#pragma once

#include "shell/proportionedform.h"

class QLabel;
class QPushButton;

// The help index: eleven topics that open the guide pages, the tips and the price list, and the export
// of the whole guide into one saved document.
class sommario : public ProportionedForm {
    Q_OBJECT
public:
    static constexpr int Argomenti = 11;

    sommario();

    void Form_Load() override;

    void puls_Click(int Index);
    void lbl_MouseMove(int Index);
    void form_MouseMove();
    void lbl_Mousedown(int Index);
    void lbl_MouseUp(int Index);
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void esci_Click();

    // Builds the guide document and saves it in the given folder; returns whether the file was written. When
    // it was not, a message box says why, and the document stays open in its window to be saved elsewhere.
    bool esportaguida(const QString& cartella);
    // The guide document's path in a folder, joined with exactly one separator.
    static QString percorsoguida(const QString& cartella);
    // The window that row Index opens; rows outside 1 to 11 open the quick manual.
    static QString argomento(int Index);

    QLabel* Label1 = nullptr;
    QPushButton* puls[Argomenti + 1] = {};
    QLabel* lbl[Argomenti + 1] = {};
    QPushButton* cmdstampa = nullptr;
    QPushButton* cmdchiudi = nullptr;
    QPushButton* esci = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void azzeragrassetto();
};
