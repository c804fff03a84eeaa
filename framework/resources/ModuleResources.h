#pragma once

// How a program hands its compiled resources to ModuleResources() (declared in ResourceSet.h):
// it links an object that defines these two symbols, the bytes of its .res file and their count.
// The build generates that object from the .res (target tolvane_resources for this program).

#include "framework/resources/ResourceSet.h"

#include <cstddef>

extern "C" {
extern const unsigned char fw_module_resources[];
extern const std::size_t fw_module_resources_size;
}
