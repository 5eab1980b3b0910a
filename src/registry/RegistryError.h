// The error cRegistry raises: a number, a source and a description.
#pragma once

#include "rules/NumberedError.h"

class RegistryError : public NumberedError {
public:
    static constexpr std::int32_t kKeyFailure = 26001;                                        // 0x6591
    static constexpr std::int32_t kSetValueFailure = static_cast<std::int32_t>(0x800469A9);   // -2147194455
    static constexpr std::int32_t kEnumerateFailure = static_cast<std::int32_t>(0x800469AA);  // -2147194454
    static constexpr std::int32_t kInvalidItemList = static_cast<std::int32_t>(0x800469AC);   // -2147194452
    static constexpr std::int32_t kClassNotDefined = static_cast<std::int32_t>(0x800469AD);   // -2147194451
    static constexpr std::int32_t kTypeMismatch = 13;  // an item that has no text form

    using NumberedError::NumberedError;
};
