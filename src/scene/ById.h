#pragma once
// The level's objects of one sort, each under the id of the asset-table row
// it was made from, kept in the order they were made.

#include "game/AssetId.h"
#include "game/AssetTable.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tavernrush {

template <typename T>
class ById {
public:
    void add(AssetId id, T object) { objects_.emplace_back(id, std::move(object)); }

    // Asking for a row the level did not make is a slip in the code, not in
    // the data: it throws, naming the row.
    const T& operator[](AssetId id) const
    {
        for (const auto& [each, object] : objects_) {
            if (each == id) {
                return object;
            }
        }
        throw std::out_of_range("the level made nothing of " + std::string(asset::row(id).path));
    }

    std::size_t size() const { return objects_.size(); }

private:
    std::vector<std::pair<AssetId, T>> objects_;
};

} // namespace tavernrush
