#pragma once
// How long the GPU took over each frame, from two time stamps the driver
// writes as it gets there, read back a few frames later so the CPU never
// waits for them.

#include "render/GlName.h"

#include <array>
#include <optional>

namespace tavernrush {

class GpuFrameTimes {
public:
    // Whether the driver's time stamps count at all (a counter of 0 bits
    // means it keeps none).
    static bool offered();

    GpuFrameTimes();

    // Around everything one frame draws.
    void frameStarts();
    void frameEnds();
    // The time of the oldest frame whose stamps are back, each frame once.
    std::optional<double> collectMillis();

private:
    struct Stamps {
        QueryName start;
        QueryName end;
        bool pending = false;
    };
    // Enough frames in flight for a driver that runs two or three behind.
    static constexpr std::size_t framesInFlight = 4;
    std::array<Stamps, framesInFlight> frames_;
    std::size_t next_ = 0;
    std::size_t oldest_ = 0;
};

} // namespace tavernrush
