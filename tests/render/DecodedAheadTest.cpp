// The shelf between the start-up worker and the loaders: what is offered is
// taken once each, in the order offered, and a key nobody offered sends the
// loader to decode the file itself.

#include "render/DecodedAhead.h"

#include <gtest/gtest.h>

#include <string>

namespace tavernrush {
namespace {

// A type of its own, so no other test's offers share the shelf.
struct Decoded {
    std::string from;
};

std::future<Decoded> ready(const std::string& from)
{
    std::promise<Decoded> promise;
    promise.set_value(Decoded{from});
    return promise.get_future();
}

TEST(DecodedAheadTest, EachOfferIsTakenOnceInTheOrderOffered)
{
    using Shelf = DecodedAhead<Decoded>;
    EXPECT_FALSE(Shelf::take("coin.dds").has_value()) << "nothing offered: the loader decodes itself";

    Shelf::offer("coin.dds", ready("first"));
    Shelf::offer("coin.dds", ready("second"));
    Shelf::offer("bag.jpg", ready("bag"));
    EXPECT_EQ(Shelf::untaken(), 3u);
    EXPECT_EQ(Shelf::take("coin.dds")->from, "first");
    EXPECT_EQ(Shelf::take("coin.dds")->from, "second");
    EXPECT_FALSE(Shelf::take("coin.dds").has_value());

    Shelf::forgetAll();
    EXPECT_EQ(Shelf::untaken(), 0u);
    EXPECT_FALSE(Shelf::take("bag.jpg").has_value()) << "forgotten offers are not handed out later";
}

} // namespace
} // namespace tavernrush
