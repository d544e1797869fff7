// Writes a Data/ folder of generated catalogues for the start-up benchmark:
//   gypsomix_bench_catalogues <folder> <records>
// makes <folder>/Data/Mat.txt and <folder>/Data/Cylindre.txt with <records> records each.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

#include "bench/sample_catalogue.h"

int main(int argc, char* argv[]) {
    std::size_t records = 0;
    if (argc != 3 ||
        std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), records).ec != std::errc() ||
        records == 0) {
        std::fprintf(stderr, "usage: %s <folder> <records>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path data = std::filesystem::path(argv[1]) / "Data";
        std::filesystem::create_directories(data);
        const std::string materials = gypsomix::bench::material_catalogue(0, records);
        const std::string flasks = gypsomix::bench::flask_catalogue(records);
        gypsomix::bench::write_file(data / "Mat.txt", materials);
        gypsomix::bench::write_file(data / "Cylindre.txt", flasks);
        std::printf("%s: %zu records, Mat.txt %zu bytes, Cylindre.txt %zu bytes\n", argv[1],
                    records, materials.size(), flasks.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
