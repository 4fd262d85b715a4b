#pragma once
// The one way connection threads of the result server touch shared state (the tournament, the
// matrix and options, the client list and its flags): they hand the work to a serialiser, which
// runs it so that it never overlaps the main thread's work nor other handed-over work.
//
// In the program the work runs on the main thread through its event loop, the connection thread
// waiting; in tests of the core a mutex serialises it. The main thread itself calls Ausfuehren
// for its own changes as well: in the program that runs the work at once.
#include <functional>
#include <mutex>

class Serialisierer {
public:
    virtual ~Serialisierer() = default;
    // Runs work serialised and returns when it has run; what it throws is thrown here.
    virtual void Ausfuehren(const std::function<void()>& work) = 0;
    // The main thread waits inside warten for connection threads to end (stopping the server).
    // Work they hand over meanwhile must still run, though the main thread cannot run it.
    virtual void WaehrendHauptthreadWartet(const std::function<void()>& warten) = 0;
};

// Serialises with a mutex: every thread, the test's main thread included, runs its work under it.
class MutexSerialisierer : public Serialisierer {
public:
    void Ausfuehren(const std::function<void()>& work) override;
    void WaehrendHauptthreadWartet(const std::function<void()>& warten) override { warten(); }

private:
    std::mutex mutex_;
};
