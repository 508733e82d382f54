#pragma once

#include <juce_core/juce_core.h>

#include <array>

namespace xTV200_preferences
{
class PreferencesData;

/** Applies the MIDI port and list font settings to the running system, at
    start-up and after the preferences dialog's OK.

    The settings are read and worked out here; carrying them out is the job of
    the MIDI device manager and of the font library, which register themselves
    through setMidiPortTarget() and setFontTarget(). While no target is
    registered, that half of the work is left out. A target unregisters itself
    (passing nullptr) before it is deleted. Message thread only.
*/
class PreferencesDataUpdater final
{
public:
    /** The MIDI port mode the settings ask for. */
    struct MidiPortSettings
    {
        bool autoScan = true;  ///< scan the ports for the synthesizer, else use the two names
        juce::String inPortName;
        juce::String outPortName;
    };

    /** What applyMidiPortSettings() hands the settings to: the MIDI device manager. */
    class MidiPortTarget
    {
    public:
        virtual ~MidiPortTarget() = default;

        /** Switches to automatic scanning when settings.autoScan is set, otherwise
            to manual mode with the two port names. */
        virtual void applyMidiPortSettings (const MidiPortSettings& settings) = 0;
    };

    /** What applyListFontSize() hands the font height to: the font library. */
    class FontTarget
    {
    public:
        virtual ~FontTarget() = default;

        /** Sets the height of the named font. */
        virtual void setFontHeight (const juce::String& fontName, int height) = 0;
    };

    /** The fonts of the program and preset lists, in the order they are set. */
    static constexpr std::array<const char*, 5> listFontNames { "ProgramListNumber", "ProgramListName",
                                                                "ProgramListCategory", "PresetListItemPresetData",
                                                                "PresetListItemProgram" };

    /** Works on the process-wide preferences. */
    PreferencesDataUpdater();

    /** Works on the given preferences, which must outlive this object. */
    explicit PreferencesDataUpdater (const PreferencesData& preferencesToRead);

    /** Hands MidiPortAutoScan (default true), MidiInPort and MidiOutPort to the MIDI port target. */
    void applyMidiPortSettings() const;

    /** Sets the height of the list fonts from ProgramListHeight (default 0) on the
        font target, then triggers the preferences change notification. */
    void applyListFontSize() const;

    static MidiPortSettings readMidiPortSettings (const PreferencesData& source);

    /** The list font height for a list row height: the row height times 0.6 in
        single precision, truncated toward zero (25 gives 15, 30 gives 18). */
    static int getListFontHeight (int programListHeight) noexcept;

    static void setMidiPortTarget (MidiPortTarget* target) noexcept { midiPortTarget = target; }
    static void setFontTarget (FontTarget* target) noexcept { fontTarget = target; }

private:
    const PreferencesData& preferences;

    static inline MidiPortTarget* midiPortTarget = nullptr;
    static inline FontTarget* fontTarget = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PreferencesDataUpdater)
};
} // namespace xTV200_preferences
