#include "game/RulesChecksum.h"

#include "game/FrameRules.h"

#include <glm/gtc/type_ptr.hpp>

#include <cstring>

namespace tavernrush {
namespace {

class Fnv1a {
public:
    void bytes(const void* data, std::size_t size)
    {
        const auto* byte = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ = (hash_ ^ byte[i]) * 0x100000001b3ULL;
        }
    }
    template <typename Number>
    void number(Number value)
    {
        bytes(&value, sizeof value);
    }
    void vec3(const glm::vec3& v) { bytes(glm::value_ptr(v), sizeof(float) * 3); }
    void mat4(const glm::mat4& m) { bytes(glm::value_ptr(m), sizeof(float) * 16); }
    void points(const std::vector<glm::vec3>& list)
    {
        number(list.size());
        for (const glm::vec3& point : list) {
            vec3(point);
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

template <typename Field>
void field(Fnv1a& hash, const Field& items)
{
    hash.points(items.positions());
    hash.number(items.collected);
    hash.number(items.spinAngle());
    hash.number(items.relocateTimer());
    hash.number(items.speedX());
    hash.number(items.speedZ());
    hash.number(items.directionX());
    hash.number(items.directionZ());
}

} // namespace

std::string_view checksumPartName(ChecksumPart part)
{
    constexpr std::array<std::string_view, checksumPartCount> names = {"player", "camera", "coins", "beers",
                                                                       "unicorns", "timers", "pictures"};
    return names[static_cast<std::size_t>(part)];
}

RulesChecksums checksumRules(const FrameRules& rules)
{
    RulesChecksums sums{};
    const auto part = [&sums](ChecksumPart which, Fnv1a hash) { sums[static_cast<std::size_t>(which)] = hash.value(); };

    const PlayerState& player = rules.state().player;
    Fnv1a playerHash;
    playerHash.vec3(player.playerPosition);
    playerHash.vec3(player.playerDirection);
    playerHash.mat4(player.playerModel);
    playerHash.mat4(player.playerHeading);
    playerHash.number(player.jumpActive);
    playerHash.number(player.jumpCooldown);
    playerHash.number(player.onLadderTop);
    part(ChecksumPart::Player, playerHash);

    const CameraState& camera = rules.camera();
    Fnv1a cameraHash;
    cameraHash.vec3(camera.cameraPosition);
    cameraHash.number(camera.cameraYaw);
    cameraHash.number(camera.cameraPitch);
    cameraHash.number(camera.fieldOfView);
    cameraHash.mat4(camera.projectionMatrix);
    cameraHash.mat4(camera.viewMatrix);
    part(ChecksumPart::Camera, cameraHash);

    Fnv1a coins;
    field(coins, rules.coinField());
    part(ChecksumPart::Coins, coins);
    Fnv1a beers;
    field(beers, rules.beerField());
    part(ChecksumPart::Beers, beers);

    Fnv1a unicorns;
    unicorns.points(rules.unicornPositions());
    part(ChecksumPart::Unicorns, unicorns);

    const GameState& state = rules.state();
    Fnv1a timers;
    timers.number(state.deltaTime);
    timers.number(state.lastFrameTime);
    timers.number(state.gameTimer);
    timers.number(state.frameAnimTimer);
    timers.number(state.frameAnimIndex);
    timers.number(rules.paused());
    part(ChecksumPart::Timers, timers);

    Fnv1a pictures;
    pictures.number(state.screenShown);
    for (const ShownPicture& shown : rules.scene().pictures) {
        pictures.number(static_cast<int>(shown.picture));
        pictures.mat4(shown.boardModel);
    }
    pictures.bytes(rules.scene().animationPicture.data(), rules.scene().animationPicture.size());
    part(ChecksumPart::Pictures, pictures);
    return sums;
}

} // namespace tavernrush
