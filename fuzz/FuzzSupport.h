#pragma once
// What the file-reading fuzz targets share: a message box that answers from
// the input's bytes, and an in-memory data directory that traps a read far
// larger than any data file, the size a length taken from stored bytes
// would ask for (the disk layer allocates the count it is asked for before
// it reads).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/store/Prompt.h"
#include "support/MemoryFileSystem.h"

// Traps when a promise is broken, naming it first so a crash log says which.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                     \
            __builtin_trap();                                                                                \
        }                                                                                                    \
    } while (false)

namespace moxlet::fuzz {

// Bytes taken from the front of the input, zeros when it runs out.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t u16()
    {
        const std::uint16_t lo = byte();
        return static_cast<std::uint16_t>(lo | (byte() << 8));
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    // Copied as one range: a data folder input is tens of kilobytes.
    std::vector<std::uint8_t> bytes(std::size_t n)
    {
        const std::size_t take = n < left() ? n : left();
        std::vector<std::uint8_t> out(data_ + at_, data_ + at_ + take);
        at_ += take;
        return out;
    }
    std::vector<std::uint8_t> rest() { return bytes(size_ - at_); }
    std::size_t left() const { return size_ - at_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Answers every box with one of its buttons, chosen by a byte of `choices`
// in turn (the first button when they run out); Retry is never chosen, so
// that a lasting fault cannot keep a routine asking.
class FuzzPrompt : public Prompt {
public:
    explicit FuzzPrompt(std::vector<std::uint8_t> choices = {}) : choices_(std::move(choices)) {}
    Answer message(const std::string&, const std::string&, Icon, Buttons buttons) override
    {
        ++shown_;
        const std::uint8_t c = next_ < choices_.size() ? choices_[next_++] : 0;
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return c % 2 ? Answer::Cancel : Answer::Ok;
        case Buttons::YesNo: return c % 2 ? Answer::No : Answer::Yes;
        case Buttons::YesNoCancel: return c % 3 == 0 ? Answer::Yes : c % 3 == 1 ? Answer::No : Answer::Cancel;
        case Buttons::RetryCancel: return Answer::Cancel;
        case Buttons::AbortRetryIgnore: return c % 2 ? Answer::Ignore : Answer::Abort;
        }
        return Answer::Ok;
    }
    std::size_t shown() const { return shown_; }

private:
    std::vector<std::uint8_t> choices_;
    std::size_t next_ = 0;
    std::size_t shown_ = 0;
};

// No data file a tutor has comes near this; a read asking for more took its
// length from stored bytes.
inline constexpr std::size_t kReadLimit = std::size_t{64} << 20;

class BoundedFileSystem : public MemoryFileSystem {
public:
    std::vector<std::uint8_t> read(const std::string& name, std::uint64_t offset, std::size_t count) override
    {
        FUZZ_CHECK(count <= kReadLimit);
        return MemoryFileSystem::read(name, offset, count);
    }
};

}  // namespace moxlet::fuzz
