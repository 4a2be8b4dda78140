#include "BadInputTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace tavernrush::e2e {

namespace fs = std::filesystem;

namespace {

void linkChildren(const fs::path& from, const fs::path& into)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        fs::create_symlink(entry.path(), into / entry.path().filename());
    }
}

} // namespace

CaseTree::CaseTree(const std::string& name, const fs::path& intactAssets)
    : intact_(fs::absolute(intactAssets))
    , folder_(fs::absolute("badinput-output") / name)
{
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "assets");
    linkChildren(intact_, folder_ / "assets");
}

std::string CaseTree::intactBytes(const std::string& relative) const
{
    std::ifstream in(intact_ / relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << "the intact tree lacks " << relative;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

fs::path CaseTree::detach(const std::string& relative)
{
    fs::path real = folder_ / "assets";
    fs::path source = intact_;
    const fs::path parent = fs::path(relative).parent_path();
    for (const fs::path& part : parent) {
        real /= part;
        source /= part;
        if (fs::is_symlink(real)) {
            fs::remove(real);
            fs::create_directory(real);
            linkChildren(source, real);
        }
    }
    const fs::path file = folder_ / "assets" / relative;
    // Never write through a link into the intact tree.
    if (fs::is_symlink(file)) {
        fs::remove(file);
    }
    return file;
}

void CaseTree::write(const std::string& relative, const std::string& bytes)
{
    const fs::path file = detach(relative);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << file;
}

void CaseTree::remove(const std::string& relative)
{
    const fs::path file = detach(relative);
    fs::remove(file);
    ASSERT_FALSE(fs::exists(fs::symlink_status(file))) << file;
}

std::string damageName(Damage damage)
{
    switch (damage) {
    case Damage::Missing: return "Missing";
    case Damage::Truncated: return "Truncated";
    case Damage::RandomBytes: return "RandomBytes";
    case Damage::ZeroLength: return "ZeroLength";
    }
    return "Unknown";
}

std::string randomBytes(std::size_t count, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(byte(engine));
    }
    return bytes;
}

void applyDamage(CaseTree& tree, const std::string& relative, Damage damage)
{
    switch (damage) {
    case Damage::Missing: tree.remove(relative); break;
    case Damage::Truncated: {
        // The first quarter: past the header of every picture format and
        // well short of the end of every file.
        const std::string intact = tree.intactBytes(relative);
        tree.write(relative, intact.substr(0, intact.size() / 4));
        break;
    }
    case Damage::RandomBytes: tree.write(relative, randomBytes(4096, 20240611)); break;
    case Damage::ZeroLength: tree.write(relative, ""); break;
    }
}

} // namespace tavernrush::e2e
