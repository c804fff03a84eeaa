// The exported entry points of the library and of its variants that each lack one.

#include "simulator/EntryPoints.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

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

#if defined(_WIN32)
constexpr const char kLibraryName[] = "Ftd2xx.dll";
#else
constexpr const char kLibraryName[] = "libftd2xx.so";
#endif

// Opens a library by name or path; the library stays loaded for the test's lifetime.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& name) : handle_(Open(name)) {}
    ~LoadedLibrary() {
        if (handle_ != nullptr) {
#if defined(_WIN32)
            FreeLibrary(static_cast<HMODULE>(handle_));
#else
            dlclose(handle_);
#endif
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    [[nodiscard]] bool Loaded() const {
        return handle_ != nullptr;
    }
    [[nodiscard]] const void* Find(std::string_view symbol) const {
#if defined(_WIN32)
        return reinterpret_cast<const void*>(
            GetProcAddress(static_cast<HMODULE>(handle_), std::string(symbol).c_str()));
#else
        return dlsym(handle_, std::string(symbol).c_str());
#endif
    }
    // Why the last load failed.
    [[nodiscard]] static std::string Error() {
#if defined(_WIN32)
        return "error " + std::to_string(GetLastError());
#else
        const char* error = dlerror();
        return error != nullptr ? error : "";
#endif
    }

private:
    static void* Open(const std::string& name) {
#if defined(_WIN32)
        return LoadLibraryA(name.c_str());
#else
        return dlopen(name.c_str(), RTLD_NOW);
#endif
    }

    void* handle_;
};

TEST(SimulatorLibrary, ExportsAll35EntryPoints) {
    // The test links the library, so loading it by name finds that same instance.
    const LoadedLibrary library(kLibraryName);
    ASSERT_TRUE(library.Loaded()) << LoadedLibrary::Error();
    for (const std::string_view name : sim::kEntryPoints) {
        EXPECT_NE(library.Find(name), nullptr) << name;
    }
}

class LibraryVariantTest : public ::testing::TestWithParam<Variant> {};

TEST_P(LibraryVariantTest, LacksExactlyItsEntryPoint) {
    const Variant& variant = GetParam();
    const LoadedLibrary library(std::string(variant.directory) + "/" + kLibraryName);
    ASSERT_TRUE(library.Loaded()) << LoadedLibrary::Error();
    const LoadedLibrary linked(kLibraryName);
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
