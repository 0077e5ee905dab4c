// Feeds files to a fuzz target without libFuzzer, so that every compiler can replay the
// seed corpus and the inputs that once failed. Arguments: files or directories.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool abspielen(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", datei.c_str());
        return false;
    }
    const std::vector<char> inhalt((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replay %s\n", datei.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        const fs::path pfad = argv[i];
        if (fs::is_directory(pfad)) {
            for (const auto& eintrag : fs::directory_iterator(pfad)) {
                if (eintrag.is_regular_file() && eintrag.path().filename() != ".gitkeep") {
                    dateien.push_back(eintrag.path());
                }
            }
        } else if (fs::exists(pfad)) {
            dateien.push_back(pfad);
        } else {
            std::fprintf(stderr, "no such file or directory: %s\n", pfad.c_str());
            return 1;
        }
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& datei : dateien) {
        if (!abspielen(datei)) return 1;
    }
    // A replay of nothing would pass without testing anything.
    if (dateien.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", dateien.size());
    return 0;
}
