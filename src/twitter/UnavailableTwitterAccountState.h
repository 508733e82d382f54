#pragma once

#include "twitter/TwitterAccountState.h"

namespace twitter
{
/** The account state of a build without a sharing client: no account can be
    authorized, so there is never anything to disconnect.
*/
class UnavailableTwitterAccountState final : public TwitterAccountState
{
public:
    UnavailableTwitterAccountState() = default;

    bool isAuthorized() const override { return false; }
    juce::String getUserName() const override { return {}; }
    void disconnect() override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UnavailableTwitterAccountState)
};
} // namespace twitter
