#pragma once
// Checks that every text of a window is whole within its control, as the user sees it: each line of a
// label within its width (a word-wrapped label: the height its text needs), and every button caption.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

inline void ControleerVensterteksten(QWidget& venster, const std::string& waar) {
    for (QLabel* l : venster.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&venster) || l->text().isEmpty()) continue;
        const QString naam = l->objectName();
        if (l->wordWrap()) {
            EXPECT_LE(l->heightForWidth(l->width()), l->height()) << waar << ": " << naam.toStdString();
            continue;
        }
        const QRect binnen = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        for (const QString& regel : l->text().split(QLatin1Char('\n')))
            EXPECT_LE(l->fontMetrics().horizontalAdvance(regel), binnen.width())
                << waar << ": " << naam.toStdString() << " " << regel.toStdString();
    }
    for (QPushButton* k : venster.findChildren<QPushButton*>()) {
        if (!k->isVisibleTo(&venster)) continue;
        QString tekst = k->text();
        tekst.remove(QLatin1Char('&'));
        EXPECT_LE(k->fontMetrics().horizontalAdvance(tekst) + 8, k->width())
            << waar << ": " << tekst.toStdString();
    }
}
