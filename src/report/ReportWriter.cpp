// The report writer: the loaded rows as a "Format tekstowy" or "Lista rozdzielana" file.
#include "ReportWriter.h"

#include "Cp1250.h"
#include "FixedPoint.h"

#include <algorithm>

namespace zyfo {

namespace {

// One kind's cells: value decimals ("%.02f" or "%.0f"), blanks after a value in the text
// layout, and the header cell around the channel's name.
struct ReportColumn
{
    ChannelKind kind;
    int decimals;
    int blanks;
    std::string_view label;
    std::string_view unit;
};

// The report's own column order (radiation in µmol comes before speed).
constexpr ReportColumn kColumns[] = {
    {ChannelKind::Temperature, 2, 18, "Temp. ", " °C"},
    {ChannelKind::Pressure, 2, 17, "Ciś. ", " hPa"},
    {ChannelKind::RelativeHumidity, 2, 20, "Wilg. wzgl. ", " %"},
    {ChannelKind::DewPoint, 2, 19, "P. rosy ", " °C"},
    {ChannelKind::VapourContent, 2, 20, "Zaw. pary ", " ppm"},
    {ChannelKind::RadiationWm2, 2, 21, "Prom. ", " W/m2"},
    {ChannelKind::RadiationKlx, 2, 21, "Prom. ", " kLx"},
    {ChannelKind::RadiationUmol, 2, 21, "Prom. ", " µmol/sm2"},
    {ChannelKind::WindSpeed, 2, 22, "Prędkość ", " m/s"},
    {ChannelKind::WindDirection, 0, 20, "Kier. ", " °"},
    {ChannelKind::RainHeight, 2, 17, "Wys. ", " mm"},
    // Binary inputs keep "ppm": reports already stored elsewhere are matched against it.
    {ChannelKind::BinaryInput, 2, 20, "We. bin. ", " ppm"},
};

constexpr std::string_view kHeaderStart = "Data i Godzina  ";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kPushSize = 1 << 20;
constexpr int kRowBlock = 512; // rows gathered at once; a multiple of 64

// Every line break of `text` (CR LF, LF alone, CR alone) as CR LF.
std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kLineEnd;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

ReportWriter::ReportWriter(const MeasurementFile &data, const ReportOptions &options)
    : m_data(data)
    , m_options(options)
    , m_separator(options.format == ReportFormat::Delimited ? "," : "\t")
    , m_decimalSeparator(
          toCp1250(options.decimalSeparator.empty() ? "." : options.decimalSeparator))
{
    collectChannels();
}

void ReportWriter::collectChannels()
{
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        const ReportColumn &kindColumn = kColumns[column];
        const ChannelNameList &names = m_data.channelNames(kindColumn.kind);
        for (int channel = 0; channel < names.count(); ++channel) {
            // A channel without any value never gets a cell.
            const ChannelColumn *values = m_data.column(kindColumn.kind, channel);
            if (values == nullptr || values->valueCount() == 0)
                continue;
            std::string cell = m_separator;
            appendCp1250(cell, kindColumn.label);
            appendCp1250(cell, names.name(channel));
            appendCp1250(cell, kindColumn.unit);
            m_channels.push_back({values, column, std::move(cell)});
        }
    }
}

ReportResult ReportWriter::write(ReportFile &file, const std::string &path,
                                 const std::function<ExistingFileAction()> &existing)
{
    ReportResult result;
    const ReportFileOpen opened = file.open(path);
    if (opened == ReportFileOpen::Failed) {
        result.status = ReportStatus::FileUnavailable;
        result.systemError = file.lastError();
        return result;
    }
    bool ok = true;
    if (opened == ReportFileOpen::Existed) {
        const ExistingFileAction action = existing ? existing() : ExistingFileAction::Replace;
        ok = action == ExistingFileAction::Append ? file.seekToEnd() : file.truncate();
    }
    m_buffer.clear();
    m_buffer.reserve(kPushSize + 64 * 1024);
    if (ok && m_options.withComment) {
        appendComment();
        ok = pushBuffer(file, result);
    }
    ok = ok && writeRows(file, result) && pushBuffer(file, result);
    if (!ok) {
        result.status = ReportStatus::WriteFailed;
        result.systemError = file.lastError();
        file.close();
        return result;
    }
    if (!file.close()) {
        result.status = ReportStatus::WriteFailed;
        result.systemError = file.lastError();
    }
    return result;
}

void ReportWriter::appendComment()
{
    if (m_options.comment.empty())
        return;
    appendCp1250(m_buffer, withCrLf(m_options.comment));
    m_buffer += kLineEnd;
}

bool ReportWriter::writeRows(ReportFile &file, ReportResult &result)
{
    // Rows are taken a block at a time: each channel's values of the block are gathered in one
    // pass over its column, then the block's lines are written row by row.
    const std::size_t channels = m_channels.size();
    std::vector<double> blockValues(channels * kRowBlock);
    std::vector<std::uint64_t> blockPresence(channels * kRowBlock / 64);
    std::vector<double> values;
    values.reserve(channels);
    m_haveLastHeader = false;
    const int rows = m_data.rowCount();
    for (int blockFirst = 0; blockFirst < rows; blockFirst += kRowBlock) {
        const int blockLast = std::min(rows - 1, blockFirst + kRowBlock - 1);
        std::fill(blockPresence.begin(), blockPresence.end(), 0);
        for (std::size_t i = 0; i < channels; ++i) {
            double *channelValues = blockValues.data() + i * kRowBlock;
            std::uint64_t *presence = blockPresence.data() + i * (kRowBlock / 64);
            m_channels[i].values->forEach(blockFirst, blockLast, [&](int row, double v) {
                const int k = row - blockFirst;
                channelValues[k] = v;
                presence[k / 64] |= std::uint64_t{1} << (k % 64);
            });
        }
        for (int row = blockFirst; row <= blockLast; ++row) {
            const int k = row - blockFirst;
            m_present.clear();
            values.clear();
            for (std::size_t i = 0; i < channels; ++i) {
                if ((blockPresence[i * (kRowBlock / 64) + k / 64] >> (k % 64) & 1) != 0) {
                    m_present.push_back(static_cast<int>(i));
                    values.push_back(blockValues[i * kRowBlock + k]);
                }
            }
            appendLine(row, values);
            if (m_buffer.size() >= kPushSize && !pushBuffer(file, result))
                return false;
        }
        if (m_progress)
            m_progress(blockLast + 1, rows);
    }
    return true;
}

void ReportWriter::appendLine(int row, const std::vector<double> &values)
{
    appendHeaderIfChanged();
    // The texts are the stamp's own 8-bit characters: written as they stand.
    m_buffer += m_data.rowDateText(row);
    m_buffer += ' ';
    m_buffer += m_data.rowTimeText(row);
    m_buffer += m_separator;
    for (std::size_t k = 0; k < m_present.size(); ++k) {
        if (k > 0)
            m_buffer += m_separator;
        appendValue(values[k], m_channels[m_present[k]].column);
    }
    m_buffer += kLineEnd;
}

void ReportWriter::appendHeaderIfChanged()
{
    // The header is made from the set of channels alone, so an unchanged set needs no new text.
    if (m_haveLastHeader && m_present == m_lastPresent)
        return;
    m_lastPresent = m_present;
    m_header.assign(kHeaderStart);
    for (const int i : m_present)
        m_header += m_channels[i].headerCell;
    if (m_haveLastHeader && m_header == m_lastHeader)
        return;
    m_lastHeader.swap(m_header);
    m_haveLastHeader = true;
    m_buffer += m_lastHeader;
    m_buffer += kLineEnd;
}

void ReportWriter::appendValue(double value, int column)
{
    const ReportColumn &kindColumn = kColumns[column];
    appendFixedPoint(m_buffer, value, kindColumn.decimals, m_decimalSeparator);
    if (m_options.format == ReportFormat::Text)
        m_buffer.append(static_cast<std::size_t>(kindColumn.blanks), ' ');
}

bool ReportWriter::pushBuffer(ReportFile &file, ReportResult &result)
{
    if (m_buffer.empty())
        return true;
    if (!file.write(m_buffer))
        return false;
    result.bytesWritten += static_cast<std::int64_t>(m_buffer.size());
    m_buffer.clear();
    return true;
}

} // namespace zyfo
