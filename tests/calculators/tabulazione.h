#pragma once

#include <QTest>

// Tab from the window's control named first walks the others in the order given.
inline void percorriTab(QWidget* window, const QStringList& order) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->findChild<QWidget*>(order.first())->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (; walked.size() < order.size(); walked << QApplication::focusWidget()->objectName())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(walked, order);
}
