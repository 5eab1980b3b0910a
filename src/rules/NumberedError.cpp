#include "rules/NumberedError.h"

namespace {
std::string summary(std::int32_t number, const std::string& source, const std::string& description) {
    std::string text = "Error " + std::to_string(number);
    if (!source.empty()) text += " in " + source;
    if (!description.empty()) text += ": " + description;
    return text;
}
}  // namespace

NumberedError::NumberedError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(summary(number, source, description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}
