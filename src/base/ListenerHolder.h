#pragma once

#include <algorithm>
#include <vector>

/** Holds non-owned observer pointers of the interface Listener.

    addObserver() appends without a duplicate check; removeObserver() erases the
    first equal entry. Subjects notify through callObservers(), which walks the
    list by index in registration order, so an observer may remove itself from
    inside its callback.
*/
template <typename Listener>
class ListenerHolder
{
public:
    virtual ~ListenerHolder() = default;

    void addObserver (Listener* observer) { observers.push_back (observer); }

    void removeObserver (Listener* observer)
    {
        auto found = std::find (observers.begin(), observers.end(), observer);

        if (found != observers.end())
            observers.erase (found);
    }

    int getNumObservers() const noexcept { return static_cast<int> (observers.size()); }

protected:
    template <typename Callback>
    void callObservers (Callback&& callback)
    {
        for (size_t i = 0; i < observers.size(); ++i)
            callback (*observers[i]);
    }

private:
    std::vector<Listener*> observers;
};
