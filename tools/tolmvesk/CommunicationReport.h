#pragma once

#include "midi/BlockingCommunicationRunner.h"

#include <ostream>

namespace tolmvesk
{
/** Keeps one progress line on standard error up to date while a
    communication runs: the percentage and the status text. */
class ProgressLine final
{
public:
    explicit ProgressLine (std::ostream& stream)
        : err (stream)
    {
    }

    void show (const midi::MidiCommunicationSession& session);

    /** Ends the line, if one was shown. */
    void finish();

private:
    std::ostream& err;
    juce::String lastLine;
};

/** After a communication: nothing on success; otherwise "error: CODE STATUS"
    and the detail text on the next line when there is one. A failure to open
    the ports counts as code 2, the communication could not start. Returns the
    exit status. */
int reportCommunicationResult (const midi::BlockingCommunicationRunner& runner, std::ostream& err);

/** The error line for a communication that could not start at all. */
int reportCommunicationNotStarted (std::ostream& err, const juce::String& reason);
} // namespace tolmvesk
