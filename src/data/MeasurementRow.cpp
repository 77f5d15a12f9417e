// One record of the loaded file, as a view into the MeasurementFile that holds it.
#include "MeasurementRow.h"

#include "MeasurementFile.h"

namespace zyfo {

std::time_t MeasurementRow::time() const
{
    return m_file->rowTime(m_index);
}
std::string MeasurementRow::dateText() const
{
    return m_file->rowDateText(m_index);
}
std::string MeasurementRow::timeText() const
{
    return m_file->rowTimeText(m_index);
}
bool MeasurementRow::hasStamp() const
{
    return m_file->rowHasStamp(m_index);
}

std::optional<double> MeasurementRow::value(ChannelKind kind, int channel) const
{
    return m_file->value(m_index, kind, channel);
}

bool MeasurementRow::hasKind(ChannelKind kind) const
{
    return m_file->rowHasKind(m_index, kind);
}

} // namespace zyfo
