#pragma once

#include "data/ProgramData.h"

namespace xTV200_data
{
/** Writes a program as a "TolmProg" container: its 320 bytes in "TolmPrgD", then its information document in "TolmPrgI". */
class ProgramDataSerializer
{
public:
    explicit ProgramDataSerializer (const ProgramData& recordToUse) : record (&recordToUse) {}
    virtual ~ProgramDataSerializer() = default;

    void serialize (data::SerializedData& out) const;

private:
    const ProgramData* record;
};
} // namespace xTV200_data
