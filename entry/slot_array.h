#pragma once

#include <cstddef>
#include <vector>

namespace orvane {

// A dynamic array with bounds 0..upper(), as the calculator record keeps its
// token slots. The upper bound carries meaning: for each token kind it is the
// slot of the last token of that kind, so "is the last token a ')'" reads as
// closeParens.upper() == slotIndex.
template <typename T>
class SlotArray {
public:
    SlotArray() : items_(1) {}

    int upper() const { return static_cast<int>(items_.size()) - 1; }

    // Sets the bounds to 0..n, keeping what fits; new elements are empty.
    void resizeTo(int n) { items_.resize(static_cast<std::size_t>(n < 0 ? 0 : n) + 1); }

    // Drops every element and leaves the single empty element 0.
    void reset() {
        items_.clear();
        items_.resize(1);
    }

    T& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
    const T& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }

    // Reads element i, treating anything beyond the bounds as empty.
    T at_or_empty(int i) const {
        return i >= 0 && i <= upper() ? items_[static_cast<std::size_t>(i)] : T{};
    }

    bool operator==(const SlotArray&) const = default;

private:
    std::vector<T> items_;
};

}  // namespace orvane
