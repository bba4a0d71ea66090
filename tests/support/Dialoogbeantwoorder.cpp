#include "Dialoogbeantwoorder.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

Dialoogbeantwoorder::Dialoogbeantwoorder() {
    qApp->installEventFilter(this);
    ZetBestandsdialogen(this);
}

Dialoogbeantwoorder::~Dialoogbeantwoorder() {
    qApp->removeEventFilter(this);
    if (&bestandsdialogen() == this) ZetBestandsdialogen(nullptr);
}

std::optional<QString> Dialoogbeantwoorder::KiesBestand(const BestandsdialoogVraag& vraag) {
    bestandsvragen.push_back(vraag);
    if (bestanden.empty()) return std::nullopt;
    std::optional<QString> antwoord;
    antwoord.swap(bestanden.front());
    bestanden.pop_front();
    return antwoord;
}

bool Dialoogbeantwoorder::KiesLettertype(Lettertype&, const QString&) {
    ++lettertypeVragen;
    return false;
}

bool Dialoogbeantwoorder::KiesKleur(int32_t&, const QString&) {
    ++kleurVragen;
    return false;
}

bool Dialoogbeantwoorder::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialoog = qobject_cast<QDialog*>(object);
        if (dialoog && dialoog->isWindow()) {
            dialogen.push_back({QString::fromLatin1(dialoog->metaObject()->className()),
                                dialoog->windowTitle(), dialoog->isModal()});
            // Answered once it is up: a modal dialog from inside its own event loop.
            const size_t index = dialogen.size() - 1;
            QTimer::singleShot(0, this,
                               [this, d = QPointer<QDialog>(dialoog), index] { Beantwoord(d, index); });
        }
    }
    return QObject::eventFilter(object, event);
}

void Dialoogbeantwoorder::Beantwoord(QDialog* dialoog, size_t index) {
    if (!dialoog || !dialoog->isVisible()) return;
    if (beantwoord) {
        auto eenmalig = std::move(beantwoord);
        beantwoord = nullptr;
        if (eenmalig(*dialoog)) return;
    }
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialoog, &escape);
    if (dialoog && dialoog->isVisible()) {
        dialogen[index].nietMetEscape = true;
        dialoog->close();
    }
}
