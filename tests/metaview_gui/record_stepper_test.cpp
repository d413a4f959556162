#include "metaview/document/record_stepper.h"

#include "metaview/test_files.h"

#include <condition_variable>
#include <mutex>

#include <gtest/gtest.h>

namespace {

// What the worker showed, collected under a lock; the test thread waits for it.
struct Shown {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::size_t> positions;
    bool finished = false;

    metaview::RecordStepper::Callbacks Callbacks() {
        return {[this](std::size_t pos, const emf::RecordView&) {
                    std::lock_guard lock(mutex);
                    positions.push_back(pos);
                    changed.notify_all();
                },
                [this] {
                    std::lock_guard lock(mutex);
                    finished = true;
                    changed.notify_all();
                }};
    }
    void WaitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return positions.size() >= count; });
    }
    void WaitFinished() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return finished; });
    }
};

emf::EnhMetaFile Shapes() {
    return *emf::EnhMetaFile::FromBytes(testing_metaview::ShapesEmf()).picture;
}

TEST(RecordStepper, StepsThroughTheFlaggedRecordsOnly) {
    Shown shown;
    // Records 0..6; 1 and 4 are not in the play list.
    metaview::RecordStepper stepper(Shapes(), {1, 0, 1, 1, 0, 1, 1}, shown.Callbacks());
    stepper.Start();
    for (std::size_t step = 1; step <= 5; ++step) {
        shown.WaitFor(step);
        stepper.Signal();
    }
    shown.WaitFinished();
    EXPECT_EQ(shown.positions, (std::vector<std::size_t>{0, 2, 3, 5, 6}));
}

TEST(RecordStepper, AnEmptyPlayListFinishesAtOnce) {
    Shown shown;
    metaview::RecordStepper stepper(Shapes(), std::vector<std::int32_t>(7, 0), shown.Callbacks());
    stepper.Start();
    shown.WaitFinished();
    EXPECT_TRUE(shown.positions.empty());
}

TEST(RecordStepper, StopEndsAWaitingWalkWithoutFinishingAndStartBeginsAgain) {
    Shown shown;
    metaview::RecordStepper stepper(Shapes(), std::vector<std::int32_t>(7, 1), shown.Callbacks());
    stepper.Start();
    shown.WaitFor(1);
    stepper.Signal();
    shown.WaitFor(2);
    stepper.Stop();
    EXPECT_FALSE(shown.finished);
    stepper.Start(); // a rewind
    shown.WaitFor(3);
    EXPECT_EQ(shown.positions, (std::vector<std::size_t>{0, 1, 0}));
    // Destruction stops the waiting worker.
}

} // namespace
