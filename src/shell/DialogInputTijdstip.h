#pragma once
// The date and time picker: a month calendar for the day and a time field for the time of day. The
// caller sets the moment, the caption and optionally the earliest moment OK accepts, shows it modally
// and reads back whether it was cancelled and the moment chosen.
#include "platform/Datum.h"

#include <QDialog>
#include <QString>
#include <optional>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QTimeEdit;

class DialogInputTijdstip : public QDialog {
    Q_OBJECT
public:
    DialogInputTijdstip();

    // True when the dialog was closed with Cancel (or its title bar); false from load on.
    bool Onderbroken = false;
    // In: the moment to show (one in the past, or 0, shows the present). Out: the moment chosen with OK.
    platform::Datum Tijdstip = 0;

    // The earliest moment OK accepts (default 1 January 1753); the calendar offers no earlier day.
    platform::Datum MinDate() const { return m_minimum; }
    void ZetMinDate(platform::Datum minimum);
    // The language of its texts and of its box (0 English, 1 French, 2 Dutch); without one, the
    // program's.
    std::optional<int> Taal;

    // Loads the dialog (when it was not loaded yet), shows it modally and waits, pumping events, until
    // it closes.
    void ToonModaal();

    QLabel* LabelDate = nullptr;
    QCalendarWidget* MonthView = nullptr;
    QLabel* LabelTime = nullptr;
    QTimeEdit* DTPicker = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Form_Load();
    void ZetMaat();
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override;
    // Text `index` of the text table in its language.
    QString TekstInTaal(int index) const;

    platform::Datum m_minimum;
    bool m_geladen = false;
};
