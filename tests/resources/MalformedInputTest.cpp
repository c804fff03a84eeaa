// The reader on damaged input: it must reject it with std::runtime_error and never read outside
// the bytes it was given (the sanitizer build checks the latter).

#include "app/resource.h"
#include "framework/resources/DialogInitDecoder.h"
#include "framework/resources/DialogTemplateDecoder.h"
#include "framework/resources/IconDecoder.h"
#include "framework/resources/ModuleResources.h"
#include "framework/resources/ResourceSet.h"
#include "framework/resources/VersionInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using namespace fw::res;

using Bytes = std::vector<std::uint8_t>;

// A private copy of the program's .res to damage, with the offsets of its entries.
class DamagedResources : public ::testing::Test {
protected:
    Bytes file{fw_module_resources, fw_module_resources + fw_module_resources_size};

    // Offset of the header of the entry holding `data`.
    std::size_t HeaderOffset(const ResourceEntry& entry) const {
        std::size_t offset = 32;
        for (;;) {
            const std::size_t dataSize = Read32(offset);
            const std::size_t headerSize = Read32(offset + 4);
            if (fw_module_resources + offset + headerSize == entry.data.data()) {
                return offset;
            }
            offset = (offset + headerSize + dataSize + 3) / 4 * 4;
        }
    }
    std::uint32_t Read32(std::size_t offset) const {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value |= std::uint32_t{file[offset + i]} << (8 * i);
        }
        return value;
    }
    void Write32(std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file[offset + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    // Bytes of one resource of the program, as a private copy.
    static Bytes Copy(std::uint16_t type, std::uint16_t name, LangId language) {
        const auto* entry = ModuleResources().FindExact(ResId{type, {}}, ResId{name, {}}, language);
        EXPECT_NE(entry, nullptr);
        return entry == nullptr ? Bytes{} : Bytes(entry->data.begin(), entry->data.end());
    }
};

TEST_F(DamagedResources, EmptyOrForeignFileIsRejected) {
    EXPECT_THROW(ResourceSet(std::span<const std::uint8_t>{}), std::runtime_error);
    const Bytes text = {'n', 'o', 't', ' ', 'a', ' ', 'r', 'e', 's', ' ', 'f', 'i', 'l', 'e'};
    EXPECT_THROW(ResourceSet{text}, std::runtime_error);
    // A 16-bit .res starts with its first resource: type, name, flags, size, data.
    const Bytes sixteenBit = {0xFF, 0x05, 0x00, 0xFF, 0x66, 0x00, 0x30, 0x10,
                              0x04, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04};
    EXPECT_THROW(ResourceSet{sixteenBit}, std::runtime_error);
}

TEST_F(DamagedResources, FileCutInsideAnEntryIsRejected) {
    EXPECT_NO_THROW(ResourceSet{file});
    // Cut inside the empty entry, inside the header and the data of the first entry, inside the
    // header of the last entry and one byte before the end of its data.
    const auto& entries = ModuleResources().Entries();
    const std::size_t firstHeader = HeaderOffset(entries.front());
    const std::size_t lastHeader = HeaderOffset(entries.back());
    const std::size_t lastDataEnd = lastHeader + Read32(lastHeader + 4) + Read32(lastHeader);
    for (const std::size_t size : {std::size_t{4}, std::size_t{31}, firstHeader + 6,
                                   firstHeader + 40, lastHeader + 20, lastDataEnd - 1}) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(ResourceSet{cut}, std::runtime_error) << "cut at " << size;
    }
}

TEST_F(DamagedResources, SizeFieldsPastTheEndAreRejected) {
    const std::size_t header = HeaderOffset(ModuleResources().Entries()[3]);
    for (const std::size_t field : {header, header + 4}) {
        for (const std::uint32_t value :
             {0xFFFFFFFFU, 0x7FFFFFFFU, static_cast<std::uint32_t>(file.size())}) {
            Bytes damaged = file;
            std::swap(damaged, file);
            Write32(field, value);
            std::swap(damaged, file);
            EXPECT_THROW(ResourceSet{damaged}, std::runtime_error)
                << "field at " << field << " = " << value;
        }
    }
    // A header size too small to hold the header's own fields.
    Write32(header + 4, 8);
    EXPECT_THROW(ResourceSet{file}, std::runtime_error);
}

// Every proper prefix of a dialog template, icon image and version record lacks a field.
TEST_F(DamagedResources, TruncatedResourcesAreRejected) {
    struct Decoder {
        const char* name;
        Bytes data;
        std::function<void(std::span<const std::uint8_t>)> decode;
    };
    const std::vector<Decoder> decoders = {
        {"dialog", Copy(kTypeDialog, IDD_TOLVANE_DIALOG, kLangJapanese),
         [](auto d) { (void)DecodeDialogTemplate(d); }},
        {"about box", Copy(kTypeDialog, IDD_ABOUTBOX, kLangEnglish),
         [](auto d) { (void)DecodeDialogTemplate(d); }},
        {"icon group", Copy(kTypeGroupIcon, IDR_MAINFRAME, kLangEnglish),
         [](auto d) { (void)DecodeIconGroup(d); }},
        {"4-bit icon", Copy(kTypeIcon, 7, kLangEnglish), [](auto d) { (void)DecodeIconImage(d); }},
        {"24-bit icon", Copy(kTypeIcon, 9, kLangEnglish), [](auto d) { (void)DecodeIconImage(d); }},
        {"version", Copy(kTypeVersion, 1, kLangEnglish),
         [](auto d) { (void)DecodeVersionInfo(d); }},
    };
    for (const auto& decoder : decoders) {
        ASSERT_FALSE(decoder.data.empty()) << decoder.name;
        EXPECT_NO_THROW(decoder.decode(decoder.data)) << decoder.name;
        for (std::size_t size = 0; size < decoder.data.size(); ++size) {
            // A heap copy of exactly `size` bytes, so that any read past it is caught.
            const Bytes prefix(decoder.data.begin(),
                               decoder.data.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_THROW(decoder.decode(prefix), std::runtime_error)
                << decoder.name << " cut to " << size;
        }
    }
}

TEST_F(DamagedResources, DialogInitRecordRunningPastTheEndIsRejected) {
    const Bytes lists = Copy(kTypeDialogInit, IDD_TOLVANE_DIALOG, kLangEnglish);
    // Inside the first record's header and inside its text.
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{3}, std::size_t{7}, std::size_t{9}}) {
        const Bytes cut(lists.begin(), lists.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW((void)DecodeDialogInit(cut), std::runtime_error) << size;
    }
    Bytes longer = lists;
    longer[4] = 0xFF; // the first record's length
    EXPECT_THROW((void)DecodeDialogInit(longer), std::runtime_error);
}

TEST_F(DamagedResources, StringBlockCutShortIsRejected) {
    // Replace the English block of ids 208 to 223 by its first 20 bytes, in a file of its own.
    const auto* block = ModuleResources().FindExact(
        ResId{kTypeString, {}}, ResId{IDS_NO_DRIVER / 16 + 1, {}}, kLangEnglish);
    ASSERT_NE(block, nullptr);
    const std::size_t header = HeaderOffset(*block);
    const std::size_t headerSize = Read32(header + 4);
    Bytes small(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(header + headerSize + 20));
    small[header] = 20;
    small[header + 1] = small[header + 2] = small[header + 3] = 0;
    const ResourceSet set(small);
    EXPECT_THROW((void)set.LoadString(IDS_WRITE_SUCCEEDED, kLangEnglish), std::runtime_error);
}

TEST_F(DamagedResources, IconWithForeignFormatIsRejected) {
    Bytes image = Copy(kTypeIcon, 9, kLangEnglish);
    Bytes compressed = image;
    compressed[16] = 1; // BI_RLE8
    EXPECT_THROW((void)DecodeIconImage(compressed), std::runtime_error);
    Bytes oddHeight = image;
    oddHeight[8] = 33;
    EXPECT_THROW((void)DecodeIconImage(oddHeight), std::runtime_error);
    Bytes huge = image;
    huge[4] = huge[5] = huge[6] = 0xFF;
    huge[7] = 0x7F;
    EXPECT_THROW((void)DecodeIconImage(huge), std::runtime_error);
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    png.resize(64);
    EXPECT_THROW((void)DecodeIconImage(png), std::runtime_error);
}

} // namespace
