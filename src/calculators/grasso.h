#pragma once

#include "frame.h"
#include "tabellegrasso.h"

#include <span>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The body-fat calculator: fat and lean mass for a woman and for a man, recomputed at every input, and the
// first link of the zone-diet chain.
class grasso : public FrameWindow {
    Q_OBJECT
public:
    grasso();

    void anche_Click();
    void anche_Change();
    void addome_Click();
    void addome_Change();
    void altezza_Click();
    void altezza_Change();
    void peso_Click();
    void peso_Change();
    void pesod_change();
    void vitino_change();
    void polso_change();
    // Hands the lean mass and the weight of the women's (1) or men's (2) column to the zone diet.
    void zoniamo_Click(int Index);

    QLineEdit* pesod = nullptr;
    QComboBox* altezza = nullptr;
    QComboBox* anche = nullptr;
    QComboBox* addome = nullptr;
    QComboBox* peso = nullptr;
    QLineEdit* vitino = nullptr;
    QLineEdit* polso = nullptr;
    QLabel* mgrassad = nullptr;
    QLabel* mgrassau = nullptr;
    QLabel* mmagrad = nullptr;
    QLabel* mmagrau = nullptr;
    QLabel* grassokgd = nullptr;
    QLabel* grassokgu = nullptr;
    QLabel* magrokgd = nullptr;
    QLabel* magrokgu = nullptr;
    QLabel* assurdi = nullptr;
    QPushButton* zoniamo[3] = {}; // 1 women, 2 men
    QPlainTextEdit* Text1 = nullptr;

    // Filled at every load, read-only afterwards.
    TabelleGrasso tabelle;

protected:
    void setup() override;

private:
    void riempianche();
    void riempiaddome();
    void riempialtezza();
    void riempipeso();
    void riempisoglie();
    void riempitabella1();
    void riempitabella2();
    void riempitabella3();
    void riempitabella4();
    void riempilista(QComboBox* lista, std::span<const TabelleGrasso::Voce> voci,
                     std::array<std::optional<double>, 62>& costanti);
    void riempicolonne(int prima, int ultima);

    void calcolagrasso();

    int indiceanche = 0;
    int indiceaddome = 0;
    int indicealtezza = 0;
    int indicepeso = 0;
    double differenza = 0;
};
