#pragma once

#include <QComboBox>
#include <QTest>

// Chooses a list item as a person does from the opened list: the item becomes current and the list
// reports the choice (its Click).
inline void scegli(QComboBox* lista, const QString& voce) {
    const int indice = lista->findText(voce, Qt::MatchExactly);
    QVERIFY2(indice >= 0, qPrintable(voce));
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}
