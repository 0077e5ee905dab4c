// Feeds files to a fuzz target without libFuzzer, so that every compiler replays the seed
// corpus and the inputs that once failed. Arguments: files or directories.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            dateien.emplace_back(argv[i]);
            continue;
        }
        for (const auto& eintrag : fs::directory_iterator(argv[i])) {
            if (eintrag.path().filename() != ".gitkeep") dateien.push_back(eintrag.path());
        }
    }
    for (const fs::path& datei : dateien) {
        std::ifstream in(datei, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", datei.c_str());
            return 1;
        }
        const std::vector<char> inhalt{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "replay %s\n", datei.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    }
    // A replay of nothing would pass without testing anything.
    std::printf("%zu inputs replayed\n", dateien.size());
    return dateien.empty() ? 1 : 0;
}
