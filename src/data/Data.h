#pragma once

namespace data
{
/** The polymorphic base of every record. */
class Data
{
public:
    virtual ~Data() = default;
};
} // namespace data
