// cRegistry addresses one registry value by hive (ClassKey), key path (SectionKey),
// value name (ValueKey) and type (ValueType), and reads or writes it through Value.
// It also lists a key's value and subkey names and registers file types for an
// executable. It keeps no key open between calls. Failures raise RegistryError.
#pragma once

#include "platform/Handles.h"
#include "registry/RegistryError.h"
#include "rules/Variant.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class cRegistry {
public:
    // Predefined hives as the signed 32-bit numbers callers assign to ClassKey.
    static constexpr std::int32_t kClassesRoot = static_cast<std::int32_t>(0x80000000);
    static constexpr std::int32_t kCurrentUser = static_cast<std::int32_t>(0x80000001);
    static constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002);

    bool KeyExists() const;
    bool CreateKey();
    bool DeleteKey();
    bool DeleteValue();

    // Reading never raises: a key or value that cannot be read gives a copy of Default.
    // A successful read replaces ValueType with the stored type.
    Variant Value();
    void Value(const Variant& vValue);

    // The names of the values (the unnamed one as "") or of the subkeys of the key
    // SectionKey, in the system's order; old contents of the list are dropped. A key
    // that cannot be opened lists nothing and still returns true.
    bool EnumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount);
    bool EnumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount);

    // Binds the extension to the class and gives the class its verbs and icon, under
    // HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE\SOFTWARE\Classes alike. An empty menu
    // text means the default one; a negative icon index writes no icon.
    static constexpr const char* kOpenMenuText = "&Open";
    static constexpr const char* kPrintMenuText = "&Print";
    static constexpr const char* kNewMenuText = "&New";
    // Text arguments are copies: a caller may pass the object's own SectionKey or
    // ValueKey, which the members change while they work.
    // NOLINTBEGIN(performance-unnecessary-value-param)
    void CreateEXEAssociation(std::string sExePath, std::string sClassName, std::string sClassDescription,
                              std::string sAssociation, std::string sOpenMenuText = kOpenMenuText,
                              bool bSupportPrint = false, std::string sPrintMenuText = kPrintMenuText,
                              bool bSupportNew = false, std::string sNewMenuText = kNewMenuText,
                              bool bSupportInstall = false, std::string sInstallMenuText = "",
                              std::int32_t lDefaultIconIndex = -1);

    // Adds verbs given as (name, menu text, command) triples to a class that already
    // exists under ClassKey. It never raises: what went wrong last is kept in LastError
    // until the next call. No list at all (nullopt) is an invalid list; an empty one
    // is not.
    void CreateAdditionalEXEAssociations(std::string sClassName, const std::optional<std::vector<Variant>>& vItems);
    // NOLINTEND(performance-unnecessary-value-param)
    const std::optional<RegistryError>& LastError() const { return lastError_; }

    // Where every entry of a registration is written: HKEY_CLASSES_ROOT, then
    // HKEY_LOCAL_MACHINE\SOFTWARE\Classes. Tests put keys of their own in their place
    // (under Wine the first root is only a view of the second) and get the old ones back.
    struct ClassesRoot {
        std::int32_t hive;
        std::string prefix;  // put before the key's path
    };
    using ClassesRoots = std::array<ClassesRoot, 2>;
    static ClassesRoots replaceClassesRoots(ClassesRoots roots);

    std::int32_t ValueType() const { return valueType_; }
    void ValueType(std::int32_t eValueType) { valueType_ = eValueType; }
    std::int32_t ClassKey() const { return classKey_; }
    void ClassKey(std::int32_t eKey) { classKey_ = eKey; }
    const std::string& SectionKey() const { return sectionKey_; }
    void SectionKey(std::string sSectionKey) { sectionKey_ = std::move(sSectionKey); }
    const std::string& ValueKey() const { return valueKey_; }
    void ValueKey(std::string sValueKey) { valueKey_ = std::move(sValueKey); }
    Variant Default() const { return default_; }
    void Default(Variant vDefault) { default_ = std::move(vDefault); }

private:
    void SetClassesValue(const std::string& sValue);
    void writeVerb(const std::string& sClassName, const std::string& verb, const std::string& menuText,
                   const std::string& commandLine);
    static std::int32_t SwapEndian(std::int32_t value);
    static std::string ExpandEnvStr(const std::string& text);

    long openOrCreateKey(RegKey& key) const;
    long writeValue(const RegKey& key, const Variant& value) const;
    Variant decode(std::uint32_t storedType, const std::string& data) const;
    RegistryError error(std::int32_t number, const std::string& description) const;
    [[noreturn]] void raise(std::int32_t number, const std::string& description) const;
    std::string hiveAndSection() const;
    std::string setValueText(const Variant& value) const;

    std::int32_t classKey_ = 0;
    std::string sectionKey_;
    std::string valueKey_;
    std::int32_t valueType_ = 0;
    Variant default_;
    std::optional<RegistryError> lastError_;
};
