#pragma once
// Files decoded on worker threads ahead of the GL objects that take them.
// A worker offers a future under the file's key; the loader on the GL thread
// takes it in its usual place in the creation order (waiting if it is not
// ready yet) or, when nothing was offered, decodes the file itself. Either
// way the loader uploads and prints exactly what it always did.

#include "render/StartupSteps.h"

#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace tavernrush {

template <typename T>
class DecodedAhead {
public:
    // A file offered twice is taken twice, in the order offered.
    static void offer(const std::string& key, std::future<T> value)
    {
        const std::lock_guard<std::mutex> guard(shelf().lock);
        shelf().values[key].push_back(std::move(value));
    }

    static std::optional<T> take(const std::string& key)
    {
        std::future<T> value;
        {
            const std::lock_guard<std::mutex> guard(shelf().lock);
            auto found = shelf().values.find(key);
            if (found == shelf().values.end()) {
                return std::nullopt;
            }
            value = std::move(found->second.front());
            found->second.pop_front();
            if (found->second.empty()) {
                shelf().values.erase(found);
            }
        }
        const StartupStepTimer timer("wait for decoding");
        return value.get();
    }

    // Drops whatever was offered and never taken; futures still running are
    // waited for by their owner, not here.
    static void forgetAll()
    {
        const std::lock_guard<std::mutex> guard(shelf().lock);
        shelf().values.clear();
    }

    static std::size_t untaken()
    {
        const std::lock_guard<std::mutex> guard(shelf().lock);
        std::size_t count = 0;
        for (const auto& entry : shelf().values) {
            count += entry.second.size();
        }
        return count;
    }

private:
    struct Shelf {
        std::mutex lock;
        std::map<std::string, std::deque<std::future<T>>> values;
    };
    static Shelf& shelf()
    {
        static Shelf instance;
        return instance;
    }
};

} // namespace tavernrush
