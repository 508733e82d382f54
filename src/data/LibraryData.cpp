#include "data/LibraryData.h"

#include "data/container/LibraryDataDeserializer.h"
#include "data/container/LibraryDataSerializer.h"

#include <cstdio>

namespace xTV200_data
{
LibraryData::LibraryData (const LibraryData& other) : Data(), SerializableData() { copyFrom (other); }

LibraryData& LibraryData::operator= (const LibraryData& other)
{
    copyFrom (other);
    return *this;
}

void LibraryData::initialize()
{
    for (auto& program : programs)
        program.initialize();

    favorites.initialize();
}

void LibraryData::copyFrom (const LibraryData& other)
{
    programs = other.programs;
    favorites = other.favorites;
}

bool LibraryData::isValidIndex (int index) noexcept
{
    if (juce::isPositiveAndBelow (index, numPrograms))
        return true;

    // A debugging aid: callers with a bad index get the fallback program.
    // It goes to stderr so that it never mixes with a tool's output.
    std::fprintf (stderr, "Program Number Error: %d\n", index);
    return false;
}

ProgramData& LibraryData::getProgram (int index)
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

const ProgramData& LibraryData::getProgram (int index) const
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

bool LibraryData::operator== (const LibraryData& other) const
{
    return programs == other.programs && favorites == other.favorites;
}

void LibraryData::serialize (data::SerializedData& out) const { LibraryDataSerializer (*this).serialize (out); }

bool LibraryData::deserialize (const data::SerializedData& in) { return LibraryDataDeserializer (*this).deserialize (in); }
} // namespace xTV200_data
