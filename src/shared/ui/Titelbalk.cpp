#include "shared/ui/Titelbalk.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <algorithm>

int TitelbalkTekstRuimte(const QWidget& kader) {
    QStyleOptionTitleBar o;
    o.initFrom(&kader);
    o.rect = QRect(0, 0, kader.width(), kader.style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, &kader));
    o.titleBarFlags = kader.windowFlags();
    o.subControls = QStyle::SC_All;
    o.text = kader.windowTitle();
    return kader.style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, &kader).width();
}

int TitelbalkBreedte(const QWidget& venster) {
    const QString titel = venster.windowTitle();
    QFont vet = venster.font();
    vet.setBold(true);
    const int tekst =
        std::max(QFontMetrics(vet).horizontalAdvance(titel),
                 QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(titel));
    const int knop = venster.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &venster);
    // The icon and three buttons, and a margin at either end.
    return tekst + 4 * knop + 2 * (knop / 2);
}
