#include "report/ReportInstance.h"

namespace kelvora::report {

ReportInstance::ReportInstance(const ReportTemplate& layout)
{
    bands.resize(layout.bands.size());
    for (size_t b = 0; b < layout.bands.size(); ++b) {
        const ReportBand& band = layout.bands[b];
        InstanceBand& target = bands[b];
        target.visible = band.visible;
        if (!band.name.isEmpty())
            m_bands.insert(band.name.toLower(), int(b));
        const int copies = band.slotGrid.active() ? band.slotGrid.count() : 1;
        target.objects.reserve(band.objects.size() * size_t(copies));
        for (int slot = 0; slot < copies; ++slot) {
            QPointF offset;
            if (band.slotGrid.active()) {
                const bool across = band.slotGrid.order == FillOrder::AcrossThenDown;
                const int column = across ? slot % band.slotGrid.columns : slot / band.slotGrid.rows;
                const int row = across ? slot / band.slotGrid.columns : slot % band.slotGrid.rows;
                offset = QPointF(column * band.slotGrid.pitchX, row * band.slotGrid.pitchY);
            }
            for (const ReportObject& proto : band.objects) {
                InstanceObject o;
                o.proto = &proto;
                o.name = band.slotGrid.active() ? ReportTemplate::slotName(proto.name, slot + 1) : proto.name;
                o.offset = offset;
                o.visible = proto.visible;
                target.objects.push_back(o);
            }
        }
        for (size_t i = 0; i < target.objects.size(); ++i) {
            if (!target.objects[i].name.isEmpty())
                m_objects.insert(target.objects[i].name.toLower(), {int(b), int(i)});
        }
    }
}

InstanceObject* ReportInstance::object(const QString& name)
{
    const auto it = m_objects.constFind(name.toLower());
    if (it == m_objects.constEnd())
        return nullptr;
    return &bands[size_t(it->first)].objects[size_t(it->second)];
}

int ReportInstance::band(const QString& name) const
{
    return m_bands.value(name.toLower(), -1);
}

} // namespace kelvora::report
