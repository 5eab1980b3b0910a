#include "registry/cRegistry.h"

#include "platform/Win32.h"

#include <utility>

namespace {

// A write to HKEY_CLASSES_ROOT lands in the user's classes when the key already exists
// there; writing the machine's classes as well makes the registration machine-wide.
cRegistry::ClassesRoots& classesRoots() {
    static cRegistry::ClassesRoots roots{
        {{cRegistry::kClassesRoot, ""}, {cRegistry::kLocalMachine, "SOFTWARE\\Classes\\"}}};
    return roots;
}
constexpr const char* kShell = "\\shell\\";
constexpr const char* kCommand = "\\command";
constexpr const char* kDefaultIcon = "\\DefaultIcon";
constexpr const char* kInstallMenuText = "&Install ";
// The document's path reaches the executable quoted, so that blanks in it survive.
constexpr const char* kDocumentArgument = "\"%1\"";

constexpr const char* kInvalidItemListText =
    "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command";
constexpr const char* kClassNotDefinedText = "Error - attempt to create additional associations before class defined.";
constexpr const char* kTypeMismatchText = "Type mismatch";

// Without blanks around it and with double quotes at both ends, so that a path with
// blanks stays one word of the command line. Quotes already there are kept.
std::string quotedPath(const std::string& path) {
    const auto first = path.find_first_not_of(' ');
    std::string quoted = first == std::string::npos ? "" : path.substr(first, path.find_last_not_of(' ') - first + 1);
    if (quoted.empty() || quoted.front() != '"') quoted.insert(0, 1, '"');
    if (quoted.back() != '"') quoted += '"';
    return quoted;
}

std::string orDefault(const std::string& text, const std::string& fallback) { return text.empty() ? fallback : text; }

}  // namespace

// NOLINTBEGIN(performance-unnecessary-value-param): copies on purpose, see the header
void cRegistry::CreateEXEAssociation(std::string sExePath, std::string sClassName, std::string sClassDescription,
                                     std::string sAssociation, std::string sOpenMenuText, bool bSupportPrint,
                                     std::string sPrintMenuText, bool bSupportNew, std::string sNewMenuText,
                                     bool bSupportInstall, std::string sInstallMenuText,
                                     std::int32_t lDefaultIconIndex) {
    const std::string exe = quotedPath(sExePath);
    const auto commandLine = [&](const char* switchText) { return exe + switchText + kDocumentArgument; };

    sectionKey_ = "." + sAssociation;
    valueType_ = REG_SZ;
    valueKey_.clear();
    SetClassesValue(sClassName);
    sectionKey_ = sClassName;
    SetClassesValue(sClassDescription);

    writeVerb(sClassName, "open", orDefault(sOpenMenuText, kOpenMenuText), commandLine(" "));
    if (bSupportPrint) writeVerb(sClassName, "print", orDefault(sPrintMenuText, kPrintMenuText), commandLine(" /p "));
    if (bSupportInstall) {
        writeVerb(sClassName, "add", orDefault(sInstallMenuText, kInstallMenuText + sAssociation), commandLine(" /a "));
    }
    if (bSupportNew) writeVerb(sClassName, "new", orDefault(sNewMenuText, kNewMenuText), commandLine(" /n "));

    if (lDefaultIconIndex >= 0) {
        sectionKey_ = sClassName + kDefaultIcon;
        valueKey_.clear();
        SetClassesValue(exe + "," + std::to_string(lDefaultIconIndex));
    }
}

void cRegistry::CreateAdditionalEXEAssociations(std::string sClassName,
                                                const std::optional<std::vector<Variant>>& vItems) {
    lastError_.reset();
    if (!vItems || vItems->size() % 3 != 0) {
        lastError_ = error(RegistryError::kInvalidItemList, kInvalidItemListText);
        return;
    }
    sectionKey_ = sClassName;
    if (!KeyExists()) {
        lastError_ = error(RegistryError::kClassNotDefined, kClassNotDefinedText);
        return;
    }

    // Each entry stands alone: one that fails is recorded and the next one is still
    // written, so that the caller is never interrupted.
    const auto entry = [&](const Variant& name, const char* below, const Variant& value) {
        // Byte arrays are the one kind without a text form to name a key or to store.
        if (name.kind() == Variant::Kind::ByteArray || value.kind() == Variant::Kind::ByteArray) {
            lastError_ = error(RegistryError::kTypeMismatch, kTypeMismatchText);
            return;
        }
        try {
            sectionKey_ = sClassName + kShell + name.toText() + below;
            valueKey_.clear();
            SetClassesValue(value.toText());
        } catch (const RegistryError& failure) {
            lastError_ = failure;
        }
    };
    const auto& items = *vItems;
    for (std::size_t i = 0; i < items.size(); i += 3) {
        valueType_ = REG_SZ;
        entry(items[i], "", items[i + 1]);
        entry(items[i], kCommand, items[i + 2]);
    }
}

// NOLINTEND(performance-unnecessary-value-param)

void cRegistry::writeVerb(const std::string& sClassName, const std::string& verb, const std::string& menuText,
                          const std::string& commandLine) {
    sectionKey_ = sClassName + kShell + verb;
    valueKey_.clear();
    SetClassesValue(menuText);
    sectionKey_ = sClassName + kShell + verb + kCommand;
    valueKey_.clear();
    SetClassesValue(commandLine);
}

cRegistry::ClassesRoots cRegistry::replaceClassesRoots(ClassesRoots roots) {
    return std::exchange(classesRoots(), std::move(roots));
}

void cRegistry::SetClassesValue(const std::string& sValue) {
    // A failed write leaves SectionKey as that write addressed it.
    const std::string section = sectionKey_;
    for (const auto& root : classesRoots()) {
        classKey_ = root.hive;
        sectionKey_ = root.prefix + section;
        Value(Variant(sValue));
    }
    sectionKey_ = section;
}
