#pragma once

/** The base of every process-wide object.

    getInstance() creates the object at its first call and returns the same
    object afterwards. There is no locking: every first call happens on the
    message thread, most of them in the fixed start-up order.

    Deleting the object (normally through juce::DeletedAtShutdown at shutdown)
    forgets the instance, so a late call creates a fresh object instead of
    handing out a dangling pointer. getInstanceWithoutCreating() lets code that
    runs during shutdown ask whether another singleton still exists.
*/
template <typename T>
class Singleton
{
public:
    virtual ~Singleton()
    {
        // By now T's part of the object is gone, so compare base addresses
        // taken while it was alive rather than casting this to T.
        if (instanceBase == this)
        {
            instance = nullptr;
            instanceBase = nullptr;
        }
    }

    static T* getInstance()
    {
        if (instance == nullptr)
        {
            instance = new T();
            instanceBase = instance;
        }

        return instance;
    }

    static T* getInstanceWithoutCreating() noexcept { return instance; }

protected:
    Singleton() = default;

private:
    Singleton (const Singleton&) = delete;
    Singleton& operator= (const Singleton&) = delete;

    static inline T* instance = nullptr;
    static inline Singleton* instanceBase = nullptr;
};
