#include "bench/sample_catalogue.h"

#include <unistd.h>
#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace gypsomix::bench {
namespace {

// Small deterministic generator: the same catalogue on every machine.
class Lcg {
  public:
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

void append_int(std::string& out, long value) {
    std::array<char, 24> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), r.ptr);
}

// value / 10^decimals written with a point, e.g. 172, 2 -> 1.72.
void append_fixed(std::string& out, long value, int decimals) {
    long scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    append_int(out, value / scale);
    long fraction = value % scale;
    if (decimals == 0 || fraction == 0) {
        return;
    }
    out += '.';
    std::string digits;
    append_int(digits, fraction);
    out.append(static_cast<std::size_t>(decimals) - digits.size(), '0');
    out += digits;
}

}  // namespace

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "gypsomix-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string material_catalogue(std::size_t min_bytes, std::size_t records) {
    // Windows-1252: \xE2 â, \xE0 à, \xE9 é, \xE8 è, \xEA ê, \xAB «, \xBB ».
    constexpr std::array<std::string_view, 8> kKinds = {"Pl\xE2tre \xE0 bijoux",
                                                        "Rev\xEAtement phosphat\xE9",
                                                        "Rev\xEAtement dentaire",
                                                        "Pl\xE2tre de moulage",
                                                        "Rev\xEAtement \xAB rapide \xBB",
                                                        "Pl\xE2tre dur, type IV",
                                                        "Rev\xEAtement, coul\xE9"
                                                        "e c\xE9ramique",
                                                        "Pl\xE2tre fin"};
    constexpr std::array<std::string_view, 6> kGrades = {"universel",
                                                         "fluide",
                                                         "haute d\xE9"
                                                         "finition",
                                                         "grandes pi\xE8"
                                                         "ces, \xE9paisses",
                                                         "lot",
                                                         "s\xE9rie, 25 kg"};

    Lcg rng;
    std::string out;
    out.reserve(min_bytes + 256);
    for (std::size_t n = 0; n < records; ++n) {
        if (min_bytes > 0 && out.size() >= min_bytes) {
            break;
        }
        out += '"';
        out += kKinds[rng.below(kKinds.size())];
        out += ' ';
        out += kGrades[rng.below(kGrades.size())];
        out += " n\xB0 ";
        append_int(out, static_cast<long>(n + 1));
        out += '"';
        out += ',';
        append_int(out, 20 + rng.below(30));  // water %
        out += ',';
        append_fixed(out, 10 + rng.below(40), 1);  // mixing time
        out += ',';
        append_int(out, 5 + rng.below(15));  // gel time
        out += ",  ";
        append_fixed(out, 40 + rng.below(120), 1);  // pourable time, padded
        out += "  ,";
        append_fixed(out, 150 + rng.below(80), 2);  // density
        out += ',';
        if (rng.below(4) == 0) {
            append_fixed(out, 30 + rng.below(90), 1);  // expansion in the exponent form
            out += "E-1";
        } else {
            append_fixed(out, 300 + rng.below(900), 3);
        }
        out += ',';
        append_fixed(out, 300 + rng.below(1100), 3);
        out += "\r\n";
    }
    return out;
}

namespace {

// A length in tenths of a millimetre, the way a name shows it: "63,5", "100".
void append_millimetres(std::string& out, long tenths) {
    append_int(out, tenths / 10);
    if (tenths % 10 != 0) {
        out += ',';
        append_int(out, tenths % 10);
    }
}

// A length in half inches, the way a name shows it: "2", "3\xBD" (3½).
void append_inches(std::string& out, long halves) {
    append_int(out, halves / 2);
    if (halves % 2 != 0) {
        out += '\xBD';
    }
}

}  // namespace

std::string flask_catalogue(std::size_t records) {
    // Windows-1252: \xD8 Ø, \xD7 ×, \xE9 é, \xE0 à.
    constexpr std::array<long, 12> kMetric = {30, 40, 50, 60, 63, 70, 80, 90, 100, 110, 120, 150};
    constexpr std::array<std::string_view, 3> kTypes = {"Cylindre perfor\xE9 ",
                                                        "Cylindre \xE0 bride ", "Cylindre plein "};
    constexpr std::string_view kLong =
        "Cylindre inox r\xE9"
        "fractaire pour coul\xE9"
        "e sous vide, bride haute, ";

    Lcg rng;
    std::string out;
    out.reserve(records * 32);
    for (std::size_t n = 0; n < records; ++n) {
        // Half the sizes are in inches (2 to 6 in across, 2 to 8 in high).
        const bool inches = rng.below(2) == 0;
        const long diameter_halves = 4 + rng.below(9);
        const long height_halves = 4 + rng.below(13);
        const long diameter =
            inches ? diameter_halves * 127 : kMetric[rng.below(kMetric.size())] * 10;
        const long height = inches ? height_halves * 127 : (40 + 10 * rng.below(17)) * 10;
        // Mostly the bare size; one in ten names gives the type, one in fifty a long description,
        // and some inch sizes are also given in inches.
        const std::uint32_t form = rng.below(50);
        out += '"';
        if (form == 0) {
            out += kLong;
        } else if (form <= 5) {
            out += kTypes[rng.below(kTypes.size())];
        }
        out += "\xD8 ";
        append_millimetres(out, diameter);
        out += " \xD7 ";
        append_millimetres(out, height);
        out += " mm";
        if (inches && rng.below(8) == 0) {
            out += " (";
            append_inches(out, diameter_halves);
            out += " \xD7 ";
            append_inches(out, height_halves);
            out += " po)";
        }
        out += "\",";
        append_fixed(out, diameter, 1);
        out += ',';
        append_fixed(out, height, 1);
        out += "\r\n";
    }
    return out;
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace gypsomix::bench
