// The exported entry points of the library and of its variants that each lack one.

#include "simulator/EntryPoints.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <ostream>
#include <string>

namespace {

struct Variant {
    const char* missing;
    const char* directory;
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.missing;
}

// Opens a library by name or path; the library stays loaded for the test's lifetime.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& name) : handle_(dlopen(name.c_str(), RTLD_NOW)) {}
    ~LoadedLibrary() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    [[nodiscard]] bool Loaded() const { return handle_ != nullptr; }
    [[nodiscard]] void* Find(std::string_view symbol) const {
        return dlsym(handle_, std::string(symbol).c_str());
    }

private:
    void* handle_;
};

TEST(SimulatorLibrary, ExportsAll35EntryPoints) {
    // The test links the library, so loading it by name finds that same instance.
    const LoadedLibrary library("libftd2xx.so");
    ASSERT_TRUE(library.Loaded()) << dlerror();
    for (const std::string_view name : sim::kEntryPoints) {
        EXPECT_NE(library.Find(name), nullptr) << name;
    }
}

class LibraryVariantTest : public ::testing::TestWithParam<Variant> {};

TEST_P(LibraryVariantTest, LacksExactlyItsEntryPoint) {
    const Variant& variant = GetParam();
    const LoadedLibrary library(std::string(variant.directory) + "/libftd2xx.so");
    ASSERT_TRUE(library.Loaded()) << dlerror();
    const LoadedLibrary linked("libftd2xx.so");
    // A separate copy, not the library this test links.
    ASSERT_NE(library.Find("sim_reset"), linked.Find("sim_reset"));

    for (const std::string_view name : sim::kEntryPoints) {
        if (name == variant.missing) {
            EXPECT_EQ(library.Find(name), nullptr) << name;
        } else {
            EXPECT_NE(library.Find(name), nullptr) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, LibraryVariantTest,
                         ::testing::ValuesIn(std::vector<Variant>{TOLVANE_SIM_VARIANT_TABLE}),
                         [](const ::testing::TestParamInfo<Variant>& variant) {
                             return std::string("Without") + variant.param.missing;
                         });

} // namespace
