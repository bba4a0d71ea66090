#include "factory/ProductionList.h"

namespace {

const QString SelectAfregeling =
    QStringLiteral("SELECT VIEW_AFREGELING.ID, VIEW_AFREGELING.SERIALNBR, VIEW_AFREGELING.OBJECTID, "
                   "VIEW_AFREGELING.NAME, ") +
    QStringLiteral("VIEW_AFREGELING.OLDOBJECTNAME, VIEW_AFREGELING.PLANWEEK, VIEW_AFREGELING.PLANYEAR, "
                   "VIEW_AFREGELING.CODE, ") +
    QStringLiteral("VIEW_AFREGELING.PLANNINGSDATE, VIEW_AFREGELING.PRODUCTIONDATE, "
                   "VIEW_AFREGELING.ENDCONTROLEDATE, ") +
    QStringLiteral("VIEW_AFREGELING.DELIVERYDATE, VIEW_AFREGELING.INVOICEID, VIEW_AFREGELING.CONTACTID, ") +
    QStringLiteral("VIEW_AFREGELING.AFREGELINGID, VIEW_AFREGELING.PLANNINGSNBR, "
                   "VIEW_AFREGELING.CREATIONDATE, ") +
    QStringLiteral("VIEW_AFREGELING.LASTMODIFICATIONDATE, VIEW_AFREGELING.MODIFICATIONUSER ") +
    QStringLiteral("From VIEW_AFREGELING ");
const QString OrderAfregeling = QStringLiteral("ORDER BY VIEW_AFREGELING.SERIALNBR ASC ");

} // namespace

QString ProductionList::MaakSelectOnvolledig(const QString& extra) const {
    const QString w = !extra.isEmpty() ? extra
                                       : QStringLiteral("AND not VIEW_AFREGELING.PRODUCTIONDATE is null ") +
                                             QStringLiteral("AND VIEW_AFREGELING.ENDCONTROLEDATE is null ") +
                                             QStringLiteral("AND not VIEW_AFREGELING.SERIALNBR is null ");
    return SelectAfregeling + QStringLiteral("WHERE (1 = 1) ") + w + OrderAfregeling;
}

// The serials and the name prefix are bound: first serial, last serial, then (with a name) the prefix.
QString ProductionList::MaakSelectBereik(const QString& naam) const {
    const QString n = naam.isEmpty() ? QString() : QStringLiteral("AND (VIEW_AFREGELING.NAME like ?) ");
    return SelectAfregeling + QStringLiteral("WHERE (1 = 1) ") + n +
           QStringLiteral("AND (VIEW_AFREGELING.SERIALNBR >= ?) ") +
           QStringLiteral("AND (VIEW_AFREGELING.SERIALNBR <= ?) ") + OrderAfregeling;
}

QString ProductionList::MaakSelectMax(const QString& kolom) const {
    return QStringLiteral("SELECT MAX(") + kolom + QStringLiteral(") ") + QStringLiteral("From PRODUCTION ");
}

bool ProductionList::VoegToe(const ItemPtr& item, const QString& sleutel) {
    if (m_sleutels.contains(sleutel)) {
        m_fout = fouten::DubbeleSleutel();
        return false;
    }
    m_sleutels.insert(sleutel);
    m_items.push_back({sleutel, item});
    return true;
}

void ProductionList::VoegRijenToe() {
    if (m_queryResult.isEmpty()) return;
    const qsizetype rijen = m_queryResult.first().size();
    for (qsizetype r = 0; r < rijen; ++r) {
        QVariantList rij;
        rij.reserve(m_queryResult.size());
        for (const QVariantList& veld : m_queryResult)
            rij.append(veld.value(r));
        auto item = std::make_shared<ProductionItem>();
        if (auto fout = item->ArrayToProductionItem(rij)) {
            m_fout = fout;
            return;
        }
        if (!VoegToe(item, QString::number(item->SerieNbr()))) return;
    }
}

int32_t ProductionList::Load(const QString& pad, int32_t van, int32_t& tot, const QString& naam) {
    m_fout.reset();
    QString sql;
    QVariantList waarden;
    if (van != 0) {
        if (tot == 0) tot = van;
        sql = MaakSelectBereik(naam);
        if (!naam.isEmpty()) waarden << naam + QLatin1Char('%');
        waarden << van << tot;
    } else {
        sql = MaakSelectOnvolledig(QString());
    }
    m_queryResult = LeesRecords(sql, pad, waarden);
    m_databasePath = pad;
    m_items.clear();
    m_sleutels.clear();
    VoegRijenToe();
    return Count();
}

int32_t ProductionList::LoadBySerialNbr(int32_t serie, const QString& pad) {
    m_fout.reset();
    m_databasePath = pad;
    m_queryResult =
        LeesRecords(MaakSelectOnvolledig(QStringLiteral(" AND VIEW_AFREGELING.SERIALNBR =? ")), pad, {serie});
    VoegRijenToe();
    return Count();
}

ProductionList::ItemPtr ProductionList::FindBySerialNbr(int32_t serie, const QString& pad) {
    auto zoek = [&]() -> ItemPtr {
        ItemPtr gevonden;
        for (const Element& e : m_items)
            if (e.item->SerieNbr() == serie) gevonden = e.item;
        return gevonden;
    };
    m_fout.reset();
    if (ItemPtr item = zoek()) return item;
    LoadBySerialNbr(serie, pad);
    return zoek();
}

int32_t ProductionList::LoadMaxSerialNbr(const QString& pad) {
    m_fout.reset();
    m_databasePath = pad;
    m_queryResult = LeesRecords(MaakSelectMax(QStringLiteral("SERIALNBR")), pad);
    if (m_queryResult.isEmpty() || m_queryResult.first().isEmpty()) return 0;
    const QVariant hoogste = m_queryResult.first().first();
    bool ok = false;
    const qlonglong serie = hoogste.toLongLong(&ok);
    if (hoogste.isNull() || !ok || serie != static_cast<int32_t>(serie)) return 0;
    FindBySerialNbr(static_cast<int32_t>(serie), pad);
    return static_cast<int32_t>(serie);
}

ProductionList::ItemPtr ProductionList::FindMaxSerialNbr(const QString& pad) {
    LoadMaxSerialNbr(pad);
    return m_items.empty() ? nullptr : m_items.back().item;
}

ProductionList::ItemPtr ProductionList::add(ItemPtr item) {
    m_fout.reset();
    if (!item || !VoegToe(item, QString::number(item->ID()))) return nullptr;
    return item;
}

void ProductionList::Remove(int positie) {
    if (positie < 1 || positie > Count()) return;
    m_sleutels.remove(m_items[static_cast<size_t>(positie - 1)].sleutel);
    m_items.erase(m_items.begin() + (positie - 1));
}

void ProductionList::Remove(const QString& sleutel) {
    m_sleutels.remove(sleutel);
    std::erase_if(m_items, [&](const Element& e) { return e.sleutel == sleutel; });
}

ProductionList::ItemPtr ProductionList::Item(int positie) const {
    if (positie < 1 || positie > Count()) return nullptr;
    return m_items[static_cast<size_t>(positie - 1)].item;
}
