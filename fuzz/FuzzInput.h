#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Reads typed values off the fuzzer's bytes; past the end everything is zero.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }

    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    double number() {
        double value = 0;
        const size_t n = size_ - pos_ < sizeof value ? size_ - pos_ : sizeof value;
        std::memcpy(&value, data_ + pos_, n);
        pos_ += n;
        return value;
    }

    // A text of up to maxLength bytes, its length taken from the input.
    std::string text(size_t maxLength) {
        const size_t length = byte() % (maxLength + 1);
        std::string s;
        for (size_t i = 0; i < length && !empty(); ++i) s += static_cast<char>(byte());
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Fuzz invariants hold in every build, so a failed one always stops the run.
#define FUZZ_REQUIRE(condition) \
    do {                        \
        if (!(condition)) __builtin_trap(); \
    } while (0)

inline bool isPrintableAscii(const std::string& s) {
    for (unsigned char c : s) {
        if (c < 0x20 || c > 0x7e) return false;
    }
    return true;
}
