#include "catalogue/field_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>

#include "catalogue/encoding.h"
#include "catalogue/file_access.h"
#include "catalogue/number_syntax.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gypsomix {
namespace {

// A chunk stays in the processor's cache between the read and the scan.
constexpr std::size_t kChunk = std::size_t{64} << 10;
// After the bytes read, room for the scanners' reads of a whole block.
constexpr std::size_t kMargin = 64;
// How far the quick way with a plain record looks for its end.
constexpr std::size_t kWindow = 512;
// A longer unquoted field may be a number beyond the double range without an exponent.
constexpr std::size_t kLongestPlain = 300;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_delimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

[[maybe_unused]] bool is_exponent_mark(char c) {
    return (c | 0x20) == 'e';
}

std::string_view without_trailing_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view without_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    return without_trailing_blanks(text);
}

std::string_view without_spaces(std::string_view text) {
    if (!text.empty() && text.front() != ' ' && text.back() != ' ') {
        return text;
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Which of 64 bytes end a field, are quotes, exponent marks or digits, one bit each. A field
// ends at a comma, a CR or an LF, except an LF right after a CR: the pair is one line end.
struct Block {
    std::uint64_t ends = 0;
    std::uint64_t quotes = 0;
    std::uint64_t marks = 0;
    std::uint64_t digits = 0;
};

// Scans blocks one after the other, minding a CR at the end of one and an LF at the start of
// the next.
class BlockScanner {
  public:
    Block scan(const char* p) {
        Block b;
#if defined(__SSE2__)
        const auto bits = [](__m128i equal, int shift) {
            return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(equal))} << shift;
        };
        for (int i = 0; i < 64; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i cr = _mm_cmpeq_epi8(v, _mm_set1_epi8('\r'));
            const __m128i lf = _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'));
            const __m128i comma = _mm_cmpeq_epi8(v, _mm_set1_epi8(','));
            const __m128i after_cr = _mm_or_si128(_mm_slli_si128(cr, 1), cr_carry_);
            cr_carry_ = _mm_srli_si128(cr, 15);
            const __m128i ends = _mm_andnot_si128(_mm_and_si128(lf, after_cr),
                                                  _mm_or_si128(_mm_or_si128(cr, lf), comma));
            const __m128i lower = _mm_or_si128(v, _mm_set1_epi8(0x20));
            const __m128i digit = _mm_sub_epi8(v, _mm_set1_epi8('0'));
            b.ends |= bits(ends, i);
            b.quotes |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('"')), i);
            b.marks |= bits(_mm_cmpeq_epi8(lower, _mm_set1_epi8('e')), i);
            b.digits |= bits(_mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit), i);
        }
#else
        for (int i = 0; i < 64; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << i;
            b.ends |= is_delimiter(p[i]) && !(p[i] == '\n' && after_cr_) ? bit : 0;
            b.quotes |= p[i] == '"' ? bit : 0;
            b.marks |= is_exponent_mark(p[i]) ? bit : 0;
            b.digits |= p[i] >= '0' && p[i] <= '9' ? bit : 0;
            after_cr_ = p[i] == '\r';
        }
#endif
        return b;
    }

  private:
#if defined(__SSE2__)
    __m128i cr_carry_ = _mm_setzero_si128();
#else
    bool after_cr_ = false;
#endif
};

// The bits up to and including bit `last`.
std::uint64_t bits_through(int last) {
    return last == 63 ? ~std::uint64_t{0} : (std::uint64_t{2} << last) - 1;
}

// True for a text that cannot be a number beyond the double range, seen without converting it:
// fewer than 200 bytes before its last exponent mark and at most two digits after it.
bool cannot_overflow(std::string_view text) {
    std::size_t mark = text.size();
    while (mark > 0 && (text[mark - 1] | 0x20) != 'e') {
        --mark;
    }
    if (mark == 0 || mark > 200) {
        return false;
    }
    std::size_t digits = mark;
    digits += digits < text.size() && (text[digits] == '+' || text[digits] == '-') ? 1 : 0;
    return text.size() - digits <= 2 &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The first quote in [p, n) of d, or n. Reads up to 64 bytes past n.
std::size_t find_quote(const char* d, std::size_t p, std::size_t n) {
#if defined(__SSE2__)
    // A name is looked through whole, without a branch at each sixteen bytes.
    const __m128i quote = _mm_set1_epi8('"');
    for (; p < n; p += 64) {
        std::uint64_t found = 0;
        for (int i = 0; i < 64; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + p + i));
            found |=
                std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, quote)))}
                << i;
        }
        if (found != 0) {
            return std::min(n, p + static_cast<std::size_t>(std::countr_zero(found)));
        }
    }
    return n;
#else
    const void* quote = p < n ? std::memchr(d + p, '"', n - p) : nullptr;
    return quote ? static_cast<std::size_t>(static_cast<const char*>(quote) - d) : n;
#endif
}

// The first delimiter in [p, n) of d, or n; `marks` is set when an exponent mark comes before.
// Reads up to sixteen bytes past n.
std::size_t find_delimiter(const char* d, std::size_t p, std::size_t n, bool& marks) {
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i lower = _mm_set1_epi8(0x20);
    const __m128i e = _mm_set1_epi8('e');
    for (; p < n; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + p));
        const __m128i delimiters = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, lf));
        const unsigned valid = n - p >= 16 ? 0xFFFFu : (1u << (n - p)) - 1;
        const unsigned found = static_cast<unsigned>(_mm_movemask_epi8(delimiters)) & valid;
        const unsigned mark_bits =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(v, lower), e)));
        if (found != 0) {
            const int at = std::countr_zero(found);
            marks = marks || (mark_bits & ((1u << at) - 1)) != 0;
            return p + static_cast<std::size_t>(at);
        }
        marks = marks || (mark_bits & valid) != 0;
    }
    return n;
#else
    for (; p < n && !is_delimiter(d[p]); ++p) {
        marks = marks || is_exponent_mark(d[p]);
    }
    return p;
#endif
}

}  // namespace

FieldReader::FieldReader() = default;

FieldReader::~FieldReader() {
    close();
}

void FieldReader::open(const std::filesystem::path& path) {
    close();
    path_ = path;
    fd_ = open_catalogue_file(path);
    struct stat status {};
    if (::fstat(fd_, &status) == 0) {
        size_ = static_cast<std::uintmax_t>(status.st_size);
    }
    // Zeroed, so that the scanners' reads past the data see defined bytes.
    capacity_ = kChunk;
    buffer_ = std::make_unique<char[]>(capacity_ + kMargin);
    eof_ = false;
    while (end_ < 3 && !eof_) {
        fill();
    }
    has_bom_ = std::string_view(buffer_.get(), end_).starts_with("\xEF\xBB\xBF");
    pos_ = has_bom_ ? 3 : 0;
}

void FieldReader::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    buffer_.reset();
    capacity_ = 0;
    size_ = 0;
    pos_ = 0;
    end_ = 0;
    eof_ = true;
    has_bom_ = false;
    text_encoding_ = encoding::TextEncoding::ascii;
    fields_read_ = 0;
}

void FieldReader::fail_reading(int error) {
    const std::filesystem::path path = path_;
    close();
    throw_unreadable(path, error);
}

void FieldReader::fill() {
    // What is not consumed yet moves to the start; a field longer than the buffer doubles it.
    const std::size_t kept = end_ - pos_;
    if (pos_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + pos_, kept);
        pos_ = 0;
        end_ = kept;
    }
    if (end_ == capacity_) {
        auto larger = std::make_unique<char[]>(2 * capacity_ + kMargin);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        fail_reading(errno);
    }
    end_ += static_cast<std::size_t>(got);
    eof_ = got == 0;
}

bool FieldReader::at_end_of_data() {
    while (pos_ >= end_ && !eof_) {
        fill();
    }
    return pos_ >= end_;
}

Message FieldReader::where() const {
    return field_place(path_, fields_read_, record_length_);
}

// The next field, if the bytes read so far hold all of it; Kind::more when they stop short.
inline FieldReader::RawField FieldReader::try_raw() {
    constexpr RawField kMore{Kind::more, {}, false};
    const char* d = buffer_.get();
    const std::size_t n = end_;
    std::size_t p = pos_;
    while (p < n && is_blank(d[p])) {
        ++p;
    }
    if (p >= n) {
        if (!eof_) {
            return kMore;
        }
        pos_ = n;
        throw_past_end(where());
    }

    // Consumes the delimiter at p, a CR LF pair as one, or nothing at the end of the file; false
    // when a CR is the last byte read and the file goes on.
    const auto consume_delimiter = [&] {
        if (p < n) {
            if (d[p] == '\r') {
                if (p + 1 < n) {
                    p += d[p + 1] == '\n' ? 1 : 0;
                } else if (!eof_) {
                    return false;
                }
            }
            ++p;
        }
        return true;
    };

    RawField field{Kind::empty, {}, false};
    if (is_delimiter(d[p])) {
        if (!consume_delimiter()) {
            return kMore;
        }
    } else if (d[p] == '"') {
        const std::size_t start = p + 1;
        const void* quote = start < n ? std::memchr(d + start, '"', n - start) : nullptr;
        if (quote == nullptr && !eof_) {
            return kMore;
        }
        // An end of file before the closing quote ends the field there.
        const std::size_t end =
            quote ? static_cast<std::size_t>(static_cast<const char*>(quote) - d) : n;
        field = {Kind::quoted, std::string_view(d + start, end - start), false};
        p = quote ? end + 1 : n;
        while (p < n && !is_delimiter(d[p])) {
            ++p;
        }
        if ((p >= n && !eof_) || !consume_delimiter()) {
            return kMore;
        }
    } else {
        const std::size_t start = p;
        bool marks = false;
        p = find_delimiter(d, p, n, marks);
        const std::size_t end = p;
        if ((p >= n && !eof_) || !consume_delimiter()) {
            return kMore;
        }
        // Trailing blanks are trimmed by the callers that look at the text. Only an exponent or
        // a very long digit string can leave the double range.
        field = {Kind::unquoted, std::string_view(d + start, end - start),
                 marks || end - start > kLongestPlain};
    }
    pos_ = p;
    return field;
}

FieldReader::RawField FieldReader::next_raw() {
    for (;;) {
        const RawField field = try_raw();
        if (field.kind != Kind::more) {
            return field;
        }
        fill();
    }
}

void FieldReader::decide_encoding() {
    // The whole file decides, as it is now: read again from its start beside the buffer. A
    // Windows-1252 file is known at its first accent.
    encoding::Utf8Classifier classifier;
    const auto chunk = std::make_unique_for_overwrite<char[]>(kChunk);
    for (off_t offset = has_bom_ ? 3 : 0;;) {
        const ssize_t got = ::pread(fd_, chunk.get(), kChunk, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            fail_reading(errno);
        }
        if (got == 0 || !classifier.add({chunk.get(), static_cast<std::size_t>(got)})) {
            break;
        }
        offset += got;
    }
    using encoding::TextEncoding;
    const encoding::Utf8 kind = classifier.finish();
    if (has_bom_) {
        text_encoding_ =
            kind == encoding::Utf8::invalid ? TextEncoding::utf8_repaired : TextEncoding::utf8;
    } else {
        text_encoding_ = kind == encoding::Utf8::valid ? TextEncoding::utf8 : TextEncoding::cp1252;
    }
}

encoding::TextEncoding FieldReader::encoding_for(std::string_view text) {
    if (text_encoding_ == encoding::TextEncoding::ascii && !encoding::is_ascii(text)) {
        decide_encoding();
    }
    return text_encoding_;
}

std::string FieldReader::decode(std::string_view bytes) {
    std::string text;
    encoding::append_as_utf8(bytes, encoding_for(bytes), text);
    return text;
}

// An unquoted field's text is trimmed of trailing blanks and read as a number in the invariant
// form, if it is one; a number beyond the double range is an error.
NumberScan FieldReader::scan_unquoted(std::string_view& text) const {
    text = without_trailing_blanks(text);
    const NumberScan scan = scan_number(text);
    if (scan.stop == NumberStop::out_of_range) {
        throw_out_of_range(text, where());
    }
    return scan;
}

FieldValue FieldReader::read_field() {
    const RawField raw = next_raw();
    FieldValue value;
    if (raw.kind == Kind::quoted) {
        value = decode(raw.text);
    } else if (raw.kind == Kind::unquoted) {
        std::string_view text = raw.text;
        const NumberScan scan = scan_unquoted(text);
        if (scan.stop == NumberStop::complete) {
            value = scan.value;
        } else {
            value = decode(text);
        }
    }
    ++fields_read_;
    return value;
}

void FieldReader::skip_field() {
    const RawField raw = next_raw();
    if (raw.kind == Kind::unquoted && raw.may_overflow) {
        std::string_view text = raw.text;
        scan_unquoted(text);
    }
    ++fields_read_;
}

FieldReader::Name FieldReader::read_name() {
    const RawField raw = next_raw();
    Name name{{}, false};
    if (raw.kind == Kind::quoted) {
        // Spaces are ASCII in every encoding the file may have: trimmed before decoding.
        name.text = without_spaces(raw.text);
    } else if (raw.kind == Kind::unquoted) {
        // No blank at either end, so none of its spaces either. A numeric name is listed the
        // way general_format writes it.
        name.text = raw.text;
        if (const NumberScan scan = scan_unquoted(name.text); scan.stop == NumberStop::complete) {
            number_text_ = general_format(scan.value, 15, ".");
            name = {number_text_, true};
        }
    }
    ++fields_read_;
    return name;
}

bool FieldReader::read_plain_record(int count, std::string_view* name) {
    // The whole window read, or the file's end, so that the last CR shows whether an LF follows.
    if (end_ - pos_ <= kWindow && !eof_) {
        fill();
    }
    const char* d = buffer_.get() + pos_;
    const std::size_t available = end_ - pos_;
    const std::size_t limit = std::min(available, kWindow);
    // The fields to skip begin after `first`; with a name, after the delimiter that ends it.
    std::size_t first = 0;
    if (name != nullptr) {
        if (limit == 0 || d[0] != '"') {
            return false;
        }
        const std::size_t quote = find_quote(d, 1, limit);
        std::size_t delimiter = quote + 1;
        while (delimiter < limit && !is_delimiter(d[delimiter])) {
            ++delimiter;
        }
        if (delimiter >= limit) {
            return false;
        }
        first = delimiter + 1;
        if (d[delimiter] == '\r') {
            if (first < available) {
                first += d[first] == '\n' ? 1 : 0;
            } else if (!eof_) {
                return false;
            }
        }
        // Spaces are ASCII in every encoding the file may have: trimmed before decoding.
        *name = without_spaces({d + 1, quote - 1});
        if (count == 0) {
            pos_ += first;
            ++fields_read_;
            return true;
        }
    }

    // Fields that end within 300 bytes are no longer than that: only an exponent can then make
    // a number beyond the double range.
    const std::size_t fields_limit = std::min(limit, first + kLongestPlain);
    BlockScanner scanner;
    int remaining = count;
    for (std::size_t at = first; at < fields_limit; at += 64) {
        const Block b = scanner.scan(d + at);
        const std::uint64_t valid = fields_limit - at >= 64
                                        ? ~std::uint64_t{0}
                                        : (std::uint64_t{1} << (fields_limit - at)) - 1;
        std::uint64_t ends = b.ends & valid;
        // The last field's end is the remaining-th here, if there are that many.
        std::uint64_t last_end = ends;
        for (int i = 1; i < remaining; ++i) {
            last_end &= last_end - 1;
        }
        if (last_end == 0) {
            for (; ends != 0; ends &= ends - 1) {
                --remaining;
            }
        }
        const std::uint64_t upto = last_end == 0 ? valid : bits_through(std::countr_zero(last_end));
        // A quote may open a quoted field: those go one at a time.
        if ((b.quotes & upto) != 0) {
            return false;
        }
        // A number beyond the double range needs an exponent of three digits, with or without a
        // sign, or else a mantissa of 200 bytes (or more than 300 bytes in all). A mark that may
        // begin one is looked at closely; if the field is such a number, the fields go one at
        // a time, for the report to say which. A mark near the block's end may have its digits
        // in the next block.
        const std::uint64_t three_digits_on = (b.digits >> 2) & (b.digits >> 3);
        const std::uint64_t suspect = at + 64 - first > 200
                                          ? b.marks
                                          : b.marks & (three_digits_on | std::uint64_t{0xF} << 60);
        for (std::uint64_t marks = suspect & upto; marks != 0; marks &= marks - 1) {
            const std::size_t mark = at + static_cast<std::size_t>(std::countr_zero(marks));
            std::size_t start = mark;
            while (start > first && !is_delimiter(d[start - 1])) {
                --start;
            }
            std::size_t end = mark;
            while (end < fields_limit && !is_delimiter(d[end])) {
                ++end;
            }
            const std::string_view text = without_blanks({d + start, end - start});
            if (end >= fields_limit ||
                (!cannot_overflow(text) && scan_number(text).stop == NumberStop::out_of_range)) {
                return false;
            }
        }
        if (last_end == 0) {
            continue;
        }
        std::size_t after = at + static_cast<std::size_t>(std::countr_zero(last_end)) + 1;
        if (d[after - 1] == '\r') {
            if (after < available) {
                after += d[after] == '\n' ? 1 : 0;
            } else if (!eof_) {
                return false;
            }
        }
        pos_ += after;
        fields_read_ += count + (name != nullptr ? 1 : 0);
        return true;
    }
    return false;
}

}  // namespace gypsomix
