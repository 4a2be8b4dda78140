// The list of asset files and the parallel run over it.
#include "AssetCatalog.h"

#include <atomic>
#include <chrono>
#include <ostream>
#include <exception>
#include <mutex>
#include <thread>

namespace tavernrush::assetgen {

void generateAll(const std::filesystem::path& assetsDirectory, unsigned threads, std::ostream* timings)
{
    const std::vector<AssetEntry>& entries = assetCatalog();
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    auto worker = [&] {
        for (std::size_t i = next++; i < entries.size(); i = next++) {
            try {
                const auto start = std::chrono::steady_clock::now();
                entries[i].write(assetsDirectory);
                if (timings != nullptr) {
                    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                    const std::lock_guard<std::mutex> lock(failureMutex);
                    *timings << "  " << entries[i].label << ": " << seconds << " s\n";
                }
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure) {
                    failure = std::current_exception();
                }
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) {
        pool.emplace_back(worker);
    }
    worker();
    for (std::thread& t : pool) {
        t.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace tavernrush::assetgen
