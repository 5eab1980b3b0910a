// File-type registration under two scratch keys that stand in for HKEY_CLASSES_ROOT
// and HKEY_LOCAL_MACHINE\SOFTWARE\Classes: under Wine the first is only a view of the
// second, so a missing or misplaced write would not show.
#include "ScratchKey.h"
#include "platform/RegKey.h"
#include "registry/cRegistry.h"

#include <gtest/gtest.h>

namespace {

// Every key below a path ("" is its top) with "type:text" of its unnamed value, or "-".
using Tree = std::map<std::string, std::string>;

void collect(HKEY parent, const std::string& name, const std::string& relative, Tree& tree) {
    RegKey key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return;
    char data[1024] = {}, child[256];
    DWORD type = 0, size = sizeof data - 1;
    tree[relative] = RegQueryValueExA(key.get(), "", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0
                         ? std::to_string(type) + ":" + data
                         : "-";
    for (DWORD i = 0; RegEnumKeyA(key.get(), i, child, sizeof child) == ERROR_SUCCESS; ++i)
        collect(key.get(), child, relative.empty() ? child : relative + "\\" + child, tree);
}

const std::string kExe = "1:\"C:\\Tools\\app.exe\"";
const Tree kOpenOnly = {
    {"", "1:Doc"}, {"shell", "-"}, {"shell\\open", "1:&Open"}, {"shell\\open\\command", kExe + " \"%1\""}};

class cRegistryAssociation : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = cRegistry::replaceClassesRoots(
            {{{ScratchKey::kHive, first_.path() + "\\"}, {ScratchKey::kHive, second_.path() + "\\"}}});
    }
    void TearDown() override { cRegistry::replaceClassesRoots(previous_); }
    Tree tree(const std::string& name) const {
        Tree first, second;
        collect(HKEY_CURRENT_USER, first_.path() + "\\" + name, "", first);
        collect(HKEY_CURRENT_USER, second_.path() + "\\" + name, "", second);
        EXPECT_EQ(first, second) << "the two roots differ below " << name;
        return first;
    }

    ScratchKey first_{"root1"}, second_{"root2"};
    cRegistry::ClassesRoots previous_;
    cRegistry registry_;
};

}  // namespace

TEST_F(cRegistryAssociation, RequiredArgumentsWriteTheExtensionClassAndOpenVerbOnly) {
    registry_.SectionKey("Cls");
    registry_.ValueKey("Doc");  // the object's own fields as arguments: the member works on copies
    registry_.CreateEXEAssociation("  \"C:\\Tools\\app.exe  ", registry_.SectionKey(), registry_.ValueKey(), "txt");
    EXPECT_EQ(tree(".txt"), (Tree{{"", "1:Cls"}}));
    EXPECT_EQ(tree("Cls"), kOpenOnly);  // the path trimmed and quoted once
    EXPECT_EQ(registry_.SectionKey() + registry_.ValueKey(), "Cls\\shell\\open\\command");  // the last entry
    registry_.CreateEXEAssociation("", "Cls", "Doc", "txt");
    EXPECT_EQ(tree("Cls").at("shell\\open\\command"), "1:\" \"%1\"");
}

TEST_F(cRegistryAssociation, EveryVerbAndTheIconWithDefaultOrGivenTexts) {
    registry_.CreateEXEAssociation("C:\\Tools\\app.exe", "Cls", "Doc", ".txt", "", true, "", true, "", true, "", 0);
    Tree expected = kOpenOnly;
    expected.insert({{"shell\\print", "1:&Print"},
                     {"shell\\print\\command", kExe + " /p \"%1\""},
                     {"shell\\add", "1:&Install .txt"},
                     {"shell\\add\\command", kExe + " /a \"%1\""},
                     {"shell\\new", "1:&New"},
                     {"shell\\new\\command", kExe + " /n \"%1\""},
                     {"DefaultIcon", kExe + ",0"}});
    EXPECT_EQ(tree("Cls"), expected);
    EXPECT_EQ(tree("..txt"), (Tree{{"", "1:Cls"}}));  // the dot is always put in front
    registry_.CreateEXEAssociation("x", "Cls", "Doc", "txt", " ", true, "Print it", true, "Make", true, "Set");
    const Tree given = tree("Cls");
    EXPECT_EQ(given.at("shell\\open") + given.at("shell\\print") + given.at("shell\\new") + given.at("shell\\add"),
              "1: 1:Print it1:Make1:Set");
}

TEST_F(cRegistryAssociation, AdditionalVerbsNeedTriplesAndAClassUnderClassKey) {
    registry_.CreateEXEAssociation("x", "Cls", "Doc", "txt");
    const std::string name = first_.path() + "\\Cls";  // looked for by its name under ClassKey itself
    const std::vector<Variant> six = {"edit", "&Edit", "e", "view", std::int32_t{2}, Variant::Bytes{1}};
    const std::tuple<std::int32_t, std::string, std::optional<std::vector<Variant>>, std::int32_t> rows[] = {
        {ScratchKey::kHive, name, std::vector<Variant>{"five", "&F", "f", "x", "y"}, -2147194452},
        {ScratchKey::kHive, name, std::nullopt, -2147194452},
        {cRegistry::kLocalMachine, name, std::vector<Variant>{"hklm", "&H", "h"}, -2147194451},
        {ScratchKey::kHive, name, six, 13},  // the entry without text is skipped, the rest written
    };
    for (const auto& [classKey, className, items, error] : rows) {
        registry_.ClassKey(classKey);
        EXPECT_NO_THROW(registry_.CreateAdditionalEXEAssociations(className, items));
        EXPECT_EQ(registry_.LastError() ? registry_.LastError()->number() : 0, error) << classKey;
    }
    EXPECT_EQ(tree(name), (Tree{{"", "-"},
                                {"shell", "-"},
                                {"shell\\edit", "1:&Edit"},
                                {"shell\\edit\\command", "1:e"},
                                {"shell\\view", "1:2"}}));
}
