#pragma once

namespace data
{
/** Told on the message thread that library data changed; reads what it shows again. */
class DataChangeObserver
{
public:
    virtual void dataChanged() = 0;
    virtual ~DataChangeObserver() = default;
};
} // namespace data
