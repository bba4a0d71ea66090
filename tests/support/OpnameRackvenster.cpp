#include "OpnameRackvenster.h"

void OpnameRackvenster::ZetLabelTekst(RackLabel label, int index, const QString& tekst) {
    ++aantalAanroepen;
    m_labels[{label, index}].tekst = tekst;
}

void OpnameRackvenster::ZetLabelKleur(RackLabel label, int index, int32_t kleur) {
    ++aantalAanroepen;
    m_labels[{label, index}].kleur = kleur;
}

void OpnameRackvenster::ZetLabelZichtbaar(RackLabel label, int index, bool zichtbaar) {
    ++aantalAanroepen;
    m_labels[{label, index}].zichtbaar = zichtbaar;
}

QString OpnameRackvenster::ToolTipWaarde(int index) const {
    return m_toolTips.at(index);
}

void OpnameRackvenster::ZetLedKleur(int index, int32_t kleur) {
    ++aantalAanroepen;
    leds.at(index) = kleur;
}

void OpnameRackvenster::InstellenToolTipKanaal(int m, int c, QString& tekst) {
    ++aantalAanroepen;
    if (tekst.isEmpty()) tekst = QStringLiteral("Rack %1 Module %2 Input %3").arg(rack).arg(m).arg(c);
    m_toolTips.at(RackLabelIndex(m, c)) = tekst;
}

const OpnameRackvenster::Label& OpnameRackvenster::label(RackLabel soort, int m, int c) const {
    static const Label leeg;
    const auto it = m_labels.find({soort, RackLabelIndex(m, c)});
    return it == m_labels.end() ? leeg : it->second;
}

QString OpnameRackvenster::toolTip(int m, int c) const {
    return m_toolTips.at(RackLabelIndex(m, c));
}

void OpnameRackvenster::Ontlaad() {
    ++aantalKeerOntladen;
    if (RackVenster(rack) == this) ZetRackVenster(rack, nullptr);
}
