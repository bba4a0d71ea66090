#pragma once
// The rows of the production database loaded so far: an ordered collection of production items, each
// under a key (the decimal text of its serial number when a load added it). An item found once is
// served from the list afterwards; the database is not asked again.
#include "factory/DatabaseFunctions.h"
#include "factory/ProductionItem.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class ProductionList {
public:
    using ItemPtr = std::shared_ptr<ProductionItem>;

    ProductionList& Items() { return *this; }
    // Adds the rows of the serial (whatever their state) without emptying the list first. The number
    // of items afterwards.
    int32_t LoadBySerialNbr(int32_t serie, const QString& pad);
    // The highest SERIALNBR of table PRODUCTION (0 when none); its item is brought into the list.
    int32_t LoadMaxSerialNbr(const QString& pad);
    // The item at the last position of the list after LoadMaxSerialNbr; none when the list is empty.
    ItemPtr FindMaxSerialNbr(const QString& pad);
    // Empties the list and loads the serials van..tot (tot = 0 gives tot := van, written back), with a
    // device type that begins with `naam` when it is not empty; van = 0 loads the devices produced but
    // not yet end-controlled instead. In ascending serial order. The number of items afterwards.
    int32_t Load(const QString& pad, int32_t van, int32_t& tot, const QString& naam);
    // The last item of the list with that serial; when there is none, the serial's rows are loaded
    // (LoadBySerialNbr) and the list is searched once more. None when it is still not found.
    ItemPtr FindBySerialNbr(int32_t serie, const QString& pad);
    // Adds the item under the decimal text of its ID. The item, or none (and Fout() set) when that key
    // is taken.
    ItemPtr add(ItemPtr item);
    // Removes the item at a position (from 1) or under a key; nothing happens when there is none.
    void Remove(int positie);
    void Remove(const QString& sleutel);
    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    // The item at a position from 1; none outside 1..Count.
    ItemPtr Item(int positie) const;

    // The failure that ended the last load or add (a duplicate serial, a null or unreadable value in a
    // row); none when it went through. The items added before the failure stay.
    const std::optional<LoopFout>& Fout() const { return m_fout; }
    const QueryResultaat& QueryResult() const { return m_queryResult; }
    const QString& DatabasePath() const { return m_databasePath; }

private:
    QString MaakSelectOnvolledig(const QString& extra) const;
    QString MaakSelectBereik(const QString& naam) const;
    QString MaakSelectMax(const QString& kolom) const;
    // Adds the rows of QueryResult in their order, each under its serial; stops at the first failure.
    void VoegRijenToe();
    bool VoegToe(const ItemPtr& item, const QString& sleutel);

    struct Element {
        QString sleutel;
        ItemPtr item;
    };
    std::vector<Element> m_items;
    QSet<QString> m_sleutels;
    QueryResultaat m_queryResult;
    QString m_databasePath;
    std::optional<LoopFout> m_fout;
};
