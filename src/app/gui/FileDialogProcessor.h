#pragma once

#include <juce_core/juce_core.h>

#include <functional>

namespace xTV200_application
{
/** The document operations that let the user choose a file in the native
    file dialog, then do the file work through FileAccessProcessor and show
    an error alert when it fails.

    Each returns true only when its file operation succeeded: false when a
    modal dialog was already open, the user cancelled or it failed. While the
    file dialog is open the modal dialog state is held, so that no command
    starts a second dialog meanwhile.

    Tests replace the native dialog with a responder: while a
    ScopedChooserResponder lives, it is asked for the file instead (an empty
    File means the user cancelled). Message thread only.
*/
class FileDialogProcessor
{
public:
    using ChooserResponder = std::function<juce::File (const juce::String& title,
                                                       const juce::String& pattern,
                                                       bool isSave)>;

    class ScopedChooserResponder final
    {
    public:
        explicit ScopedChooserResponder (ChooserResponder responderToUse);
        ~ScopedChooserResponder();

    private:
        ChooserResponder previous;

        JUCE_DECLARE_NON_COPYABLE (ScopedChooserResponder)
    };

    FileDialogProcessor() = default;
    virtual ~FileDialogProcessor() = default;

    /** Asks to keep unsaved changes first, then opens a library file. */
    bool open();

    /** Writes the library to its file, or asks for one when it is untitled. */
    bool save();

    /** Writes the library to a chosen file, always as ".tvlib". */
    bool saveAs();

    /** Loads a program file into the first selected program (undoable). */
    bool loadProgram();

    /** Writes the first selected program to a chosen ".tvprog" file. */
    bool saveProgram();

    /** Replaces the library, without asking, with an older editor's file. */
    bool importTonexaFile();

    /** Writes a preset file of the library's programs, with the bundle's
        header asked for in the preset information dialog once the file is
        chosen; only that dialog's OK writes the file. */
    bool makePresetFile();

private:
    /** The chosen file with its extension forced, or an empty File. */
    static juce::File chooseFile (const juce::String& titleKey, const juce::String& extension, bool isSave);
    static juce::File browse (const juce::String& title, const juce::String& pattern, bool isSave);
    static bool isModalDialogOpen();
    static int firstSelectedProgram();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileDialogProcessor)
};
} // namespace xTV200_application
