// The application icon as compiled into the program: nine images (three sizes at three colour
// depths), each with a mask that leaves the corners of the picture transparent.

#include "app/resource.h"
#include "framework/resources/IconDecoder.h"
#include "framework/resources/ResourceSet.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace fw::res;

struct Format {
    int size;
    int bitCount;
};

constexpr std::array<Format, 9> kFormats = {
    {{48, 4}, {48, 8}, {48, 24}, {32, 4}, {32, 8}, {32, 24}, {16, 4}, {16, 8}, {16, 24}}};

TEST(ApplicationIcon, GroupListsNineImagesInEnglish) {
    const auto* group = ModuleResources().FindExact(ResId{kTypeGroupIcon, {}},
                                                    ResId{IDR_MAINFRAME, {}}, kLangEnglish);
    ASSERT_NE(group, nullptr);
    const auto entries = DecodeIconGroup(group->data);
    ASSERT_EQ(entries.size(), kFormats.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].width, kFormats[i].size);
        EXPECT_EQ(entries[i].height, kFormats[i].size);
        EXPECT_EQ(entries[i].bitCount, kFormats[i].bitCount);
        EXPECT_EQ(entries[i].colourCount, kFormats[i].bitCount == 4 ? 16 : 0);
        EXPECT_EQ(entries[i].planes, 1);
        const auto* image = ModuleResources().FindExact(ResId{kTypeIcon, {}},
                                                        ResId{entries[i].iconId, {}}, kLangEnglish);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->data.size(), entries[i].bytesInResource);
    }
}

TEST(ApplicationIcon, ImagesAreOpaqueArtworkOnTransparentCorners) {
    // Every interface language gets the one English icon.
    for (const LangId language : {kLangGerman, kLangEnglish, kLangJapanese}) {
        const auto images = ModuleResources().LoadIcon(IDR_MAINFRAME, language);
        ASSERT_EQ(images.size(), kFormats.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            SCOPED_TRACE(i);
            const IconImage& image = images[i];
            const int n = kFormats[i].size;
            ASSERT_EQ(image.width, n);
            ASSERT_EQ(image.height, n);
            EXPECT_EQ(image.bitCount, kFormats[i].bitCount);
            ASSERT_EQ(image.argb.size(), static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
            const auto at = [&](int x, int y) {
                return image.argb.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(n) +
                                     static_cast<std::size_t>(x));
            };
            for (const auto& [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}}) {
                EXPECT_EQ(at(x, y), 0U) << "corner " << x << "," << y;
            }
            // The middle of the device box is drawn, opaque and dark blue.
            const std::uint32_t body = at(n * 10 / 48, n * 24 / 48);
            EXPECT_EQ(body >> 24, 0xFFU);
            EXPECT_GT(body & 0xFF, (body >> 16) & 0xFF) << std::hex << body;
        }
    }
}

TEST(ApplicationIcon, MissingGroupGivesNoImages) {
    EXPECT_TRUE(ModuleResources().LoadIcon(129, kLangEnglish).empty());
}

} // namespace
