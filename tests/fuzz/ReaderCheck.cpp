// Fuzz check of the data file reader: a full read of arbitrary bytes.
#include "ReaderCheck.h"

#include "LoadedFile.h"
#include "RecordText.h"

#include <cmath>

namespace zyfo {
namespace {

std::string checkRows(const MeasurementFile &f)
{
    for (int row = 1; row < f.rowCount(); ++row)
        if (f.rowTime(row) < f.rowTime(row - 1))
            return "rows out of time order at row " + std::to_string(row);
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (f.channelCount(kindAt(kind)) > kMaxChannelsPerKind)
            return "more than 255 channels in kind " + std::to_string(kind);
        for (int channel = 0; channel < f.channelCount(kindAt(kind)); ++channel) {
            int badRow = -1;
            f.forEachValue(kindAt(kind), channel, 0, f.rowCount() - 1, [&](int row, double v) {
                if (!std::isfinite(v))
                    badRow = row;
            });
            if (badRow >= 0)
                return "a value that is not finite in row " + std::to_string(badRow);
        }
    }
    return {};
}

std::string checkList(const LoadedFile &loaded)
{
    const MeasurementFile &f = loaded.file;
    for (int item = 0; item < loaded.listener.itemCount(); ++item) {
        const ChannelListEntry entry = f.listEntry(item);
        if (!entry.isChannel() || entry.channel >= f.channelCount(entry.channelKind()))
            return "combo item " + std::to_string(item) + " stands for no channel";
    }
    if (loaded.listener.controlsEnabled() && f.rowCount() < 2)
        return "controls enabled with fewer than two rows";
    return {};
}

} // namespace

std::string checkReader(std::span<const std::uint8_t> decoded)
{
    LoadedFile loaded(stored({decoded.begin(), decoded.end()}));
    const ReadResult result = loaded.open();
    const MeasurementFile &f = loaded.file;
    const auto size = static_cast<std::int64_t>(decoded.size());
    if (result.readError || !result.fullRead || result.rowsAdded != f.rowCount())
        return "the read did not report a clean full read of every row";
    if (f.readOffset() < 0 || f.readOffset() > size)
        return "read offset " + std::to_string(f.readOffset()) + " outside the file";
    if (std::string fault = checkRows(f); !fault.empty())
        return fault;
    if (std::string fault = checkList(loaded); !fault.empty())
        return fault;
    if (size < 2000)
        return {}; // a refresh would read it whole again

    // Nothing was appended: the continuation must neither add a row nor change anything.
    const std::string once = loaded.text();
    const ReadResult again = loaded.refresh();
    if (again.fullRead || again.rowsAdded != 0)
        return "a refresh of an unchanged file read again or added rows";
    if (loaded.text() != once)
        return "a refresh of an unchanged file changed the model or the list";
    return {};
}

} // namespace zyfo
