// Writing and checking the physics snapshot text.

#include "physics/SnapshotFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace tavernrush {

namespace {

// How far a rotation's length may stray from 1 after a float round trip.
constexpr float unitQuaternionTolerance = 1e-3f;

void appendReal(std::string& out, float value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.push_back(' ');
    out.append(buffer.data(), error == std::errc{} ? end : buffer.data());
}

void appendCount(std::string& out, std::size_t value)
{
    std::array<char, 24> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.push_back(' ');
    out.append(buffer.data(), error == std::errc{} ? end : buffer.data());
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t space = line.find(' ', start);
        const std::size_t end = space == std::string_view::npos ? line.size() : space;
        fields.push_back(line.substr(start, end - start));
        if (space == std::string_view::npos) {
            break;
        }
        start = space + 1;
    }
    return fields;
}

bool readReal(std::string_view field, float& value)
{
    if (field.empty()) {
        return false;
    }
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc{} && end == field.data() + field.size() && std::isfinite(value);
}

bool readCount(std::string_view field, std::size_t& value)
{
    if (field.empty()) {
        return false;
    }
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc{} && end == field.data() + field.size();
}

// Walks the text line by line and remembers where the first fault is.
class SnapshotReader {
public:
    explicit SnapshotReader(std::string_view text) : rest_(text) {}

    SnapshotParseResult read()
    {
        WorldSnapshot snapshot;
        if (!readHeader() || !readVector("gravity", snapshot.gravity) ||
            !readMaterial(snapshot.material)) {
            return failure();
        }
        std::size_t count = 0;
        if (!readBodyCount(count)) {
            return failure();
        }
        snapshot.bodies.reserve(count);
        for (std::size_t index = 0; index < count; ++index) {
            BodyState body;
            if (!readBody(index, body)) {
                return failure();
            }
            snapshot.bodies.push_back(body);
        }
        if (!readEnd()) {
            return failure();
        }
        SnapshotParseResult result;
        result.snapshot = std::move(snapshot);
        return result;
    }

private:
    // Takes the next line into fields_; false (with the fault noted) when
    // the text ends first.
    bool nextLine(std::string_view expected)
    {
        ++lineNumber_;
        if (rest_.empty()) {
            return fail("the snapshot ends before its " + std::string(expected) + " line");
        }
        const std::size_t newline = rest_.find('\n');
        if (newline == std::string_view::npos) {
            return fail("the last line is not complete (no line end)");
        }
        fields_ = splitFields(rest_.substr(0, newline));
        rest_.remove_prefix(newline + 1);
        return true;
    }

    bool expectRecord(std::string_view keyword, std::size_t valueCount)
    {
        if (!nextLine(keyword)) {
            return false;
        }
        if (fields_.front() != keyword) {
            return fail("expected a \"" + std::string(keyword) + "\" line");
        }
        if (fields_.size() != valueCount + 1) {
            return fail("a \"" + std::string(keyword) + "\" line needs " +
                        std::to_string(valueCount) + " values");
        }
        return true;
    }

    bool readHeader()
    {
        if (!nextLine(snapshotFormatName)) {
            return false;
        }
        if (fields_.size() != 2 || fields_[0] != snapshotFormatName) {
            return fail("not a physics snapshot (expected \"" + std::string(snapshotFormatName) +
                        " " + std::to_string(snapshotFormatVersion) + "\")");
        }
        std::size_t version = 0;
        if (!readCount(fields_[1], version) ||
            version != static_cast<std::size_t>(snapshotFormatVersion)) {
            return fail("unsupported format version \"" + std::string(fields_[1]) + "\"");
        }
        return true;
    }

    bool readReals(std::size_t first, float* values, std::size_t count)
    {
        for (std::size_t k = 0; k < count; ++k) {
            if (!readReal(fields_[first + k], values[k])) {
                return fail("\"" + std::string(fields_[first + k]) + "\" is not a finite number");
            }
        }
        return true;
    }

    bool readVector(std::string_view keyword, glm::vec3& vector)
    {
        std::array<float, 3> values{};
        if (!expectRecord(keyword, 3) || !readReals(1, values.data(), 3)) {
            return false;
        }
        vector = {values[0], values[1], values[2]};
        return true;
    }

    bool readMaterial(PhysicsMaterial& material)
    {
        std::array<float, 3> values{};
        if (!expectRecord("material", 3) || !readReals(1, values.data(), 3)) {
            return false;
        }
        material = {values[0], values[1], values[2]};
        return true;
    }

    bool readBodyCount(std::size_t& count)
    {
        if (!expectRecord("bodies", 1)) {
            return false;
        }
        if (!readCount(fields_[1], count)) {
            return fail("\"" + std::string(fields_[1]) + "\" is not a body count");
        }
        if (count > maxSnapshotBodies) {
            return fail("more than " + std::to_string(maxSnapshotBodies) + " bodies");
        }
        return true;
    }

    bool readBody(std::size_t expectedIndex, BodyState& body)
    {
        if (!expectRecord("body", 12)) {
            return false;
        }
        std::size_t index = 0;
        if (!readCount(fields_[1], index) || index != expectedIndex) {
            return fail("expected body " + std::to_string(expectedIndex));
        }
        std::array<float, 11> values{};
        if (!readReals(2, values.data(), values.size())) {
            return false;
        }
        body.index = index;
        body.position = {values[0], values[1], values[2]};
        body.rotation = glm::quat(values[6], values[3], values[4], values[5]);
        body.halfExtents = {values[7], values[8], values[9]};
        body.mass = values[10];
        if (std::abs(glm::length(body.rotation) - 1.0f) > unitQuaternionTolerance) {
            return fail("the rotation is not a unit quaternion");
        }
        if (!(body.halfExtents.x > 0.0f && body.halfExtents.y > 0.0f && body.halfExtents.z > 0.0f)) {
            return fail("half extents must be positive");
        }
        if (body.mass < 0.0f) {
            return fail("the mass is negative");
        }
        return true;
    }

    bool readEnd()
    {
        if (!expectRecord("end", 0)) {
            return false;
        }
        if (!rest_.empty()) {
            ++lineNumber_;
            return fail("text follows the \"end\" line");
        }
        return true;
    }

    bool fail(std::string message)
    {
        error_ = std::move(message);
        return false;
    }

    SnapshotParseResult failure() const
    {
        SnapshotParseResult result;
        result.errorLine = lineNumber_;
        result.error = error_;
        return result;
    }

    std::string_view rest_;
    std::vector<std::string_view> fields_;
    std::size_t lineNumber_ = 0;
    std::string error_;
};

} // namespace

std::string formatSnapshot(const WorldSnapshot& snapshot)
{
    std::string out;
    out.reserve(128 + snapshot.bodies.size() * 96);
    out.append(snapshotFormatName);
    appendCount(out, static_cast<std::size_t>(snapshotFormatVersion));
    out.append("\ngravity");
    appendReal(out, snapshot.gravity.x);
    appendReal(out, snapshot.gravity.y);
    appendReal(out, snapshot.gravity.z);
    out.append("\nmaterial");
    appendReal(out, snapshot.material.staticFriction);
    appendReal(out, snapshot.material.dynamicFriction);
    appendReal(out, snapshot.material.restitution);
    out.append("\nbodies");
    appendCount(out, snapshot.bodies.size());
    out.push_back('\n');
    // Lines are numbered by their place in the list so that a reader's
    // ordering check holds whatever the snapshot's own index fields say.
    for (std::size_t index = 0; index < snapshot.bodies.size(); ++index) {
        const BodyState& body = snapshot.bodies[index];
        out.append("body");
        appendCount(out, index);
        appendReal(out, body.position.x);
        appendReal(out, body.position.y);
        appendReal(out, body.position.z);
        appendReal(out, body.rotation.x);
        appendReal(out, body.rotation.y);
        appendReal(out, body.rotation.z);
        appendReal(out, body.rotation.w);
        appendReal(out, body.halfExtents.x);
        appendReal(out, body.halfExtents.y);
        appendReal(out, body.halfExtents.z);
        appendReal(out, body.mass);
        out.push_back('\n');
    }
    out.append("end\n");
    return out;
}

SnapshotParseResult parseSnapshot(std::string_view text)
{
    return SnapshotReader(text).read();
}

} // namespace tavernrush
