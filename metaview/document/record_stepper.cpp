#include "metaview/document/record_stepper.h"

#include "metaview/document/record_entries.h"

namespace metaview {

RecordStepper::RecordStepper(emf::EnhMetaFile picture, std::vector<std::int32_t> flags,
                             Callbacks callbacks)
    : m_picture(std::move(picture)), m_flags(std::move(flags)), m_callbacks(std::move(callbacks)) {}

RecordStepper::~RecordStepper() {
    Stop();
}

void RecordStepper::Start() {
    Stop();
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
        m_signalled = false;
    }
    m_worker = std::thread(&RecordStepper::Run, this);
}

void RecordStepper::Signal() {
    {
        std::lock_guard lock(m_mutex);
        m_signalled = true;
    }
    m_event.notify_one();
}

void RecordStepper::Stop() {
    if (!m_worker.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_signalled = true;
    }
    m_event.notify_one();
    m_worker.join();
}

bool RecordStepper::WaitForStep() {
    std::unique_lock lock(m_mutex);
    m_event.wait(lock, [this] { return m_signalled; });
    m_signalled = false;
    return m_stop;
}

void RecordStepper::Run() {
    const RecordEntries entries(m_picture);
    for (std::size_t pos = 0; pos < entries.size(); ++pos) {
        if (pos >= m_flags.size() || !m_flags[pos]) continue;
        m_callbacks.show(pos, entries[pos].view);
        if (WaitForStep()) return;
    }
    {
        // A Stop() that came while the last records were passed over wins.
        std::lock_guard lock(m_mutex);
        if (m_stop) return;
    }
    m_callbacks.finished();
}

} // namespace metaview
