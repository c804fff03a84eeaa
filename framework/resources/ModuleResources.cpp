#include "framework/resources/ModuleResources.h"

namespace fw::res {

// Parsed on first use; the bytes are part of the program image and live as long as it does.
const ResourceSet& ModuleResources() {
    static const ResourceSet resources(
        std::span<const std::uint8_t>(fw_module_resources, fw_module_resources_size));
    return resources;
}

} // namespace fw::res
