#include "catalogue/number_syntax.h"

#include <array>
#include <charconv>
#include <limits>
#include <system_error>

namespace gypsomix {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool starts_with_at(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

constexpr std::size_t kNone = std::string_view::npos;

// The number as from_chars reads it: no leading "+", a point, no grouping, no blanks. Numbers
// of fields and catalogues stay on the stack; only a freak of hundreds of digits spills.
class AsciiForm {
  public:
    void push(char c) {
        if (size_ < inline_.size()) {
            inline_[size_] = c;
        } else {
            if (size_ == inline_.size()) {
                spill_.assign(inline_.data(), size_);
            }
            spill_.push_back(c);
        }
        ++size_;
    }
    std::string_view view() const {
        return size_ <= inline_.size() ? std::string_view(inline_.data(), size_)
                                       : std::string_view(spill_);
    }

  private:
    std::array<char, 64> inline_;
    std::string spill_;
    std::size_t size_ = 0;
};

// from_chars reports "out of range" for a number too large and for one too small alike: the
// decimal exponent of the leading significant digit tells which. `ascii` is a checked form.
bool beyond_largest(std::string_view ascii) {
    std::size_t i = ascii.starts_with('-') ? 1 : 0;
    long long exponent = 0;
    bool significant = false;
    for (; i < ascii.size() && is_digit(ascii[i]); ++i) {
        significant = significant || ascii[i] != '0';
        exponent += significant ? 1 : 0;
    }
    if (i < ascii.size() && ascii[i] == '.') {
        for (++i; i < ascii.size() && is_digit(ascii[i]) && !significant; ++i) {
            significant = ascii[i] != '0';
            exponent -= significant ? 0 : 1;
        }
        while (i < ascii.size() && is_digit(ascii[i])) {
            ++i;
        }
    }
    if (i < ascii.size()) {  // the exponent mark
        const bool negative = ascii[++i] == '-';
        long long written = 0;
        for (i += (ascii[i] == '-' || ascii[i] == '+') ? 1 : 0; i < ascii.size(); ++i) {
            written = written < 1'000'000'000 ? written * 10 + (ascii[i] - '0') : written;
        }
        exponent += negative ? -written : written;
    }
    return exponent > 0;
}

class Scanner {
  public:
    Scanner(std::string_view text, const NumberSyntax& syntax) : text_(text), syntax_(syntax) {}

    NumberScan scan() {
        skip_outer_blanks();
        start_ = pos_;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            sign_ = pos_++;
            verbatim_ = verbatim_ && text_[sign_] == '-';
        }
        integer_digits();
        fraction();
        if (!digits_) {
            return {0, start_, NumberStop::no_digits};
        }
        if (syntax_.exponent) {
            exponent();
        }
        pos_ = last_;
        skip_outer_blanks();
        const bool rest = pos_ < text_.size();
        if (rest && !syntax_.trailing_text) {
            return {0, pos_, NumberStop::trailing_text};
        }
        return convert();
    }

  private:
    bool blank_at(std::size_t at) const {
        const char c = text_[at];
        return c == ' ' || c == '\t' ||
               (c == '\n' && syntax_.blanks == NumberSyntax::Blanks::anywhere);
    }
    void skip_outer_blanks() {
        if (syntax_.blanks != NumberSyntax::Blanks::none) {
            while (pos_ < text_.size() && blank_at(pos_)) {
                ++pos_;
            }
        }
    }
    // Inside a number only the lenient reading lets blanks stand.
    void skip_inner_blanks() {
        if (syntax_.blanks == NumberSyntax::Blanks::anywhere) {
            while (pos_ < text_.size() && blank_at(pos_)) {
                ++pos_;
                verbatim_ = false;
            }
        }
    }
    bool digit_here() {
        skip_inner_blanks();
        return pos_ < text_.size() && is_digit(text_[pos_]);
    }

    std::size_t group_at(std::size_t at) const {
        if (syntax_.any_space_groups) {
            for (std::string_view g : {" ", "\u00A0", "\u202F"}) {
                if (starts_with_at(text_, at, g)) {
                    return g.size();
                }
            }
            return 0;
        }
        return starts_with_at(text_, at, syntax_.group) ? syntax_.group.size() : 0;
    }
    std::size_t decimal_at(std::size_t at) const {
        if (starts_with_at(text_, at, syntax_.decimal)) {
            return syntax_.decimal.size();
        }
        return syntax_.point_too && at < text_.size() && text_[at] == '.' ? 1 : 0;
    }

    void integer_digits() {
        for (;;) {
            if (digit_here()) {
                digits_ = true;
                last_ = ++pos_;
                continue;
            }
            // A group separator counts only between two integer digits.
            if (digits_ && decimal_at(pos_) == 0) {
                const std::size_t g = group_at(pos_);
                if (g > 0 && pos_ + g < text_.size() && is_digit(text_[pos_ + g])) {
                    pos_ += g;
                    verbatim_ = false;
                    continue;
                }
            }
            return;
        }
    }
    void fraction() {
        skip_inner_blanks();
        const std::size_t d = decimal_at(pos_);
        if (d == 0) {
            return;
        }
        decimal_ = pos_;
        decimal_size_ = d;
        verbatim_ = verbatim_ && text_.substr(pos_, d) == ".";
        pos_ += d;
        if (digits_) {
            last_ = pos_;
        }
        while (digit_here()) {
            digits_ = true;
            last_ = ++pos_;
        }
    }
    // An exponent mark without digits after it is not part of the number.
    void exponent() {
        const std::size_t mark = pos_;
        const bool verbatim = verbatim_;
        skip_inner_blanks();
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            skip_inner_blanks();
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
                ++pos_;
            }
            bool exponent_digits = false;
            while (digit_here()) {
                exponent_digits = true;
                last_ = ++pos_;
            }
            if (exponent_digits) {
                return;
            }
        }
        pos_ = mark;
        verbatim_ = verbatim;
    }

    NumberScan convert() const {
        std::string_view ascii = text_.substr(start_, last_ - start_);
        AsciiForm form;
        if (!verbatim_) {
            for (std::size_t i = start_; i < last_;) {
                if (i == decimal_) {
                    form.push('.');
                    i += decimal_size_;
                    continue;
                }
                const char c = text_[i];
                // Blanks and group separators are all that is left out, and the leading "+".
                if (is_digit(c) || c == 'e' || c == 'E' || c == '-' || (c == '+' && i != sign_)) {
                    form.push(c);
                }
                ++i;
            }
            ascii = form.view();
        }
        double value = 0;
        const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            const bool negative = ascii.starts_with('-');
            if (beyond_largest(ascii)) {
                const double infinity = std::numeric_limits<double>::infinity();
                return {negative ? -infinity : infinity, pos_, NumberStop::out_of_range};
            }
            value = negative ? -0.0 : 0.0;
        }
        return {value, pos_, NumberStop::complete};
    }

    std::string_view text_;
    const NumberSyntax& syntax_;
    std::size_t pos_ = 0;
    std::size_t start_ = 0;
    std::size_t last_ = 0;  // just after the last character the number has taken
    std::size_t sign_ = kNone;
    std::size_t decimal_ = kNone;
    std::size_t decimal_size_ = 0;
    bool digits_ = false;
    bool verbatim_ = true;  // the text as it stands is what from_chars reads
};

template <typename T>
std::string general(T value, int digits, std::string_view decimal) {
    if (value == 0) {
        return "0";  // also for a negative zero
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    std::string text;
    text.reserve(static_cast<std::size_t>(result.ptr - buffer.data()) + decimal.size());
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        if (*p == '.') {
            text += decimal;
        } else if (*p == 'e') {
            text += 'E';
        } else {
            text += *p;
        }
    }
    return text;
}

}  // namespace

NumberScan scan_number(std::string_view text, const NumberSyntax& syntax) {
    return Scanner(text, syntax).scan();
}

std::string general_format(double value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

std::string general_format(float value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

}  // namespace gypsomix
