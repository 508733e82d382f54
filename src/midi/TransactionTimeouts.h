#pragma once

namespace xTV200_midi
{
/** How long each transaction waits for the synthesizer's reply. The defaults
    are the product's; tests shorten them. */
struct TransactionTimeouts
{
    int identityMilliseconds = 3000;
    int receiveMilliseconds = 5000;
    int writeMilliseconds = 3000;
    int currentProgramMilliseconds = 5000;

    /** Every timeout set to milliseconds. */
    static TransactionTimeouts allOf (int milliseconds) noexcept
    {
        return {milliseconds, milliseconds, milliseconds, milliseconds};
    }
};
} // namespace xTV200_midi
