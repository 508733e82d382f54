#include "app/CommandLineProcessor.h"

#include <gtest/gtest.h>

using xTV200_application::CommandLineProcessor;

TEST (CommandLineProcessor, Tokenize)
{
    struct Case
    {
        const char* commandLine;
        std::vector<const char*> tokens;
    };

    const Case cases[] = {
        { "", {} },
        { "a.tvlib", { "a.tvlib" } },
        { "\"/My Sounds/a b.tvlib\" p.tvprog", { "/My Sounds/a b.tvlib", "", "p.tvprog" } },
        { "\"/My Sounds/\"a.tvlib", { "/My Sounds/", "a.tvlib" } },
        { "a  b", { "a", "", "b" } },
        { "a ", { "a" } },
        { " a", { "", "a" } },
        { "\"\"", { "" } },
        { "\"unterminated quote", { "unterminated quote" } },
        { "x\"y z\"", { "xy z" } }, // an opening quote does not end the token
        { "-NS file.tvlib", { "-NS", "file.tvlib" } },
    };

    for (const auto& c : cases)
    {
        juce::StringArray expected;
        for (auto* token : c.tokens)
            expected.add (token);

        EXPECT_EQ (CommandLineProcessor::tokenize (c.commandLine).joinIntoString ("|"), expected.joinIntoString ("|"))
            << c.commandLine;
    }
}

TEST (CommandLineProcessor, OpensOnlyTheFirstFileWithAKnownExtension)
{
    const juce::File here ("/work/here");

    struct Case
    {
        const char* commandLine;
        const char* expectedPath; // null: nothing to open
        CommandLineProcessor::FileKind kind;
    };

    const Case cases[] = {
        { "\"/My Sounds/a b.tvlib\" p.tvprog", "/My Sounds/a b.tvlib", CommandLineProcessor::FileKind::library },
        { "notes.txt p.TVPROG x.tvlib", "/work/here/p.TVPROG", CommandLineProcessor::FileKind::program },
        { "-NS", nullptr, CommandLineProcessor::FileKind::library },
        { "-x.tvlib bundle.TvPreset", "/work/here/bundle.TvPreset", CommandLineProcessor::FileKind::preset },
        { "\"/My Sounds/\"a.tvlib", "/work/here/a.tvlib", CommandLineProcessor::FileKind::library },
        { "archive.tvlib.bak", nullptr, CommandLineProcessor::FileKind::library },
    };

    for (const auto& c : cases)
    {
        const auto found = CommandLineProcessor::findFileToOpen (CommandLineProcessor::tokenize (c.commandLine), here);

        if (c.expectedPath == nullptr)
        {
            EXPECT_FALSE (found.has_value()) << c.commandLine;
            continue;
        }

        ASSERT_TRUE (found.has_value()) << c.commandLine;
        EXPECT_EQ (found->file.getFullPathName(), c.expectedPath) << c.commandLine;
        EXPECT_EQ (found->kind, c.kind) << c.commandLine;
    }
}
