#include "ui/TextEditorInputFilter.h"

#include <gtest/gtest.h>

namespace
{
/** A text editor holding initialLength characters behind a limit of 30, with
    the caret at the end. */
struct LimitedEditor
{
    explicit LimitedEditor (int initialLength)
    {
        editor.setInputFilter (&filter, false);
        editor.setText (juce::String::repeatedString ("x", initialLength), false);
        editor.moveCaretToEnd();
    }

    xTV200_ui::TextEditorInputFilter filter{30};
    juce::TextEditor editor;
};

TEST (TextEditorInputFilter, AcceptsAnInsertionUpToTheLimitAndRefusesOneBeyondItWhole)
{
    struct Case
    {
        int initialLength;
        const char* inserted;
        bool accepted;
    };

    const Case cases[]{
        {28, "1", true},    // typing one character
        {28, "ab", true},   // exactly to the limit
        {28, "abc", false}, // a paste of three is not cut to fit
        {30, "1", false},
    };

    for (const auto& c : cases)
    {
        LimitedEditor limited (c.initialLength);
        limited.editor.insertTextAtCaret (c.inserted);

        const auto expected =
            juce::String::repeatedString ("x", c.initialLength) + (c.accepted ? c.inserted : "");
        EXPECT_EQ (limited.editor.getText(), expected) << c.initialLength << " + \"" << c.inserted << "\"";
    }
}

TEST (TextEditorInputFilter, CountsTheSelectionThatTheInsertionWouldReplace)
{
    LimitedEditor limited (29);
    limited.editor.setHighlightedRegion ({0, 2});

    // 29 characters in the editor and 2 new ones pass 30, although only 28
    // would remain once the selection is replaced.
    EXPECT_EQ (limited.filter.filterNewText (limited.editor, "ab"), juce::String());
    EXPECT_EQ (limited.filter.filterNewText (limited.editor, "a"), "a");
}
} // namespace
