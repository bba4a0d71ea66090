#include "shared/ui/Titelbalk.h"

#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

int TitelbalkTekstRuimte(const QWidget& kader) {
    QStyleOptionTitleBar o;
    o.initFrom(&kader);
    o.rect = QRect(0, 0, kader.width(), kader.style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, &kader));
    o.titleBarFlags = kader.windowFlags();
    o.subControls = QStyle::SC_All;
    o.text = kader.windowTitle();
    return kader.style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, &kader).width();
}
