#pragma once
// A tab control for more tabs than one row holds: the tabs stand as buttons in rows of four (the chosen
// one in bold) above one framed page, one page shown at a time.
#include <QString>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QStackedWidget;

class TweeRijenTabs : public QWidget {
    Q_OBJECT
public:
    explicit TweeRijenTabs(QWidget* ouder = nullptr);
    void voegToe(QWidget* pagina, const QString& titel);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    void setTabText(int index, const QString& tekst);
    QWidget* widget(int index) const;
    // The tab button of a page (tests press it).
    QAbstractButton* tabKnop(int index) const;

signals:
    void currentChanged(int index);

private:
    QButtonGroup* m_knoppen;
    QStackedWidget* m_paginas;
    QGridLayout* m_rijen;
};
