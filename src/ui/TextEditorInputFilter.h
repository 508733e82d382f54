#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** Keeps a text editor's text at most maxLength characters long by refusing
    every insertion that would pass the limit as a whole: a paste that is too
    long inserts nothing rather than a cut-off part of it.

    The editor's current length counts its selected text too, although the
    insertion replaces it, so with a full editor replacing a selection is
    refused.
*/
class TextEditorInputFilter final : public juce::TextEditor::InputFilter
{
public:
    explicit TextEditorInputFilter (int maximumLength) noexcept;
    ~TextEditorInputFilter() override;

    juce::String filterNewText (juce::TextEditor& editor, const juce::String& newText) override;

    int getMaxLength() const noexcept { return maxLength; }

private:
    const int maxLength;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TextEditorInputFilter)
};
} // namespace xTV200_ui
