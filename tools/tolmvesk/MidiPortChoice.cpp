#include "tolmvesk/MidiPortChoice.h"

namespace tolmvesk
{
namespace
{
bool takePair (OptionReader& options, const juce::String& inputOption, const juce::String& outputOption,
               juce::String& input, juce::String& output)
{
    const auto in = options.takeValue (inputOption);
    const auto out = options.takeValue (outputOption);

    if (! in.has_value() && ! out.has_value())
        return false;

    if (! in.has_value() || ! out.has_value() || in->isEmpty() || out->isEmpty())
        options.fail (inputOption + " and " + outputOption + " go together");

    input = in.value_or (juce::String());
    output = out.value_or (juce::String());
    return true;
}
} // namespace

MidiPortChoice MidiPortChoice::take (OptionReader& options)
{
    MidiPortChoice choice;
    int numChoices = 0;

    if (takePair (options, "--in", "--out", choice.inputName, choice.outputName))
    {
        choice.kind = Kind::manual;
        ++numChoices;
    }

    if (takePair (options, "--in-stream", "--out-stream", choice.inputPath, choice.outputPath))
    {
        choice.kind = Kind::byteStream;
        ++numChoices;
    }

    if (options.takeFlag ("--virtual-synth"))
    {
        choice.kind = Kind::virtualSynth;
        ++numChoices;
    }

    if (numChoices > 1)
        options.fail ("choose one of --in/--out, --in-stream/--out-stream and --virtual-synth");

    return choice;
}
} // namespace tolmvesk
