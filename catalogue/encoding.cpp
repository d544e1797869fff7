#include "catalogue/encoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace gypsomix::encoding {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code points.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool all_ascii(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080ULL) {
            return false;
        }
    }
    for (; i < n; ++i) {
        if (p[i] & 0x80) {
            return false;
        }
    }
    return true;
}

// Length of the well-formed UTF-8 sequence starting at p[0] (a non-ASCII byte), 0 if malformed.
std::size_t sequence_length(const unsigned char* p, std::size_t available) {
    const unsigned char c = p[0];
    std::size_t len;
    char32_t min;
    char32_t cp;
    if ((c & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (available < len) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if ((p[k] & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (p[k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

}  // namespace

bool is_ascii(std::string_view bytes) {
    return all_ascii(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

Utf8 classify_utf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    bool multi_byte = false;
    std::size_t i = 0;
    while (i < n) {
        // Skip ASCII runs a word at a time: catalogues are mostly ASCII.
        if (i + 8 <= n && all_ascii(p + i, 8)) {
            i += 8;
            continue;
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = sequence_length(p + i, n - i);
        if (len == 0) {
            return Utf8::invalid;
        }
        multi_byte = true;
        i += len;
    }
    return multi_byte ? Utf8::valid : Utf8::ascii;
}

namespace {

// The bytes' length when they begin a multi-byte sequence, 0 for any other byte.
std::size_t lead_length(unsigned char c) {
    if ((c & 0xE0) == 0xC0) {
        return 2;
    }
    if ((c & 0xF0) == 0xE0) {
        return 3;
    }
    return (c & 0xF8) == 0xF0 ? 4 : 0;
}

// How many bytes at the end of `bytes` begin a sequence that does not end there.
std::size_t unfinished_tail(std::string_view bytes) {
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (c < 0x80) {
            return 0;
        }
        if (c >= 0xC0) {
            return lead_length(c) > back ? back : 0;
        }
    }
    return 0;
}

}  // namespace

bool Utf8Classifier::add(std::string_view piece) {
    if (invalid_) {
        return false;
    }
    if (pending_size_ > 0) {
        // The sequence the last piece began, completed from this one.
        const std::size_t wanted = lead_length(static_cast<unsigned char>(pending_[0]));
        const std::size_t taken = std::min(wanted - pending_size_, piece.size());
        piece.copy(pending_.data() + pending_size_, taken);
        pending_size_ += taken;
        piece.remove_prefix(taken);
        if (pending_size_ < wanted) {
            return true;
        }
        pending_size_ = 0;
        const auto* p = reinterpret_cast<const unsigned char*>(pending_.data());
        if (sequence_length(p, wanted) == 0) {
            invalid_ = true;
            return false;
        }
        multi_byte_ = true;
    }
    const std::size_t tail = unfinished_tail(piece);
    const Utf8 kind = classify_utf8(piece.substr(0, piece.size() - tail));
    if (kind == Utf8::invalid) {
        invalid_ = true;
        return false;
    }
    multi_byte_ = multi_byte_ || kind == Utf8::valid;
    pending_size_ = piece.copy(pending_.data(), tail, piece.size() - tail);
    return true;
}

Utf8 Utf8Classifier::finish() const {
    if (invalid_ || pending_size_ > 0) {
        return Utf8::invalid;
    }
    return multi_byte_ ? Utf8::valid : Utf8::ascii;
}

void append_utf8_repaired(std::string_view bytes, std::string& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    out.reserve(out.size() + n);
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            out.push_back(static_cast<char>(p[i++]));
            continue;
        }
        const std::size_t len = sequence_length(p + i, n - i);
        if (len == 0) {
            append_utf8(0xFFFD, out);
            ++i;
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
}

void append_utf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

namespace {

// UTF-8 form of each byte 0x80..0xFF of Windows-1252: up to three bytes and their count.
struct HighByte {
    std::array<char, 3> bytes;
    unsigned char size;
};

constexpr auto kHighBytes = [] {
    std::array<HighByte, 128> table{};
    for (unsigned c = 0x80; c <= 0xFF; ++c) {
        const char32_t cp = c < 0xA0 ? kHighControls[c - 0x80] : c;
        HighByte& entry = table[c - 0x80];
        if (cp < 0x800) {
            entry = {
                {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
        } else {
            entry = {
                {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (cp & 0x3F))},
                3};
        }
    }
    return table;
}();

}  // namespace

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Position of the first byte >= 0x80 at or after i, or n.
std::size_t next_high(const char* in, std::size_t i, std::size_t n) {
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, in + i, 8);
        if (const std::uint64_t high = word & kHighBits) {
            if constexpr (std::endian::native == std::endian::little) {
                return i + static_cast<std::size_t>(std::countr_zero(high)) / 8;
            } else {
                return i + static_cast<std::size_t>(std::countl_zero(high)) / 8;
            }
        }
    }
    while (i < n && static_cast<unsigned char>(in[i]) < 0x80) {
        ++i;
    }
    return i;
}

}  // namespace

void append_cp1252_as_utf8(std::string_view bytes, std::string& out) {
    // Sized exactly first, so a decoded name costs one allocation and keeps no spare capacity;
    // both passes jump from one non-ASCII byte to the next, eight bytes at a time.
    const char* in = bytes.data();
    const std::size_t n = bytes.size();
    std::size_t size = n;
    for (std::size_t i = next_high(in, 0, n); i < n; i = next_high(in, i + 1, n)) {
        size += kHighBytes[static_cast<unsigned char>(in[i]) - 0x80].size - 1u;
    }

    const std::size_t start = out.size();
    out.resize(start + size);
    char* w = out.data() + start;
    std::size_t i = 0;
    for (;;) {
        // Runs between accents are short: copied inline, not through a library call each.
        const std::size_t high = next_high(in, i, n);
        for (; i + 8 <= high; i += 8, w += 8) {
            std::memcpy(w, in + i, 8);
        }
        for (; i < high; ++i) {
            *w++ = in[i];
        }
        if (high == n) {
            break;
        }
        const HighByte& h = kHighBytes[static_cast<unsigned char>(in[high]) - 0x80];
        w[0] = h.bytes[0];
        w[1] = h.bytes[1];
        if (h.size == 3) {
            w[2] = h.bytes[2];
        }
        w += h.size;
        i = high + 1;
    }
}

void append_as_utf8(std::string_view bytes, TextEncoding encoding, std::string& out) {
    switch (encoding) {
        case TextEncoding::cp1252:
            append_cp1252_as_utf8(bytes, out);
            return;
        case TextEncoding::utf8_repaired:
            append_utf8_repaired(bytes, out);
            return;
        case TextEncoding::ascii:
        case TextEncoding::utf8:
            break;
    }
    out += bytes;
}

}  // namespace gypsomix::encoding
