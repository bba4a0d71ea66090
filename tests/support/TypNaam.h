#pragma once
// A name typed into a file dialog's name field and Return pressed, as a user does. A list of completions
// the typing left open is closed first with Escape. The dialog can keep a folder the typed path went
// through selected in its list beside the file (seen with a folder of one letter on the way, once the
// dialog has read the folders), and would open that folder on Return: the list's selection is cleared,
// so that Return takes the name in the field, as it does when the dialog selects nothing else.
#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QString>
#include <QTest>

inline void TypNaamEnReturn(QLineEdit* veld, const QString& naam) {
    QApplication::setActiveWindow(veld->window());
    veld->setFocus();
    QTest::keyClicks(veld, naam);
    if (QWidget* lijst = QApplication::activePopupWidget()) QTest::keyClick(lijst, Qt::Key_Escape);
    for (auto* lijst : veld->window()->findChildren<QAbstractItemView*>(QStringLiteral("listView")))
        if (lijst->selectionModel()) lijst->selectionModel()->clearSelection();
    QTest::keyClick(veld, Qt::Key_Return);
}
