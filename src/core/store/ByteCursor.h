#pragma once
// Field-by-field access to record bytes: 16-bit little-endian two's
// complement integers and blank-padded fixed texts.  Records are never copied
// to or from structures as raw memory.  A reader past the end of its bytes
// yields zeros, so a short buffer decodes without reading out of bounds.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "core/catalogue/FixedText.h"

namespace moxlet {

class ByteWriter {
public:
    explicit ByteWriter(std::size_t capacity) { bytes_.reserve(capacity); }

    void i16(std::int16_t v)
    {
        auto u = static_cast<std::uint16_t>(v);
        bytes_.push_back(static_cast<std::uint8_t>(u & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    template <std::size_t N>
    void text(const FixedText<N>& t)
    {
        const auto& b = t.bytes();
        bytes_.insert(bytes_.end(), reinterpret_cast<const std::uint8_t*>(b.data()),
                      reinterpret_cast<const std::uint8_t*>(b.data()) + N);
    }
    template <class Array>
    void i16s(const Array& values)
    {
        for (std::int16_t v : values) i16(v);
    }

    std::vector<std::uint8_t> take() { return std::move(bytes_); }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t byte()
    {
        std::uint8_t b = pos_ < bytes_.size() ? bytes_[pos_] : 0;
        ++pos_;
        return b;
    }
    std::int16_t i16()
    {
        std::uint16_t lo = byte();
        std::uint16_t hi = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    // A text is copied whole: a plan record is mostly texts.
    template <std::size_t N>
    void text(FixedText<N>& t)
    {
        auto& out = t.bytes();
        const std::size_t have = pos_ < bytes_.size() ? std::min(N, bytes_.size() - pos_) : 0;
        if (have > 0) std::memcpy(out.data(), bytes_.data() + pos_, have);
        std::fill(out.begin() + static_cast<std::ptrdiff_t>(have), out.end(), '\0');
        pos_ += N;
    }
    template <class Array>
    void i16s(Array& values)
    {
        for (auto& v : values) v = i16();
    }

    std::size_t position() const { return pos_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Adapters through which one field list, written once per record, serves
// both directions: FieldWriter takes const fields, FieldReader fills them.
struct FieldWriter {
    ByteWriter w;
    void i16(std::int16_t v) { w.i16(v); }
    template <std::size_t N>
    void text(const FixedText<N>& t)
    {
        w.text(t);
    }
    template <class A>
    void i16s(const A& a)
    {
        w.i16s(a);
    }
};

// The reading twin: fields are filled through references.
struct FieldReader {
    ByteReader r;
    void i16(std::int16_t& v) { v = r.i16(); }
    template <std::size_t N>
    void text(FixedText<N>& t)
    {
        r.text(t);
    }
    template <class A>
    void i16s(A& a)
    {
        r.i16s(a);
    }
};

}  // namespace moxlet
