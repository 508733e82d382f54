#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdlib>

namespace
{
/** Points the user's folders at a private temporary folder, so that no test
    reads or writes the real preferences of whoever runs the suite. */
juce::File makePrivateHome()
{
    auto home = juce::File::createTempFile ("tolmvesk-test-home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    setenv ("XDG_CONFIG_HOME", home.getChildFile (".config").getFullPathName().toRawUTF8(), 1);
    return home;
}
} // namespace

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    auto home = makePrivateHome();
    int result = 0;
    {
        juce::MessageManager::getInstance();
        result = RUN_ALL_TESTS();
        juce::DeletedAtShutdown::deleteAll();
        juce::MessageManager::deleteInstance();
    }
    home.deleteRecursively();
    return result;
}
