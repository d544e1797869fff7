#include "catalogue/encoding.h"

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

void append_cp1252_as_utf8(std::string_view bytes, std::string& out) {
    out.reserve(out.size() + bytes.size() + bytes.size() / 4);
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // ASCII runs are copied whole: names are mostly ASCII.
        std::size_t run = i;
        while (run < n && static_cast<unsigned char>(bytes[run]) < 0x80) {
            ++run;
        }
        out.append(bytes.data() + i, run - i);
        if (run == n) {
            break;
        }
        const auto c = static_cast<unsigned char>(bytes[run]);
        i = run + 1;
        if (c < 0xA0) {
            append_utf8(kHighControls[c - 0x80], out);
        } else {
            append_utf8(c, out);
        }
    }
}

}  // namespace gypsomix::encoding
