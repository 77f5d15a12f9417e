// Test helper: a model, the window-less listener and a data file, read as the main window does.
#pragma once

#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "MemorySource.h"
#include "ModelText.h"

#include <string>

namespace zyfo {

// The file is read through `Source`; LoadedFile holds it in memory.
template<class Source>
struct BasicLoadedFile
{
    BasicLoadedFile() = default;
    // The listener refers to this object's model: a copy would report into the original.
    BasicLoadedFile(const BasicLoadedFile &) = delete;
    BasicLoadedFile &operator=(const BasicLoadedFile &) = delete;

    ReadResult open() { return ReadMeasurementFile(file, &source, listener, false); }
    ReadResult refresh() { return ReadMeasurementFile(file, &source, listener, true); }

    // modelText of the model and, unless left out, the channel list.
    std::string text(bool withItems = true) const
    {
        std::string out = modelText(file);
        for (std::size_t i = 0; withItems && i < listener.items().size(); ++i)
            out += "\n" + listener.items()[i];
        return out;
    }

    Source source;
    MeasurementFile file;
    MemoryReaderListener listener{file};
};

struct LoadedFile : BasicLoadedFile<MemorySource>
{
    explicit LoadedFile(std::string bytes = {}) { source.bytes() = std::move(bytes); }
};

} // namespace zyfo
