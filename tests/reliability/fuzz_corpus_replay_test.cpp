// The committed fuzz corpus replayed through the fuzz target with the main build's own
// compiler, so every build checks the properties of the conversions, the reader of values,
// the reading of server replies and of configuration files on those inputs, not only the
// clang build that fuzzes.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzCorpus, EveryCommittedInputKeepsTheProperties) {
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TALLYGLYPH_FUZZ_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        ASSERT_TRUE(file.is_open()) << entry.path();
        const std::string input{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                         input.size()),
                  0)
            << entry.path();
        ++replayed;
    }
    EXPECT_GE(replayed, 20u);
}

} // namespace
