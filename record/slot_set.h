#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace orvane {

// A set of slot numbers 0..n that finds the nearest member before or after
// any slot in constant time: one bit per slot, and one summary bit per word
// of slots telling whether that word has any member. Evaluation uses it to
// skip slots already emptied, so that each operand search costs the same
// however long the expression is.
class SlotSet {
public:
    static constexpr int kNone = -1;

    // Empties the set and makes room for the slots 0..last.
    void Reset(int last) {
        const auto words = static_cast<std::size_t>(last / 64 + 1);
        bits_.assign(words, 0);
        summary_.assign(words / 64 + 1, 0);
    }

    void Insert(int slot) {
        const auto w = Word(slot);
        bits_[w] |= Bit(slot);
        summary_[w / 64] |= Bit(static_cast<int>(w));
    }

    void Erase(int slot) {
        const auto w = Word(slot);
        bits_[w] &= ~Bit(slot);
        if (bits_[w] == 0) summary_[w / 64] &= ~Bit(static_cast<int>(w));
    }

    // The largest member below slot, or kNone.
    int Before(int slot) const {
        if (slot <= 0) return kNone;
        const int last = slot - 1;
        auto w = Word(last);
        const std::uint64_t below = bits_[w] & LowMask(last % 64 + 1);
        if (below != 0) return static_cast<int>(w * 64) + 63 - std::countl_zero(below);
        if (w == 0) return kNone;
        const int word = WordBefore(static_cast<int>(w));
        if (word == kNone) return kNone;
        return word * 64 + 63 - std::countl_zero(bits_[static_cast<std::size_t>(word)]);
    }

    // The smallest member above slot, or kNone.
    int After(int slot) const {
        const int first = slot + 1;
        auto w = Word(first);
        if (w >= bits_.size()) return kNone;
        const std::uint64_t above = bits_[w] & ~LowMask(first % 64);
        if (above != 0) return static_cast<int>(w * 64) + std::countr_zero(above);
        const int word = WordAfter(static_cast<int>(w));
        if (word == kNone) return kNone;
        return word * 64 + std::countr_zero(bits_[static_cast<std::size_t>(word)]);
    }

private:
    static std::size_t Word(int slot) { return static_cast<std::size_t>(slot) / 64; }
    static std::uint64_t Bit(int slot) { return std::uint64_t{1} << (slot % 64); }
    static std::uint64_t LowMask(int count) {
        return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    }

    // The last word before word w that has a member, or kNone.
    int WordBefore(int w) const {
        for (int s = (w - 1) / 64; s >= 0; --s) {
            std::uint64_t candidates = summary_[static_cast<std::size_t>(s)];
            if (s == (w - 1) / 64) candidates &= LowMask((w - 1) % 64 + 1);
            if (candidates != 0) return s * 64 + 63 - std::countl_zero(candidates);
        }
        return kNone;
    }

    // The first word after word w that has a member, or kNone.
    int WordAfter(int w) const {
        const int first = w + 1;
        for (auto s = static_cast<std::size_t>(first / 64); s < summary_.size(); ++s) {
            std::uint64_t candidates = summary_[s];
            if (s == static_cast<std::size_t>(first / 64)) candidates &= ~LowMask(first % 64);
            if (candidates != 0) return static_cast<int>(s * 64) + std::countr_zero(candidates);
        }
        return kNone;
    }

    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> summary_;
};

}  // namespace orvane
