#include "tolmvesk/CommunicationReport.h"

#include "midi/MidiCommunicationResult.h"
#include "tolmvesk/ExitStatus.h"

namespace tolmvesk
{
void ProgressLine::show (const midi::MidiCommunicationSession& session)
{
    if (session.getStatusMessage().isEmpty())
        return;

    const auto percent = juce::roundToInt (session.getProgress() * 100.0f);
    const auto line = juce::String (percent).paddedLeft (' ', 3) + "% " + session.getStatusMessage();

    if (line == lastLine)
        return;

    // Pad over the rest of a longer previous line.
    err << '\r' << line.paddedRight (' ', lastLine.length()) << std::flush;
    lastLine = line;
}

void ProgressLine::finish()
{
    if (lastLine.isNotEmpty())
        err << '\n';

    lastLine.clear();
}

int reportCommunicationResult (const midi::BlockingCommunicationRunner& runner, std::ostream& err)
{
    auto code = runner.getLastResultCode();

    if (midi::MidiCommunicationResult::isSuccess (code))
        return ExitStatus::success;

    if (code < 0)
        code = midi::MidiCommunicationResult::failedToOpenDialog;

    err << "error: " << code << ' ' << runner.getLastStatusMessage() << '\n';

    if (const auto detail = runner.getLastDetailMessage(); detail.isNotEmpty())
        err << detail << '\n';

    return ExitStatus::communicationError;
}

int reportCommunicationNotStarted (std::ostream& err, const juce::String& reason)
{
    err << "error: " << midi::MidiCommunicationResult::failedToOpenDialog << ' ' << reason << '\n';
    return ExitStatus::communicationError;
}
} // namespace tolmvesk
