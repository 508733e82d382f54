#pragma once

#include <juce_core/juce_core.h>

namespace twitter
{
/** What the menu needs to know about the sharing account: whether one is
    authorized, under which user name, and a way to forget it.

    Kept narrow so the menu commands do not depend on the network client.
*/
class TwitterAccountState
{
public:
    virtual ~TwitterAccountState() = default;

    /** True when an account has been authorized and may be disconnected. */
    virtual bool isAuthorized() const = 0;

    /** The authorized account's user name; empty when unknown or not authorized. */
    virtual juce::String getUserName() const = 0;

    /** Forgets the authorized account. Does nothing when none is authorized. */
    virtual void disconnect() = 0;
};
} // namespace twitter
