// The record kept between two visits of the same user: written as text,
// read back as untrusted input. A record is a header naming the format and
// the release, a body of fields, and a check of the body:
//
//   orvane-record 1 1.1.0
//   <fields, each followed by a space>
//   <FNV-1a of the body, 16 hex digits>
//
// A number is written in decimal; a text as its length in UTF-8 bytes, a
// colon and the bytes; a slot array as its upper bound and its elements.
#include "entry/saved_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "entry/invariants.h"
#include "entry/utf8.h"
#include "record/calculator.h"

namespace orvane {
namespace {

constexpr std::string_view kFormat = "orvane-record 1 ";

std::string Header() { return std::string(kFormat) + ORVANE_RELEASE; }

std::string Check(std::string_view body) {
    std::uint64_t hash = 14695981039346656037u;
    for (char c : body) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211u;
    }
    std::string hex(16, '0');
    for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, hash >>= 4) {
        *digit = "0123456789abcdef"[hash & 15];
    }
    return hex;
}

class Writer {
public:
    void Field(const Integer& value) { Number(value); }
    void Field(const Text& text) {
        const std::string bytes = ToUtf8(text);
        out_ += std::to_string(bytes.size()) + ':' + bytes + ' ';
    }
    template <typename T>
    void Field(const SlotArray<T>& slots) {
        Number(slots.upper());
        for (int i = 0; i <= slots.upper(); ++i) Field(slots[i]);
    }
    std::string& out() { return out_; }

private:
    void Number(int value) { out_ += std::to_string(value) + ' '; }
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    void Field(Integer& value) {
        const auto number = Number();
        if (number && *number >= -kIntegerMax - 1 && *number <= kIntegerMax) {
            value = static_cast<Integer>(*number);
        } else {
            failed_ = true;
        }
    }
    void Field(Text& text) {
        const auto size = Number(':');
        if (!size || *size < 0 || static_cast<std::size_t>(*size) >= in_.size()) {
            failed_ = true;
            return;
        }
        const std::string_view bytes = in_.substr(0, static_cast<std::size_t>(*size));
        in_.remove_prefix(bytes.size());
        text = FromUtf8(bytes);
        // Anything but well-formed UTF-8 does not come back as it went.
        if (ToUtf8(text) != bytes || !Skip(' ')) failed_ = true;
    }
    template <typename T>
    void Field(SlotArray<T>& slots) {
        const auto upper = Number();
        // Each element takes at least two characters, which bounds what a
        // short text can make the reader allocate.
        if (!upper || *upper < 0 || *upper > kIntegerMax ||
            static_cast<std::size_t>(*upper) >= in_.size() / 2) {
            failed_ = true;
            return;
        }
        slots.resizeTo(static_cast<int>(*upper));
        for (int i = 0; i <= *upper && !failed_; ++i) Field(slots[i]);
    }

    bool whole() const { return !failed_ && in_.empty(); }

private:
    // A decimal number of at most six digits, then the separator.
    std::optional<long> Number(char separator = ' ') {
        if (failed_) return std::nullopt;
        const bool negative = Skip('-');
        long value = 0;
        std::size_t digits = 0;
        while (digits < in_.size() && digits <= 6 && in_[digits] >= '0' && in_[digits] <= '9') {
            value = value * 10 + (in_[digits] - '0');
            ++digits;
        }
        in_.remove_prefix(digits);
        if (digits == 0 || digits > 6 || !Skip(separator)) return std::nullopt;
        return negative ? -value : value;
    }
    bool Skip(char c) {
        if (in_.empty() || in_.front() != c) return false;
        in_.remove_prefix(1);
        return true;
    }

    std::string_view in_;
    bool failed_ = false;
};

// Every field kept, in the record's order, for the writer and the reader alike.
template <typename Fields, typename State, typename Captions>
void Visit(Fields& fields, State& s, Captions& captions) {
    fields.Field(s.memory1);
    fields.Field(s.memory2);
    fields.Field(s.exprText);
    fields.Field(s.curNumber);
    fields.Field(s.answerText);
    fields.Field(s.slotIndex);
    fields.Field(s.pendingMinus);
    fields.Field(s.openCount);
    fields.Field(s.closeCount);
    fields.Field(s.pointCount);
    fields.Field(s.operands);
    fields.Field(s.operators);
    fields.Field(s.openParens);
    fields.Field(s.closeParens);
    fields.Field(s.constMarks);
    fields.Field(s.funcNameLens);
    for (auto& caption : captions) fields.Field(caption);
}

class Discarding : public DisplaySink {
public:
    void ShowCaption(Label, const std::u16string&) override {}
    void PutOnClipboard(const std::u16string&) override {}
};

std::vector<Integer> SlotsHolding(const SlotArray<Text>& slots, int last) {
    std::vector<Integer> held;
    for (int i = 1; i <= last; ++i) {
        if (!slots.at_or_empty(i).empty()) held.push_back(static_cast<Integer>(i));
    }
    return held;
}

}  // namespace

std::string SealRecord(std::string_view body) {
    return Header() + '\n' + std::string(body) + '\n' + Check(body);
}

std::string_view RecordBody(std::string_view record) {
    const auto first = record.find('\n');
    const auto last = record.rfind('\n');
    if (first == std::string_view::npos || last == first) return {};
    return record.substr(first + 1, last - first - 1);
}

std::string SaveRecord(const Calculator& calculator) {
    Writer writer;
    Visit(writer, calculator.state(), calculator.captions_);
    return SealRecord(writer.out());
}

bool RestoreRecord(Calculator& calculator, std::string_view text) {
    const std::string_view body = RecordBody(text);
    if (text != SealRecord(body)) return false;

    // Read into a calculator of its own, which is checked as the tests check
    // one after every key, and taken only when it passes.
    Discarding nowhere;
    Calculator read(nowhere);
    read.Form_Load();
    CalculatorState& state = read;
    Reader reader(body);
    Visit(reader, state, read.captions_);
    if (!reader.whole()) return false;
    read.tokenSlots_ = {SlotsHolding(state.operands, state.slotIndex),
                        SlotsHolding(state.operators, state.slotIndex),
                        SlotsHolding(state.openParens, state.slotIndex),
                        SlotsHolding(state.closeParens, state.slotIndex)};
    if (!FindInvariantViolation(read).empty()) return false;

    static_cast<CalculatorState&>(calculator) = std::move(state);
    calculator.tokenSlots_ = std::move(read.tokenSlots_);
    calculator.workOperandSlots_.Reset(0);
    calculator.workOperatorSlots_.Reset(0);
    for (int label = 1; label <= 4; ++label) {
        calculator.SetCaption(static_cast<Label>(label),
                              read.captions_[static_cast<std::size_t>(label) - 1]);
    }
    return true;
}

}  // namespace orvane
