#pragma once

namespace xTV200_data
{
/** Told on the message thread that the current program changed. */
class CurrentProgramDataObserver
{
public:
    virtual ~CurrentProgramDataObserver() = default;
    virtual void currentProgramChanged() = 0;
};
} // namespace xTV200_data
