#pragma once
// The progress window: a text, a progress bar and a Cancel button. It stays on top while it is open
// and can be dragged with the left mouse button anywhere on its surface. One shared window, driven by
// ToonVoortgang, ZetVoortgang and SluitVoortgang.
#include "shared/Voortgang.h"

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

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void LaadStringsVoortgang();
    void CommandCancel_Click();
    // The pointer position at the last press, in the coordinates of the surface pressed.
    QPointF m_druk;
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
