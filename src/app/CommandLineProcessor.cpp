#include "app/CommandLineProcessor.h"

namespace xTV200_application
{
juce::StringArray CommandLineProcessor::tokenize (const juce::String& commandLine)
{
    juce::StringArray tokens;
    juce::String token;
    bool inQuotes = false;

    for (auto character : commandLine)
    {
        if (character == '"')
        {
            if (inQuotes)
            {
                tokens.add (token);
                token.clear();
            }

            inQuotes = ! inQuotes;
        }
        else if (character == ' ' && ! inQuotes)
        {
            tokens.add (token);
            token.clear();
        }
        else
        {
            token += juce::String::charToString (character);
        }
    }

    if (token.isNotEmpty())
        tokens.add (token);

    return tokens;
}

std::optional<CommandLineProcessor::FileToOpen>
CommandLineProcessor::findFileToOpen (const juce::StringArray& tokens, const juce::File& workingDirectory)
{
    const std::pair<const char*, FileKind> extensions[] = {
        { ".tvlib", FileKind::library },
        { ".tvprog", FileKind::program },
        { ".tvpreset", FileKind::preset },
    };

    for (const auto& token : tokens)
    {
        // Empty tokens come from doubled spaces; they name nothing.
        if (token.isEmpty() || token.startsWith ("-"))
            continue;

        const auto file = workingDirectory.getChildFile (token);

        for (const auto& [extension, kind] : extensions)
            if (file.getFileExtension().equalsIgnoreCase (extension))
                return FileToOpen { file, kind };
    }

    return std::nullopt;
}
} // namespace xTV200_application
