#pragma once

#include "app/DisplayLanguage.h"
#include "base/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <memory>

/** The localized strings table: every text the user sees is looked up here by key.

    The table is an XML document whose root element ("Strings") holds one child
    per key, named by the key, with the text in its attribute "Text". The
    process-wide instance loads the table of the display language once, from the
    data embedded in the program; the language is fixed for the run.

    A table that cannot be decoded or parsed leaves the resource without a table,
    and every text is then empty: the program still runs.
*/
class CTRVResource final : public Singleton<CTRVResource>, public juce::DeletedAtShutdown
{
public:
    /** Loads the embedded table of the display language: the system's, unless
        setLanguageForThisRun() chose another. */
    CTRVResource();

    /** Loads a table from the given bytes, which should be UTF-8 XML text.

        The process-wide instance uses the embedded table; this is for checking
        a table's contents, or how a broken one is handled, without it.
    */
    explicit CTRVResource (const juce::MemoryBlock& tableBytes);

    ~CTRVResource() override;

    /** The text of the first entry whose name equals key without regard to letter
        case; the empty string when there is no table or no such entry. */
    juce::String getText (const juce::String& key) const;

    /** True when the table was decoded and parsed. */
    bool hasStringsTable() const noexcept { return stringsRoot != nullptr; }

    /** Makes the process-wide table the one of language rather than the
        system's. Call before the first text is looked up: the command-line
        tool uses it so that scripts always read the same English texts. */
    static void setLanguageForThisRun (application::DisplayLanguage language) noexcept;

    /** The bytes of the table embedded in the program for the given language. */
    static juce::MemoryBlock getEmbeddedTable (application::DisplayLanguage language);

private:
    static std::unique_ptr<juce::XmlElement> parseTable (const juce::MemoryBlock& tableBytes);

    std::unique_ptr<juce::XmlElement> stringsRoot;

    static inline bool languageChosen = false;
    static inline application::DisplayLanguage chosenLanguage{};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CTRVResource)
};
