#pragma once
// The asset tree of one bad-input case: a folder of its own under the build
// folder (kept after the run, so a failure can be looked at) whose assets/
// links to the build's intact assets/, except along the path of each file the
// case breaks, where folders are real and the file is a copy to damage.

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavernrush::e2e {

class CaseTree {
public:
    // Empties badinput-output/<name> under the working directory (the build
    // folder) and links it to `intactAssets`.
    CaseTree(const std::string& name, const std::filesystem::path& intactAssets);

    const std::filesystem::path& folder() const { return folder_; }

    // Paths relative to assets/, e.g. "meshes/leiter.obj".
    std::string intactBytes(const std::string& relative) const;
    void write(const std::string& relative, const std::string& bytes);
    void remove(const std::string& relative);

private:
    // Turns every linked folder on the way to `relative` into a real folder
    // of links, so that the file itself can be replaced.
    std::filesystem::path detach(const std::string& relative);

    std::filesystem::path intact_;
    std::filesystem::path folder_;
};

// The four ways a case breaks a file.
enum class Damage { Missing, Truncated, RandomBytes, ZeroLength };

std::string damageName(Damage damage);

// Breaks `relative` in `tree`: removed, cut to its first quarter, replaced by
// 4,096 random bytes (the same bytes on every run) or emptied.
void applyDamage(CaseTree& tree, const std::string& relative, Damage damage);

std::string randomBytes(std::size_t count, std::uint32_t seed);

} // namespace tavernrush::e2e
