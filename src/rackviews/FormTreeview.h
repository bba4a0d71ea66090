#pragma once
// The system tree: the rack-link port at the root, under it every registered rack with its
// identification and its 7 module slots, under each present module its identification, the last
// status reply and its 4 inputs with their settings, raw and calculated values and temperature. A
// diagnostic view of the live model: the poll cycle rewrites a module's values after each poll.
#include "acquisition/vensters/Systeemboom.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

class FormTreeview : public QWidget, public SysteemboomInterface {
    Q_OBJECT
public:
    explicit FormTreeview(QWidget* ouder = nullptr);
    ~FormTreeview() override;

    // "Boomstructuur"; also the window's "Tag" property.
    const QString Tag;

    // Load: builds the tree from the model, registers the window and sets BoomZichtbaar.
    void Laad();
    void AanpassenTreeView() override;
    void AanpassenMetingenTreeView(int r, int m) override;
    void Herbouw() override;

    QTreeWidget* TreeView = nullptr;

    // Node keys: the port, a rack, a module slot, an input; leaves add their word to their owner's key
    // ("Value", "Unit", "°C", ...), the information branch "info" and its leaves to the module's key.
    static QString PoortSleutel();
    static QString RackSleutel(int r);
    static QString ModuleSleutel(int r, int m);
    static QString KanaalSleutel(int r, int m, int k);
    // The node of a key, or nullptr.
    QTreeWidgetItem* Knoop(const QString& sleutel) const;
    // The text of the node of a key ("" when there is none).
    QString KnoopTekst(const QString& sleutel) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void bouw();
    QTreeWidgetItem* voegToe(QTreeWidgetItem* ouder, const QString& sleutel, const QString& tekst, int beeld);
    void zet(const QString& sleutel, const QString& tekst);
    void Unload();
    void TreeView_NodeClick(QTreeWidgetItem* knoop);

    QHash<QString, QTreeWidgetItem*> m_knopen;
    bool m_geladen = false;
};

// Shows the system tree (the network menu), making and loading it when it is not shown.
void ToonSysteemboom();
