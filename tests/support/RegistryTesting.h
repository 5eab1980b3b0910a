// Helpers shared by the registry and settings tests.
#pragma once

#include "ScratchKey.h"
#include "registry/RegistryError.h"
#include "registry/cRegistry.h"

#include <gtest/gtest.h>

#include <functional>

inline cRegistry addressed(const ScratchKey& key, const std::string& valueName, std::int32_t valueType = REG_SZ) {
    cRegistry registry;
    registry.ClassKey(key.hive());
    registry.SectionKey(key.path());
    registry.ValueKey(valueName);
    registry.ValueType(valueType);
    return registry;
}

// Runs the action, expects it to raise a RegistryError, and returns that error.
inline RegistryError expectRegistryError(const std::function<void()>& action) {
    try {
        action();
    } catch (const RegistryError& error) {
        return error;
    }
    ADD_FAILURE() << "no RegistryError was raised";
    return RegistryError(0, {}, {});
}
