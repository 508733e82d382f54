#pragma once

#include "data/SerializedData.h"

namespace data
{
/** A record that can be written to and read from a serialized container. */
class SerializableData
{
public:
    virtual ~SerializableData() = default;

    /** Replaces the content of out with the record's container. */
    virtual void serialize (SerializedData& out) const = 0;

    /** Reads the record from a container; true when it was read. */
    virtual bool deserialize (const SerializedData& in) = 0;
};
} // namespace data
