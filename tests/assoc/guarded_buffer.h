#pragma once
// A text buffer of a fixed size followed by guard bytes, to see that a read
// stays inside it and leaves a terminated string.
#include <string.h>

#include <string>
#include <vector>

class GuardedBuffer {
public:
    static constexpr char kFill = '\xA5';

    GuardedBuffer(size_t size, const std::string& earlier) : size_(size), bytes_(size + 64, kFill)
    {
        memcpy(bytes_.data(), earlier.c_str(), earlier.size() + 1);
    }
    char* data()
    {
        return bytes_.data();
    }
    size_t size() const
    {
        return size_;
    }
    bool Terminated() const
    {
        return memchr(bytes_.data(), 0, size_) != nullptr;
    }
    bool GuardIntact() const
    {
        for (size_t i = size_; i < bytes_.size(); ++i)
            if (bytes_[i] != kFill) return false;
        return true;
    }
    // The text up to its terminator (only meaningful when Terminated()).
    std::string Text() const
    {
        return std::string(bytes_.data(), strnlen(bytes_.data(), size_));
    }

private:
    size_t size_;
    std::vector<char> bytes_;
};
