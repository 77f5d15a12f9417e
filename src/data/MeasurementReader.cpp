// The data file reader: a full read or a continuation from the read offset into the model.
#include "MeasurementReader.h"

#include "RecordCodec.h"
#include "RecordParser.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace zyfo {
namespace {

constexpr std::size_t kBlockSize = 2048;
// A record is parsed once this many bytes from its start are held, or the end of the file has
// been read; fewer trailing bytes than kTail are never parsed.
constexpr std::size_t kLookAhead = 600;
constexpr std::size_t kTail = 22;
// Blocks are appended to a buffer of this size before the unparsed tail is moved to its front.
constexpr std::size_t kBufferSize = 16 * kBlockSize;
// Shorter files are read whole on every refresh.
constexpr std::int64_t kShortestContinued = 2000;

using ChannelKey = std::tuple<int, int, int>; // device type, device number, kind code

// One call of ReadMeasurementFile.
class MeasurementReader
{
public:
    MeasurementReader(MeasurementFile &file, ReaderListener &listener)
        : m_file(file)
        , m_listener(listener)
    {}

    ReadResult run(DataSource &source, bool refresh);

private:
    void startFullRead();
    void readRecords(DataSource &source, std::int64_t startOffset);
    void takeRecord(const ParsedRecord &record);
    int channelOf(const ParsedEntry &entry, std::size_t position);
    void listChannels(bool refresh);
    void markListed();
    void emptyChannelList();
    void enableControls(int &rememberedItem);
    void clearUnlistedShownFlags(int items);
    void snapToTime();
    void snapFromTime();

    MeasurementFile &m_file;
    ReaderListener &m_listener;
    ReadResult m_result;
    RecordParser m_parser;
    StampConverter m_stamps;
    std::vector<std::uint8_t> m_buffer;
    // Values stored in this call per kind and channel; a channel twice in a record counts twice.
    std::array<std::array<int, kChannelSlots>, kKindCount> m_counts{};
    // Channels already looked up: by entry position (records usually repeat their layout), and
    // by device and kind code.
    std::array<std::pair<ChannelKey, int>, RecordParser::kMaxEntries> m_byPosition;
    std::array<bool, RecordParser::kMaxEntries> m_positionKnown{};
    std::map<ChannelKey, int> m_known;
};

ReadResult MeasurementReader::run(DataSource &source, bool refresh)
{
    int rememberedItem = m_listener.currentItem();
    const std::int64_t length = source.length();
    if (length < 0) {
        m_result.readError = true;
        if (refresh)
            return m_result; // a transient failure must not empty the chart
    }
    const bool continuation =
        refresh && length >= m_file.readOffset() && length >= kShortestContinued;
    m_result.fullRead = !continuation;
    m_listener.dropPens();
    if (!continuation)
        startFullRead();
    const int firstNewRow = m_file.rowCount();
    readRecords(source, m_file.readOffset());

    m_file.sortRows(firstNewRow);
    m_file.updateDisplayRanges();
    if (!refresh)
        m_file.clearShownFlags();
    listChannels(refresh);
    markListed();
    snapToTime();
    m_listener.rebuildPens();

    const int items = m_listener.itemCount();
    const int rows = m_file.rowCount();
    if (items < 1 || (rows <= 1 && (m_listener.isChannelListEnabled() || !refresh)))
        emptyChannelList();
    if (rows > 1 && (!m_listener.isChannelListEnabled() || !refresh) && items > 0)
        enableControls(rememberedItem);
    clearUnlistedShownFlags(items);
    m_listener.setCurrentItem(rememberedItem);
    m_listener.applySelection();
    return m_result;
}

void MeasurementReader::startFullRead()
{
    m_file.setReadOffset(0);
    m_file.clearChannelNames();
    m_file.clearListEntries();
    m_listener.clearItems();
    m_file.setSelectedChannel({0, 1});
    m_file.clearListedFlags();
    m_file.resetDataRanges();
    m_file.clearRows();
}

void MeasurementReader::readRecords(DataSource &source, std::int64_t startOffset)
{
    if (!source.seek(startOffset)) {
        m_result.readError = true;
        return;
    }
    std::size_t held = 0; // bytes in m_buffer
    std::size_t p = 0;    // first byte not yet taken or skipped
    std::int64_t bytesRead = 0;
    bool endOfFile = false;
    for (;;) {
        const std::size_t keep = endOfFile ? kTail : kLookAhead;
        while (p + keep < held) {
            const RecordOutcome outcome = m_parser.read({m_buffer.data(), held}, p);
            if (outcome.status == RecordStatus::Incomplete)
                break; // more bytes decide, or at the end of the file it stays for next time
            if (outcome.status == RecordStatus::Valid)
                takeRecord(m_parser.record());
            if (outcome.status == RecordStatus::Invalid || outcome.skippedBytes)
                ++m_result.recordsSkipped;
            p = outcome.end;
        }
        if (endOfFile)
            break;

        if (held + kBlockSize > m_buffer.size()) {
            // The unparsed tail moves to the front once the buffer is full, not after every block.
            std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(p),
                      m_buffer.begin() + static_cast<std::ptrdiff_t>(held), m_buffer.begin());
            held -= p;
            p = 0;
            m_buffer.resize(std::max(held + kBlockSize, kBufferSize));
        }
        std::int64_t n = source.read(m_buffer.data() + held, kBlockSize);
        if (n < 0) {
            // Reading stops here, as at the end of the file; what is held stays unconsumed.
            m_result.readError = true;
            n = 0;
        }
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(n, kBlockSize));
        negateBytes({m_buffer.data() + held, count});
        held += count;
        bytesRead += static_cast<std::int64_t>(count);
        endOfFile = count == 0;
    }
    m_file.setReadOffset(startOffset + bytesRead - static_cast<std::int64_t>(held - p));
}

void MeasurementReader::takeRecord(const ParsedRecord &record)
{
    // A row without a stamp keeps its place in the file's order: it takes the time of the record
    // taken before it (also across calls), or -1 as the first row.
    const std::time_t time =
        record.hasStamp ? m_stamps.toTime(record.stamp) : m_file.lastAppendedTime();
    m_file.appendRow(time, record.hasStamp ? &record.stamp : nullptr);
    ++m_result.rowsAdded;
    for (std::size_t i = 0; i < static_cast<std::size_t>(record.entryCount); ++i) {
        const ParsedEntry &entry = record.entries[i];
        const int channel = channelOf(entry, i);
        if (channel < 0 || !entry.value)
            continue;
        m_file.storeValue(entry.code.kind, channel, *entry.value);
        m_file.widenDataRange(entry.code.kind, *entry.value);
        ++m_counts[static_cast<std::size_t>(kindIndex(entry.code.kind))]
                  [static_cast<std::size_t>(channel)];
    }
}

int MeasurementReader::channelOf(const ParsedEntry &entry, std::size_t position)
{
    const ChannelKey key{entry.deviceType, entry.deviceNumber, entry.kindCode};
    if (m_positionKnown[position] && m_byPosition[position].first == key)
        return m_byPosition[position].second;
    int channel = 0;
    if (const auto known = m_known.find(key); known != m_known.end()) {
        channel = known->second;
    } else {
        // -1 when the kind already holds 255 channels: the entry is then left out.
        channel = m_file.channelNames(entry.code.kind)
                      .add(channelName(entry.deviceType, entry.deviceNumber, entry.code));
        m_known.emplace(key, channel);
    }
    m_byPosition[position] = {key, channel};
    m_positionKnown[position] = true;
    return channel;
}

void MeasurementReader::listChannels(bool refresh)
{
    for (const ChannelKind kind : kListingOrder) {
        const auto &counts = m_counts[static_cast<std::size_t>(kindIndex(kind))];
        const UnitGroup group = unitGroupOf(kind);
        for (int channel = 0; channel < m_file.channelCount(kind); ++channel) {
            ChannelView &view = m_file.channelView(kind, channel);
            if (counts[static_cast<std::size_t>(channel)] <= 1 || (view.listed && refresh))
                continue;
            const GroupRange &range = m_file.groupRange(groupNumber(group));
            GroupView &groupView = m_file.groupView(group);
            groupView.viewMinimum = range.displayMinimum;
            groupView.viewMaximum = range.displayMaximum;
            const int item = m_listener.itemCount();
            m_listener.appendItem(shortName(kind, m_file.channelNames(kind).name(channel)));
            m_file.setListEntry(item, {kindIndex(kind), channel});
            groupView.shown = true;
            view.shown = true;
        }
    }
}

void MeasurementReader::markListed()
{
    if (m_file.rowCount() <= 1)
        return;
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            if (m_counts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(channel)] > 1)
                m_file.channelView(kindAt(kind), channel).listed = true;
}

void MeasurementReader::emptyChannelList()
{
    m_listener.setDataControlsEnabled(false);
    m_file.clearListEntries();
    m_listener.clearItems();
    m_file.setSelectedChannel({0, 1});
    m_file.clearShownFlags();
    m_listener.redrawChart();
}

void MeasurementReader::enableControls(int &rememberedItem)
{
    m_listener.setDataControlsEnabled(true);
    m_listener.setCurrentItem(0);
    rememberedItem = 0;
    m_listener.applySelection();
    m_listener.applyShownAndGrid();
    snapFromTime();
    snapToTime();
    m_listener.redrawChart();
}

void MeasurementReader::clearUnlistedShownFlags(int items)
{
    std::array<std::array<bool, kChannelSlots>, kKindCount> hasItem{};
    for (int item = 0; item < items; ++item) {
        const ChannelListEntry entry = m_file.listEntry(item);
        if (entry.isChannel() && entry.channel < kChannelSlots)
            hasItem[static_cast<std::size_t>(entry.kind)][static_cast<std::size_t>(entry.channel)] =
                true;
    }
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            if (!hasItem[static_cast<std::size_t>(kind)][static_cast<std::size_t>(channel)])
                m_file.channelView(kindAt(kind), channel).shown = false;
}

void MeasurementReader::snapToTime()
{
    if (m_file.rowCount() < 1)
        return;
    if (const auto shown = m_file.setToTime(m_file.rowTime(m_file.rowCount() - 1)))
        m_listener.showToTime(*shown);
}

void MeasurementReader::snapFromTime()
{
    if (m_file.rowCount() < 1)
        return;
    if (const auto shown = m_file.setFromTime(m_file.rowTime(0)))
        m_listener.showFromTime(*shown);
}

} // namespace

ReadResult ReadMeasurementFile(MeasurementFile &file, DataSource *source, ReaderListener &listener,
                               bool refresh)
{
    if (!source)
        return {};
    return MeasurementReader(file, listener).run(*source, refresh);
}

} // namespace zyfo
