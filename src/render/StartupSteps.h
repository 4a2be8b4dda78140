#pragma once
// Where the start-up time goes. Loaders time their own work under a step
// name ("decode JPEG", "build programs", ...) and the benchmark prints the
// sums, so the split is there without a profiler. Steps taken on a worker
// thread are kept apart from the main thread's: only the main thread's time
// delays the first frame.

#include <chrono>
#include <string>
#include <vector>

namespace tavernrush {

struct StartupStepTotal {
    std::string name;
    bool onWorker = false;
    double millis = 0.0;
    int count = 0;
};

// Adds `millis` to the named step of the calling thread's kind.
void addStartupStep(const std::string& name, double millis);
// Marks the calling thread as a worker for every step it adds from now on.
void markStartupWorkerThread();
// The sums so far, in the order the steps were first taken.
std::vector<StartupStepTotal> startupStepTotals();

// Times its own lifetime into one step.
class StartupStepTimer {
public:
    explicit StartupStepTimer(const char* name) : name_(name), start_(std::chrono::steady_clock::now()) {}
    ~StartupStepTimer()
    {
        addStartupStep(name_, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count());
    }
    StartupStepTimer(const StartupStepTimer&) = delete;
    StartupStepTimer& operator=(const StartupStepTimer&) = delete;

private:
    const char* name_;
    std::chrono::steady_clock::time_point start_;
};

} // namespace tavernrush
