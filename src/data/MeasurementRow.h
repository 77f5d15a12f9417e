// One record of the loaded file, as a view into the MeasurementFile that holds it.
#pragma once

#include "ChannelKind.h"

#include <ctime>
#include <optional>
#include <string>

namespace zyfo {

class MeasurementFile;

// A row of a MeasurementFile: its time, its date and time texts, and per kind the values of the
// channels present. A light view (file and index); it stays valid while the file is not changed.
class MeasurementRow
{
public:
    MeasurementRow(const MeasurementFile &file, int index)
        : m_file(&file)
        , m_index(index)
    {}

    int index() const { return m_index; }
    std::time_t time() const;
    std::string dateText() const; // "yyyy.mm.dd" shape, from the stamp's characters
    std::string timeText() const; // "hh:mm:ss" shape
    bool hasStamp() const;
    // The value of channel `channel` of `kind`, or nothing when the row has none.
    std::optional<double> value(ChannelKind kind, int channel) const;
    // True when the row has a value of some channel of `kind` (the kind's map exists).
    bool hasKind(ChannelKind kind) const;

private:
    const MeasurementFile *m_file;
    int m_index;
};

} // namespace zyfo
