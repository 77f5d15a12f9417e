// The data file reader: a full read or a continuation from the read offset into the model.
#include "MeasurementReader.h"

#include "RecordScanner.h"
#include "RecordSink.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace zyfo {
namespace {

// Shorter files are read whole on every refresh.
constexpr std::int64_t kShortestContinued = 2000;
// Files from this size on are read in pieces, each about kPieceSize long, at least one for each
// core, in parallel.
constexpr std::int64_t kSmallestPieced = 8LL << 20;
constexpr std::int64_t kPieceSize = 4LL << 20;
constexpr unsigned kMostThreads = 8;
// A full read tells its progress after this many bytes read on the calling thread, and this
// often while the calling thread waits for the pieces of others.
constexpr std::int64_t kProgressStep = 256LL << 10;
constexpr std::chrono::milliseconds kProgressWait{50};

// Counts the bytes a full read has read, on any thread, and tells them to the progress callback
// on the calling thread only; remembers a cancel for every thread to see.
class ReadMeter
{
public:
    ReadMeter(const ReadProgress &progress, std::int64_t total)
        : m_progress(progress)
        , m_total(std::max<std::int64_t>(total, 0))
        , m_caller(std::this_thread::get_id())
    {}

    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    // Adds bytes one reading thread has read since it last did; on the calling thread the
    // progress is told. False once the read is cancelled.
    bool add(std::int64_t bytes)
    {
        m_done.fetch_add(bytes, std::memory_order_relaxed);
        if (std::this_thread::get_id() == m_caller)
            tell();
        return !cancelled();
    }

    // Tells the progress as it is now (the calling thread only); false once cancelled.
    bool tell()
    {
        if (m_progress && !cancelled() &&
            !m_progress(std::min(m_done.load(std::memory_order_relaxed), m_total), m_total))
            m_cancelled = true;
        return !cancelled();
    }

    // All is read: tells done == total once more.
    bool finish()
    {
        m_done = m_total;
        return tell();
    }

private:
    const ReadProgress &m_progress;
    const std::int64_t m_total;
    const std::thread::id m_caller;
    std::atomic<std::int64_t> m_done = 0;
    std::atomic<bool> m_cancelled = false;
};

// Wraps the reads of one scan: counts what it reads into the meter a step at a time (what is
// left in `unmetered` at the end of the scan is the caller's to add), and ends the scan as the
// end of the file would once the read is cancelled.
template<class ReadBytes>
auto meteredRead(ReadMeter *meter, std::int64_t &unmetered, ReadBytes readBytes)
{
    return [meter, &unmetered, readBytes](std::int64_t offset, std::uint8_t *buffer,
                                          std::size_t size) {
        if (meter == nullptr)
            return readBytes(offset, buffer, size);
        if (meter->cancelled())
            return std::int64_t{0};
        const std::int64_t n = readBytes(offset, buffer, size);
        if (n > 0)
            unmetered += n;
        if (unmetered >= kProgressStep) {
            const std::int64_t bytes = unmetered;
            unmetered = 0;
            if (!meter->add(bytes))
                return std::int64_t{0};
        }
        return n;
    };
}

// A stretch of the file read apart from the rest, into a model of its own.
struct Piece
{
    std::int64_t begin = 0;
    std::int64_t stopAt = RecordScanner::kNoStop;
    MeasurementFile file;
    RecordSink sink{file, RecordSink::Ranges::Trace};
    ScanOutcome outcome;
};

unsigned pieceThreads()
{
    return std::min(std::max(std::thread::hardware_concurrency(), 1u), kMostThreads);
}

// Where a full read of `length` bytes is cut into pieces; none for one pass.
std::vector<std::int64_t> planCuts(std::int64_t length, const ReadOptions &options)
{
    if (!options.pieces)
        return {};
    if (!options.cuts.empty())
        return options.cuts;
    const unsigned threads = pieceThreads();
    if (threads < 2 || length < kSmallestPieced)
        return {};
    const std::int64_t pieces = std::max<std::int64_t>(length / kPieceSize, threads);
    std::vector<std::int64_t> cuts;
    for (std::int64_t k = 1; k < pieces; ++k)
        cuts.push_back(length / pieces * k);
    return cuts;
}

// One call of ReadMeasurementFile.
class MeasurementReader
{
public:
    MeasurementReader(MeasurementFile &file, ReaderListener &listener)
        : m_file(file)
        , m_listener(listener)
    {}

    ReadResult run(DataSource &source, bool refresh, const ReadOptions &options);

private:
    // Reads the whole file into `into`, a new model; false when the read was cancelled.
    bool readWhole(DataSource &source, std::int64_t length, const ReadOptions &options,
                   MeasurementFile &into);
    void startFullRead();
    void readInOnePass(DataSource &source, std::int64_t start, MeasurementFile &into);
    bool readInPieces(DataSource &source, const std::vector<std::int64_t> &cuts,
                      MeasurementFile &into);
    void scanPiece(DataSource &source, Piece &piece);
    bool continuePass(DataSource &source, std::int64_t &chainEnd, std::int64_t stopAt,
                      MeasurementFile &into);
    // Joins the piece to `into`; false, changing nothing, when its names do not all fit.
    bool joinPiece(Piece &piece, MeasurementFile &into);
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
    // Set during a full read.
    ReadMeter *m_meter = nullptr;
    // Values stored in this call per kind and channel; a channel twice in a record counts twice.
    ValueCounts m_counts{};
};

ReadResult MeasurementReader::run(DataSource &source, bool refresh, const ReadOptions &options)
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
    int firstNewRow = 0;
    if (continuation) {
        m_listener.dropPens();
        firstNewRow = m_file.rowCount();
        readInOnePass(source, m_file.readOffset(), m_file);
    } else {
        MeasurementFile read;
        if (!readWhole(source, length, options, read)) {
            ReadResult cancelled;
            cancelled.cancelled = true;
            return cancelled;
        }
        m_listener.dropPens();
        startFullRead();
        m_file.takeReadData(read);
    }

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

bool MeasurementReader::readWhole(DataSource &source, std::int64_t length,
                                  const ReadOptions &options, MeasurementFile &into)
{
    ReadMeter meter(options.progress, length);
    if (options.progress)
        m_meter = &meter;
    const std::vector<std::int64_t> cuts =
        source.readsAtOffsets() ? planCuts(length, options) : std::vector<std::int64_t>{};
    if (cuts.empty() || !readInPieces(source, cuts, into)) {
        if (meter.cancelled()) {
            m_meter = nullptr;
            return false;
        }
        if (!cuts.empty()) {
            // The pieces met a read error: one pass says where reading stops.
            m_counts = {};
            m_result = {};
            m_result.fullRead = true;
            into = MeasurementFile();
        }
        readInOnePass(source, 0, into);
    }
    m_meter = nullptr;
    return !meter.cancelled() && meter.finish();
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

void MeasurementReader::readInOnePass(DataSource &source, std::int64_t start, MeasurementFile &into)
{
    if (!source.seek(start)) {
        m_result.readError = true;
        return;
    }
    RecordSink sink(into, RecordSink::Ranges::Apply);
    std::int64_t unmetered = 0;
    const ScanOutcome outcome = RecordScanner().scan(
        meteredRead(m_meter, unmetered,
                    [&source](std::int64_t, std::uint8_t *buffer, std::size_t size) {
                        return source.read(buffer, size);
                    }),
        start, RecordScanner::kNoStop, false, sink);
    into.setReadOffset(outcome.end);
    m_counts = sink.counts();
    m_result.rowsAdded = sink.rowsAdded();
    m_result.recordsSkipped = outcome.recordsSkipped;
    m_result.readError = m_result.readError || outcome.readError;
}

void MeasurementReader::scanPiece(DataSource &source, Piece &piece)
{
    std::int64_t unmetered = 0;
    piece.outcome = RecordScanner().scan(
        meteredRead(m_meter, unmetered,
                    [&source](std::int64_t offset, std::uint8_t *buffer, std::size_t size) {
                        return source.readAt(offset, buffer, size);
                    }),
        piece.begin, piece.stopAt, piece.begin > 0, piece.sink);
    // Every piece read is told.
    if (m_meter != nullptr)
        m_meter->add(unmetered);
    // A piece's room for more is never used: its rows and values are joined to the file.
    piece.file.shrinkToFit();
}

bool MeasurementReader::readInPieces(DataSource &source, const std::vector<std::int64_t> &cuts,
                                     MeasurementFile &into)
{
    std::vector<std::unique_ptr<Piece>> pieces;
    std::int64_t begin = 0;
    for (std::size_t i = 0; i <= cuts.size(); ++i) {
        auto piece = std::make_unique<Piece>();
        piece->begin = begin;
        if (i < cuts.size()) {
            if (cuts[i] <= begin)
                continue;
            piece->stopAt = cuts[i];
        }
        begin = piece->stopAt;
        pieces.push_back(std::move(piece));
    }

    // Each thread takes the next piece until none is left; the first piece starts a record
    // chain at offset 0, every other one at the first record it finds.
    std::atomic<std::size_t> next = 0;
    std::vector<std::exception_ptr> failures(pieces.size());
    std::mutex finishing;
    std::condition_variable finished;
    std::size_t working = 0;
    auto work = [&] {
        for (std::size_t i = next++; i < pieces.size(); i = next++) {
            try {
                scanPiece(source, *pieces[i]);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < std::min<std::size_t>(pieceThreads(), pieces.size()); ++t) {
        ++working;
        threads.emplace_back([&] {
            work();
            const std::lock_guard lock(finishing);
            --working;
            finished.notify_one();
        });
    }
    work();
    if (m_meter != nullptr) {
        // The progress goes on being told while the other threads finish their pieces, also
        // when they took every piece before this thread could read one.
        std::unique_lock lock(finishing);
        do {
            lock.unlock();
            m_meter->tell();
            lock.lock();
        } while (!finished.wait_for(lock, kProgressWait, [&] { return working == 0; }));
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const std::exception_ptr &failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    if (m_meter != nullptr && m_meter->cancelled())
        return false;
    for (const auto &piece : pieces)
        if (piece->outcome.readError)
            return false; // one pass says where reading stopped

    // A piece counts only when it starts exactly where the chain of records before it ends and
    // when neither its own name lists nor the file's refuse one of its names (the ranges it
    // traced would then hold values one pass leaves out); otherwise its stretch is read on from
    // that point into the file itself, as one pass would.
    std::size_t rows = 0;
    for (const auto &piece : pieces)
        rows += static_cast<std::size_t>(piece->file.rowCount());
    into.reserveRows(rows);
    std::int64_t chainEnd = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece &piece = *pieces[i];
        const bool startsChain = i == 0 || piece.outcome.first == chainEnd;
        if (startsChain && !piece.sink.refusedName() && joinPiece(piece, into))
            chainEnd = piece.outcome.end;
        else if (!continuePass(source, chainEnd, piece.stopAt, into))
            return false;
        pieces[i].reset();
    }
    into.setReadOffset(chainEnd);
    return true;
}

bool MeasurementReader::continuePass(DataSource &source, std::int64_t &chainEnd,
                                     std::int64_t stopAt, MeasurementFile &into)
{
    RecordSink sink(into, RecordSink::Ranges::Apply);
    const ScanOutcome outcome = RecordScanner().scan(
        [&source](std::int64_t offset, std::uint8_t *buffer, std::size_t size) {
            return source.readAt(offset, buffer, size);
        },
        chainEnd, stopAt, false, sink);
    if (outcome.readError)
        return false;
    for (std::size_t kind = 0; kind < m_counts.size(); ++kind)
        for (std::size_t channel = 0; channel < m_counts[kind].size(); ++channel)
            m_counts[kind][channel] += sink.counts()[kind][channel];
    m_result.rowsAdded += sink.rowsAdded();
    m_result.recordsSkipped += outcome.recordsSkipped;
    chainEnd = outcome.end;
    return true;
}

bool MeasurementReader::joinPiece(Piece &piece, MeasurementFile &into)
{
    for (int kind = 0; kind < kKindCount; ++kind) {
        const ChannelNameList &names = piece.file.channelNames(kindAt(kind));
        const ChannelNameList &known = into.channelNames(kindAt(kind));
        int added = 0;
        for (int local = 0; local < names.count(); ++local)
            added += known.find(names.name(local)) < 0 ? 1 : 0;
        if (known.count() + added > kMaxChannelsPerKind)
            return false;
    }
    // The piece's channels in the order they first appear in it, which is their order of first
    // appearance in the file after the pieces before it.
    std::array<std::vector<int>, kKindCount> channelOf;
    for (int kind = 0; kind < kKindCount; ++kind) {
        const ChannelNameList &names = piece.file.channelNames(kindAt(kind));
        for (int local = 0; local < names.count(); ++local)
            channelOf[static_cast<std::size_t>(kind)].push_back(
                into.channelNames(kindAt(kind)).add(names.name(local)));
    }
    for (int kind = 0; kind < kKindCount; ++kind) {
        const std::vector<int> &global = channelOf[static_cast<std::size_t>(kind)];
        for (std::size_t local = 0; local < global.size(); ++local)
            if (global[local] >= 0)
                m_counts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(global[local])] +=
                    piece.sink.counts()[static_cast<std::size_t>(kind)][local];
    }
    for (int slot = 0; slot < kGroupSlotCount; ++slot)
        for (const RangeValue &seen : piece.sink.rangeTrace(slot))
            into.widenDataRange(seen.kind, seen.value);
    into.appendPiece(std::move(piece.file), channelOf);
    m_result.rowsAdded += piece.sink.rowsAdded();
    m_result.recordsSkipped += piece.outcome.recordsSkipped;
    return true;
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
                               bool refresh, const ReadOptions &options)
{
    if (!source)
        return {};
    return MeasurementReader(file, listener).run(*source, refresh, options);
}

} // namespace zyfo
