#include "MainWindow/QuitSequence.h"

#include <map>
#include <mutex>
#include <vector>

namespace QuitSequence {
namespace {

std::mutex hooksMutex;
std::map<Stage, std::vector<std::function<void()>>>& hooks()
{
    static std::map<Stage, std::vector<std::function<void()>>> table;
    return table;
}

} // namespace

void addHook(Stage stage, std::function<void()> hook)
{
    const std::lock_guard lock(hooksMutex);
    hooks()[stage].push_back(std::move(hook));
}

void runHooks()
{
    std::map<Stage, std::vector<std::function<void()>>> table;
    {
        const std::lock_guard lock(hooksMutex);
        table = hooks();
    }
    for (auto& [stage, list] : table)
        for (auto& hook : list)
            hook();
}

void clearHooks()
{
    const std::lock_guard lock(hooksMutex);
    hooks().clear();
}

} // namespace QuitSequence
