#pragma once
// The main window's status bar: five panels in this order, by key "Settings" (the port), "Connect"
// (the logging state), "Message" (the wide one, the message line), "Counter" (elapsed logging time)
// and "ConnectionTime" (the clock). Each panel is as wide as its text and never narrower than its
// design width; the message panel takes the room the others leave. A click on a panel is reported by
// its number (StatusBar_PanelClick).
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QLabel;
class QMainWindow;

inline constexpr int AantalPanelen = 5;

class Statusbalk : public QObject {
public:
    explicit Statusbalk(QMainWindow& venster);

    // The text of panel 1..5 ("" outside).
    QString Tekst(int paneel) const;
    void ZetTekst(int paneel, const QString& tekst);
    // The bevel of a panel: inset (true) or raised.
    void ZetVerzonken(int paneel, bool verzonken);
    QLabel* Paneel(int paneel) const;

    std::function<void(int paneel)> BijKlik;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void PasPaneelAan(int paneel);
    std::array<QLabel*, AantalPanelen + 1> m_panelen{};
};
