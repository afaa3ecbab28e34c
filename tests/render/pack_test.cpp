#include "render/jpeg_codec.h"
#include "render/pack.h"
#include "render/resource_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vellamor::render;

namespace {

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        path = std::filesystem::temp_directory_path() /
               ("vellamor_pack_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
};

Bytes readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
void writeAll(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

std::string samplePack(const TempDir& dir) {
    PackWriter w;
    EXPECT_TRUE(w.add(ResourceKind::Bitmap, "CB001H", {1, 2, 3}));
    EXPECT_TRUE(w.add(ResourceKind::Wave, "Card_up", {9, 8, 7, 6}));
    EXPECT_TRUE(w.add(ResourceKind::Bitmap, "Card_up", {5})); // same name, other kind
    EXPECT_TRUE(w.add(ResourceKind::RcData, "EMPTY", {}));
    const std::string path = dir.file("sample.rgf");
    EXPECT_TRUE(w.write(path));
    return path;
}

} // namespace

TEST(Pack, RoundTripWithNamesMatchedWithoutCase) {
    TempDir dir;
    const auto pack = Pack::open(samplePack(dir));
    ASSERT_TRUE(pack);
    EXPECT_EQ(pack->size(), 4u);
    EXPECT_EQ(pack->read(ResourceKind::Bitmap, "cb001h"), (Bytes{1, 2, 3}));
    EXPECT_EQ(pack->read(ResourceKind::Wave, "CARD_UP"), (Bytes{9, 8, 7, 6}));
    EXPECT_EQ(pack->read(ResourceKind::Bitmap, "card_Up"), (Bytes{5}));
    EXPECT_EQ(pack->read(ResourceKind::RcData, "empty"), Bytes{});
    EXPECT_FALSE(pack->read(ResourceKind::Wave, "CB001H"));
    EXPECT_FALSE(pack->contains(ResourceKind::Bitmap, "_tmp_stop_"));
    EXPECT_EQ(pack->names(ResourceKind::Bitmap), (std::vector<std::string>{"CB001H", "Card_up"}));
}

TEST(Pack, WriterRefusesBadAndRepeatedNames) {
    PackWriter w;
    EXPECT_TRUE(w.add(ResourceKind::Bitmap, "B101", {}));
    EXPECT_FALSE(w.add(ResourceKind::Bitmap, "b101", {}));
    EXPECT_FALSE(w.add(ResourceKind::Bitmap, "", {}));
    EXPECT_FALSE(w.add(ResourceKind::Bitmap, std::string(256, 'A'), {}));
    EXPECT_FALSE(w.add(ResourceKind::Bitmap, "tab\there", {}));
    EXPECT_FALSE(w.add(static_cast<ResourceKind>(9), "X", {}));
    EXPECT_EQ(w.size(), 1u);
}

// Every way a pack file can be damaged is refused at open, with a reason.
TEST(Pack, DamagedFilesAreRefusedAtOpen) {
    TempDir dir;
    const Bytes good = readAll(samplePack(dir));
    const std::size_t indexEnd = 20 + (2 + 6 + 8) + (2 + 7 + 8) * 2 + (2 + 5 + 8);
    struct Case {
        const char* what;
        Bytes data;
    };
    std::vector<Case> cases;
    cases.push_back({"empty file", {}});
    for (std::size_t cut : {std::size_t(3), std::size_t(19), std::size_t(20), std::size_t(40),
                            indexEnd - 1, good.size() - 1})
        cases.push_back({"truncated", Bytes(good.begin(), good.begin() + long(cut))});
    Bytes magic = good;
    magic[0] = 'X';
    cases.push_back({"bad magic", magic});
    Bytes version = good;
    version[4] = 7;
    cases.push_back({"unknown version", version});
    Bytes flipped = good;
    flipped[30] ^= 0x40;
    cases.push_back({"index byte flipped", flipped});
    Bytes count = good;
    count[8] = 0xff;
    cases.push_back({"entry count too large", count});
    Bytes indexSize = good;
    indexSize[15] = 0x7f;
    cases.push_back({"index size past the end", indexSize});

    for (const auto& c : cases) {
        const std::string path = dir.file("bad.rgf");
        writeAll(path, c.data);
        std::string error;
        EXPECT_FALSE(Pack::open(path, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    std::string error;
    EXPECT_FALSE(Pack::open(dir.file("missing.rgf"), &error));
    EXPECT_NE(error.find("missing.rgf"), std::string::npos);
}

// An entry pointing past the end is refused even when the index checksum is right.
TEST(Pack, EntryOutsideTheFileIsRefused) {
    TempDir dir;
    Bytes data = readAll(samplePack(dir));
    // First entry: kind, length 6, "CB001H", offset, size → make the size huge.
    data[20 + 2 + 6 + 4 + 3] = 0x10;
    const Bytes index(data.begin() + 20, data.begin() + 20 + long(data[12] | data[13] << 8));
    const std::uint32_t crc = crc32(index.data(), index.size());
    for (int i = 0; i < 4; ++i) data[16 + i] = std::uint8_t(crc >> (8 * i));
    const std::string path = dir.file("outside.rgf");
    writeAll(path, data);
    EXPECT_FALSE(Pack::open(path));
}

TEST(ResourceNames, SizesMarksAndPackRouting) {
    EXPECT_EQ(cardSizeOfLetter('N'), (CardSize{'N', 49, 66}));
    EXPECT_EQ(cardSizeOfLetter('L'), (CardSize{'L', 25, 32}));
    EXPECT_EQ(cardSizeOfLetter('Q'), (CardSize{'B', 71, 96}));
    EXPECT_EQ(sizeOfCustomSetImage(355, 1152), 'B');
    EXPECT_EQ(sizeOfCustomSetImage(356, 1152), std::nullopt);
    EXPECT_EQ(sizeOfCustomSetImage(510, 1656), 'X');
    EXPECT_EQ(sizeOfCustomSetImage(125, 384), std::nullopt); // L has no set image

    const struct {
        const char* mark;
        const char* resource;
    } marks[] = {{"deck", "DB007"},          {"StockVisible", "WB_WASTE"}, {"FirstTableauAll", "WB004"},
                 {"stockup", "WB022"},       {"stockdown", "WB005"},       {"StockStop", "WB008"},
                 {"Foundation", "WB004"},    {"FoundationA", "WB010"},     {"Foundation2", "WB012"},
                 {"Foundation3", "WB013"},   {"Foundation9", "WB019"},     {"Foundation10", "WB020"},
                 {"Foundation11", "WB006"},  {"Foundation12", "WB003"},    {"FOUNDATION13", "WB011"},
                 {"Position", "WB_TABLEAU"}, {"EmptyPosition", "WB001"},   {"emptypositionjqk", "WB009"}};
    for (const auto& m : marks) EXPECT_EQ(markResource(m.mark, 'B', 7), m.resource) << m.mark;
    for (const char* unknown : {"Foundation1", "Foundation14", "Stock"})
        EXPECT_EQ(markResource(unknown, 'B', 7), std::nullopt) << unknown;

    EXPECT_TRUE(inExtraSizePack("wx009"));
    EXPECT_TRUE(inExtraSizePack("3D_BORDER_X1"));
    EXPECT_TRUE(inExtraSizePack("Joker_X"));
    EXPECT_FALSE(inExtraSizePack("CX001H"));
    EXPECT_FALSE(inExtraSizePack("SHADOW_B1"));
}

TEST(Jpeg, EncodesDecodesAndRefusesDamage) {
    RgbImage img;
    img.width = 16;
    img.height = 8;
    img.pixels.assign(16 * 8 * 3, 0);
    for (std::size_t i = 0; i < img.pixels.size(); i += 3) img.pixels[i] = 200; // red
    const Bytes data = encodeJpeg(img, 95);
    ASSERT_FALSE(data.empty());
    const auto back = decodeJpeg(data.data(), data.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 16);
    EXPECT_EQ(back->height, 8);
    EXPECT_NEAR(back->pixels[0], 200, 8);
    EXPECT_NEAR(back->pixels[1], 0, 8);

    EXPECT_FALSE(decodeJpeg(data.data(), 40));
    Bytes junk(200, 0x55);
    EXPECT_FALSE(decodeJpeg(junk.data(), junk.size()));
    EXPECT_TRUE(isJpegName("Pictures/Sea.JPEG"));
    EXPECT_TRUE(isJpegName("a.jpe"));
    EXPECT_FALSE(isJpegName("back.bmp"));
}
