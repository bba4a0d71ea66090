#pragma once
// The progress window: a text, a progress bar and a Cancel button. It stays on top while it is open
// and can be dragged with the left mouse button anywhere on its surface. One shared window, driven by
// ToonVoortgang, ZetVoortgang and SluitVoortgang.
#include "shared/Voortgang.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

class FrmVoortgang : public QWidget {
    Q_OBJECT
public:
    // Loads the window: captions, not cancelled, topmost.
    explicit FrmVoortgang(const QString& tekst);
    ~FrmVoortgang() override;

    // Cancel was pressed since the window was loaded.
    bool VoortgangOnderbroken = false;
    QString VoortgangTekst;

    QProgressBar* ProgressBar = nullptr;
    QLabel* LabelVoortgang = nullptr;
    QPushButton* CommandCancel = nullptr;

    // The open progress window, or nullptr (dialogs put it back on top after a question).
    static FrmVoortgang* Huidig();

    // Moves the bar to `waarde` (held to its range). The bar paints at once when it moves, so it moves
    // at most once a frame of the screen: the first move and a move to either end at once, a move
    // within a frame of the last one when that frame is over (the newest value).
    void ZetWaarde(int waarde);
    // A new range with the bar at `waarde` at once; the next move is shown at once too.
    void ZetBereik(int minimum, int maximum, int waarde);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void LaadStringsVoortgang();
    void CommandCancel_Click();
    void ToonWaarde();
    // The pointer position at the last press, in the coordinates of the surface pressed.
    QPointF m_druk;
    int m_waarde = 0;
    QElapsedTimer m_bewogen; // since the bar last moved
    bool m_gepland = false;  // a move waits for the end of the frame
};

// This window behind ToonVoortgang, ZetVoortgang and SluitVoortgang: made when it is first shown,
// gone when it is closed.
class FrmVoortgangVenster : public VoortgangVenster {
public:
    ~FrmVoortgangVenster() override;
    void Toon(int minimum, int maximum, int waarde, const QString& tekst) override;
    void Zet(int waarde) override;
    bool Onderbroken() const override;
    void Sluit() override;

private:
    std::unique_ptr<FrmVoortgang> m_venster;
};
