#include "shell/Statusbalk.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

Statusbalk::Statusbalk(QMainWindow& venster) : QObject(&venster) {
    const std::array<QString, AantalPanelen + 1> sleutels = {QString(),
                                                             QStringLiteral("Settings"),
                                                             QStringLiteral("Connect"),
                                                             QStringLiteral("Message"),
                                                             QStringLiteral("Counter"),
                                                             QStringLiteral("ConnectionTime")};
    for (int i = 1; i <= AantalPanelen; ++i) {
        auto* paneel = new QLabel(&venster);
        paneel->setObjectName(sleutels[static_cast<size_t>(i)]);
        paneel->setTextFormat(Qt::PlainText);
        paneel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        paneel->setContentsMargins(4, 0, 4, 0);
        paneel->installEventFilter(this);
        if (i == 3) {
            // The message panel takes the room the others leave; a long message is cut, not the others.
            paneel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            paneel->setMinimumWidth(40);
        }
        venster.statusBar()->addWidget(paneel, i == 3 ? 1 : 0);
        m_panelen[static_cast<size_t>(i)] = paneel;
        PasPaneelAan(i);
    }
    venster.statusBar()->setSizeGripEnabled(true);
}

QLabel* Statusbalk::Paneel(int paneel) const {
    return paneel >= 1 && paneel <= AantalPanelen ? m_panelen[static_cast<size_t>(paneel)] : nullptr;
}

QString Statusbalk::Tekst(int paneel) const {
    const QLabel* p = Paneel(paneel);
    return p ? p->text() : QString();
}

void Statusbalk::ZetTekst(int paneel, const QString& tekst) {
    QLabel* p = Paneel(paneel);
    if (!p || p->text() == tekst) return;
    p->setText(tekst);
    PasPaneelAan(paneel);
}

void Statusbalk::ZetVerzonken(int paneel, bool verzonken) {
    // Set every second while polling: a frame style set anew repaints the panel even when unchanged.
    const int stijl = QFrame::Panel | (verzonken ? QFrame::Sunken : QFrame::Raised);
    if (QLabel* p = Paneel(paneel); p && p->frameStyle() != stijl) p->setFrameStyle(stijl);
}

void Statusbalk::PasPaneelAan(int paneel) {
    // As wide as its text, never narrower than its design width.
    if (paneel != 3)
        if (QLabel* p = Paneel(paneel)) p->setMinimumWidth(std::max(80, p->sizeHint().width()));
}

bool Statusbalk::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && BijKlik)
        for (int i = 1; i <= AantalPanelen; ++i)
            if (object == m_panelen[static_cast<size_t>(i)]) {
                BijKlik(i);
                break;
            }
    return QObject::eventFilter(object, event);
}
