#pragma once

#include <cstddef>
#include <vector>

namespace orvane {

// A dynamic array with bounds 0..upper(), as the calculator record keeps its
// token slots. The upper bound carries meaning: for each token kind it is the
// slot of the last token of that kind, so "is the last token a ')'" reads as
// closeParens.upper() == slotIndex.
//
// The storage behind the bounds only ever grows, and everything beyond the
// upper bound is kept empty, so moving the bound back and forth over slots
// that are empty anyway costs nothing.
template <typename T>
class SlotArray {
public:
    SlotArray() : items_(1) {}

    int upper() const { return upper_; }

    // Sets the bounds to 0..n, keeping what fits; new elements are empty.
    void resizeTo(int n) {
        if (n < 0) n = 0;
        for (int i = n + 1; i <= upper_; ++i) items_[Index(i)] = T{};
        if (Index(n) >= items_.size()) items_.resize(Index(n) + 1);
        upper_ = n;
    }

    // Sets the bounds to 0..n where the caller knows that every element
    // above n is empty already.
    void truncateTo(int n) { upper_ = n < 0 ? 0 : n; }

    // Drops every element and leaves the single empty element 0.
    void reset() {
        resizeTo(0);
        items_[0] = T{};
    }

    T& operator[](int i) { return items_[Index(i)]; }
    const T& operator[](int i) const { return items_[Index(i)]; }

    // Reads element i, treating anything beyond the bounds as empty.
    const T& at_or_empty(int i) const {
        static const T kEmpty{};
        return i >= 0 && i <= upper_ ? items_[Index(i)] : kEmpty;
    }

    bool operator==(const SlotArray& other) const {
        if (upper_ != other.upper_) return false;
        for (int i = 0; i <= upper_; ++i) {
            if (!(items_[Index(i)] == other.items_[Index(i)])) return false;
        }
        return true;
    }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    std::vector<T> items_;
    int upper_ = 0;
};

}  // namespace orvane
