#pragma once

#include "listino.h"
#include "shell/proportionedform.h"

class QLabel;
class QPushButton;
class QScrollBar;

// The maker's price list: read from its file when the window loads, shown ten rows at a time, printed
// as a table, with the way to the maker's web catalogue and mail.
class prodotti : public ProportionedForm {
    Q_OBJECT
public:
    static constexpr int Righe = 10;
    // The maker's addresses, all under the reserved example domain.
    static constexpr const char* Sito = "www.vortanel.example";
    static constexpr const char* Catalogo = "http://www.vortanel.example/catalogo.htm";
    static constexpr const char* Acquisti = "http://www.vortanel.example/acquisti.htm";
    static constexpr const char* Posta = "info@vortanel.example";

    prodotti();

    void Form_Load() override;

    void VScroll1_Change();
    void cmdstampa_Click();
    int Link(const QString& address);
    void Command1_Click();
    void Command2_Click();
    void cmdchiudi_Click();
    void cmdSommario_Click();

    int numeroprodotti = 0;
    listino::Valore nomeprodotto[listino::Capienza + 1];
    listino::Valore argomentoprodotto[listino::Capienza + 1];
    listino::Valore prezzolistino[listino::Capienza + 1];
    listino::Valore prezzoofferta[listino::Capienza + 1];
    int primariga = 1;

    QPushButton* cmdsommario = nullptr;
    QPushButton* cmdstampa = nullptr;
    QPushButton* cmdchiudi = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* num[Righe + 1] = {};
    QLabel* nom[Righe + 1] = {};
    QLabel* argom[Righe + 1] = {};
    QLabel* eur[Righe + 1] = {};
    QLabel* off[Righe + 1] = {};

private:
    void leggilistino();
};
