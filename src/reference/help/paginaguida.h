#pragma once

#include "pagineguida.h"
#include "shell/proportionedform.h"

class QLabel;
class QPushButton;

// A guide page: a title and a read-only text about the program, with the way back to the help index
// and a printout of its own. The nine pages differ only in their stored data.
class paginaguida : public ProportionedForm {
    Q_OBJECT
public:
    explicit paginaguida(const PaginaGuida& pagina);

    void Form_Load() override;

    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

    QString titolo() const;
    QString testo() const;

    QPushButton* cmdSommario = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdChiudi = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

private:
    const PaginaGuida& pagina_;
};
