#pragma once

#include "data/ProgramData.h"

namespace xTV200_data
{
/** Reads a program from a "TolmProg" container. */
class ProgramDataDeserializer
{
public:
    explicit ProgramDataDeserializer (ProgramData& recordToUse) : record (&recordToUse) {}
    virtual ~ProgramDataDeserializer() = default;

    /** False when the container does not parse, is of another type, or its
        information document is not one; in the last case the bytes were
        already set. The hash is updated in every case the bytes were touched.
    */
    bool deserialize (const data::SerializedData& in) const;

private:
    ProgramData* record;
};
} // namespace xTV200_data
