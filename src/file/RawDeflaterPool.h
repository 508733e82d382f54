#pragma once

#include "file/RawDeflater.h"

#include <memory>
#include <mutex>
#include <vector>

namespace file
{
/** Keeps the deflaters of finished archives for the next ones.

    Setting up zlib's tables means allocating about a quarter of a megabyte
    and faulting its pages in, which costs a library save as much as a third
    of its compressing. The pool keeps as many deflaters as archives are
    compressed at once (one per compressing thread), so after the first save
    every save finds its deflaters ready. It is safe to use from any thread.
*/
class RawDeflaterPool final
{
public:
    /** A deflater lent out for the life of the lease, then given back. */
    class Lease final
    {
    public:
        explicit Lease (RawDeflaterPool& pool);
        ~Lease();

        RawDeflater& get() noexcept { return *deflater; }

    private:
        RawDeflaterPool& owner;
        std::unique_ptr<RawDeflater> deflater;

        JUCE_DECLARE_NON_COPYABLE (Lease)
    };

    /** The pool of this process. */
    static RawDeflaterPool& getShared();

    /** At most this many idle deflaters are kept. */
    static constexpr size_t maxIdleDeflaters = 2;

private:
    std::unique_ptr<RawDeflater> take();
    void giveBack (std::unique_ptr<RawDeflater> deflater);

    std::mutex lock;
    std::vector<std::unique_ptr<RawDeflater>> idle;
};
} // namespace file
