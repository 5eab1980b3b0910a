#include "rules/Variant.h"

#include <cstdio>

std::int32_t Variant::integer() const {
    if (kind() == Kind::Integer16) return std::get<std::int16_t>(value_);
    return std::get<std::int32_t>(value_);
}

std::string Variant::toText() const {
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return text();
    case Kind::Boolean:
        return boolean() ? "True" : "False";
    case Kind::Integer16:
    case Kind::Integer32:
        return std::to_string(integer());
    case Kind::ByteArray: {
        std::string shown;
        for (const auto byte : bytes()) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            if (!shown.empty()) shown += ' ';
            shown += hex;
        }
        return shown;
    }
    }
    return {};
}
