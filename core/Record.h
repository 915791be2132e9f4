// SPDX-License-Identifier: GPL-3.0-or-later
// Storage types for the state records.
//
// Every state record is saved to the settings file as its raw memory image,
// so the records are built only from types whose bytes are laid out the same
// on every host: little-endian integers and doubles stored high 32-bit word
// first, each word little-endian (1.0 is 00 00 F0 3F 00 00 00 00).  All of
// them have an alignment of one, so a record has no padding and its size and
// field offsets are exactly what the stored blocks say.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

// An integer of type T stored little-endian.
template <typename T>
struct Le {
    uint8_t b[sizeof(T)];

    operator T() const {
        using U = typename std::make_unsigned<T>::type;
        U v = 0;
        for (unsigned i = 0; i < sizeof(T); ++i)
            v = U(v | U(U(b[i]) << (8 * i)));
        return T(v);
    }
    Le& operator=(T value) {
        using U = typename std::make_unsigned<T>::type;
        U v = U(value);
        for (unsigned i = 0; i < sizeof(T); ++i)
            b[i] = uint8_t(v >> (8 * i));
        return *this;
    }
    Le& operator+=(T d) { return *this = T(T(*this) + d); }
    Le& operator-=(T d) { return *this = T(T(*this) - d); }
    Le& operator++() { return *this += 1; }
    Le& operator--() { return *this -= 1; }
};

using LeU16 = Le<uint16_t>;
using LeI16 = Le<int16_t>;
using LeU32 = Le<uint32_t>;
using LeI32 = Le<int32_t>;

// An IEEE 754 double stored as its high-order 32-bit word followed by its
// low-order word, each little-endian.
struct F64 {
    uint8_t b[8];

    operator double() const {
        uint32_t hi = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
        uint32_t lo = uint32_t(b[4]) | uint32_t(b[5]) << 8 | uint32_t(b[6]) << 16 | uint32_t(b[7]) << 24;
        uint64_t bits = uint64_t(hi) << 32 | lo;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    F64& operator=(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        uint32_t hi = uint32_t(bits >> 32), lo = uint32_t(bits);
        for (int i = 0; i < 4; ++i) {
            b[i] = uint8_t(hi >> (8 * i));
            b[4 + i] = uint8_t(lo >> (8 * i));
        }
        return *this;
    }
    F64& operator+=(double d) { return *this = double(*this) + d; }
    F64& operator-=(double d) { return *this = double(*this) - d; }
    F64& operator*=(double d) { return *this = double(*this) * d; }
    F64& operator/=(double d) { return *this = double(*this) / d; }
};

// A bit field of a record: Mask selects the bits of the little-endian 16-bit
// word that starts at byte Byte (a mask below 0x100 touches that byte only).
template <unsigned Byte, unsigned Mask>
struct BitField {
    static_assert(Mask != 0 && Mask <= 0xFFFF, "mask within a 16-bit word");
    static constexpr unsigned shift() {
        unsigned s = 0;
        while (!((Mask >> s) & 1u))
            ++s;
        return s;
    }
    static unsigned get(const uint8_t* p) {
        unsigned w = p[Byte];
        if (Mask > 0xFF)
            w |= unsigned(p[Byte + 1]) << 8;
        return (w & Mask) >> shift();
    }
    static void set(uint8_t* p, unsigned v) {
        unsigned w = p[Byte];
        if (Mask > 0xFF)
            w |= unsigned(p[Byte + 1]) << 8;
        w = (w & ~Mask) | ((v << shift()) & Mask);
        p[Byte] = uint8_t(w);
        if (Mask > 0xFF)
            p[Byte + 1] = uint8_t(w >> 8);
    }
};

// Declares the getter `name()` and setter `setter(v)` of a bit field of the
// enclosing record.
#define TOVRIN_FIELD(type, name, setter, byte, mask)                                          \
    type name() const { return type(BitField<byte, mask>::get(reinterpret_cast<const uint8_t*>(this))); } \
    void setter(type v) { BitField<byte, mask>::set(reinterpret_cast<uint8_t*>(this), unsigned(v)); }
