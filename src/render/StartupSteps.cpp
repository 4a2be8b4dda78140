#include "render/StartupSteps.h"

#include <algorithm>
#include <mutex>

namespace tavernrush {
namespace {

thread_local bool onWorkerThread = false;

std::mutex& totalsLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<StartupStepTotal>& totals()
{
    static std::vector<StartupStepTotal> steps;
    return steps;
}

} // namespace

void addStartupStep(const std::string& name, double millis)
{
    const std::lock_guard<std::mutex> guard(totalsLock());
    std::vector<StartupStepTotal>& steps = totals();
    auto found = std::find_if(steps.begin(), steps.end(), [&](const StartupStepTotal& step) {
        return step.name == name && step.onWorker == onWorkerThread;
    });
    if (found == steps.end()) {
        steps.push_back(StartupStepTotal{name, onWorkerThread, 0.0, 0});
        found = steps.end() - 1;
    }
    found->millis += millis;
    ++found->count;
}

void markStartupWorkerThread() { onWorkerThread = true; }

std::vector<StartupStepTotal> startupStepTotals()
{
    const std::lock_guard<std::mutex> guard(totalsLock());
    return totals();
}

} // namespace tavernrush
