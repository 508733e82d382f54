#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace xTV200_application
{
/** Reads a command line: from the start of the program, or handed over by a
    second start.

    At most one file of a command line is opened: the first whose extension
    is known. Options (anything beginning with "-") are skipped.
*/
class CommandLineProcessor
{
public:
    enum class FileKind
    {
        library,
        program,
        preset
    };

    struct FileToOpen
    {
        juce::File file;
        FileKind kind;
    };

    virtual ~CommandLineProcessor() = default;

    /** Splits a command line into tokens, character by character.

        Outside quotes a double quote starts a quoted part and is dropped, a
        space ends the token, anything else is appended. Inside quotes a double
        quote ends the quoted part and the token too; anything else, spaces
        included, is appended. A token ended by a space or a closing quote is
        kept even when empty; at the end of the text only a non-empty token is.
    */
    static juce::StringArray tokenize (const juce::String& commandLine);

    /** The first token naming a ".tvlib", ".tvprog" or ".tvpreset" file
        (extension compared without regard to case), relative paths taken
        from workingDirectory.
    */
    static std::optional<FileToOpen> findFileToOpen (const juce::StringArray& tokens,
                                                     const juce::File& workingDirectory);
};
} // namespace xTV200_application
