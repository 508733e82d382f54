#pragma once

#include "data/CurrentProgramDataObserver.h"
#include "data/DataChangeObserver.h"

#include <vector>

namespace test
{
/** Counts its calls and writes its name into a shared log, so that tests can
    check both how often and in which order observers were told.
*/
class RecordingObserver : public data::DataChangeObserver, public xTV200_data::CurrentProgramDataObserver
{
public:
    explicit RecordingObserver (std::vector<int>* sharedLog = nullptr, int ownId = 0) : log (sharedLog), id (ownId) {}

    void dataChanged() override { record(); }
    void currentProgramChanged() override { record(); }

    int calls = 0;

private:
    void record()
    {
        ++calls;
        if (log != nullptr)
            log->push_back (id);
    }

    std::vector<int>* log;
    int id;
};
} // namespace test
