#pragma once
// The worker of the "Metafile Record" dialog: walks the records of a picture's play list
// one at a time and waits for a step signal between them.

#include "emf/enh_metafile.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace metaview {

/// Steps through the entries (records and EMF+ records) whose saved play flag is set, on a
/// thread of its own; an EMF+ record is shown as a view of its own bytes. The
/// callbacks run on that thread; they must hand their work to the user-interface thread
/// without waiting for it, so that Stop() never deadlocks.
class RecordStepper {
public:
    struct Callbacks {
        /// A record is shown and the worker waits: its position and the record.
        std::function<void(std::size_t position, const emf::RecordView& record)> show;
        /// The walk passed the last record without being stopped.
        std::function<void()> finished;
    };

    /// picture is the stepper's private copy; flags are the play flags saved when stepping
    /// began (a position beyond them counts as not in the play list).
    RecordStepper(emf::EnhMetaFile picture, std::vector<std::int32_t> flags, Callbacks callbacks);
    ~RecordStepper();
    RecordStepper(const RecordStepper&) = delete;
    RecordStepper& operator=(const RecordStepper&) = delete;

    /// Starts a walk from position 0, stopping a running one first.
    void Start();
    /// Lets the waiting worker go on to the next record (an auto-reset event: signals
    /// given while it is not waiting count once).
    void Signal();
    /// Sets the stop flag, signals and waits for the worker's end.
    void Stop();

    /// The private picture; its records stay valid while the stepper lives.
    const emf::EnhMetaFile& Picture() const { return m_picture; }

private:
    void Run();
    /// Waits for the event and resets it; whether the walk must stop.
    bool WaitForStep();

    const emf::EnhMetaFile m_picture;
    const std::vector<std::int32_t> m_flags;
    const Callbacks m_callbacks;
    std::mutex m_mutex;
    std::condition_variable m_event;
    bool m_signalled = false;
    bool m_stop = false;
    std::thread m_worker;
};

} // namespace metaview
