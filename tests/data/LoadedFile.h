// Test helper: a model, the window-less listener and a data file in memory, read as the main
// window reads it.
#pragma once

#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "MemorySource.h"
#include "ModelText.h"

#include <string>

namespace zyfo {

struct LoadedFile
{
    explicit LoadedFile(std::string bytes = {})
        : source(std::move(bytes))
    {}

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

    MeasurementFile file;
    MemoryReaderListener listener{file};
    MemorySource source;
};

} // namespace zyfo
