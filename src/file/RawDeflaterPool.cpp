#include "file/RawDeflaterPool.h"

namespace file
{
RawDeflaterPool::Lease::Lease (RawDeflaterPool& pool) : owner (pool), deflater (pool.take()) {}

RawDeflaterPool::Lease::~Lease()
{
    owner.giveBack (std::move (deflater));
}

RawDeflaterPool& RawDeflaterPool::getShared()
{
    static RawDeflaterPool pool;
    return pool;
}

std::unique_ptr<RawDeflater> RawDeflaterPool::take()
{
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! idle.empty())
        {
            auto deflater = std::move (idle.back());
            idle.pop_back();
            return deflater;
        }
    }

    return std::make_unique<RawDeflater>();
}

void RawDeflaterPool::giveBack (std::unique_ptr<RawDeflater> deflater)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (idle.size() < maxIdleDeflaters)
        idle.push_back (std::move (deflater));
}
} // namespace file
