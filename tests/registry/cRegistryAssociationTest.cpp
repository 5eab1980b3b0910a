#include "RegistryTesting.h"

#include "platform/RegKey.h"

#include <map>

namespace {
// Every key of a tree ("" is its top) with "type:text" of its unnamed value, or "-"
// when it has none; named values show as "key@name". A whole tree compared at once
// shows what was written and that nothing else was.
using Tree = std::map<std::string, std::string>;

void collect(HKEY parent, const std::string& name, const std::string& relative, Tree& tree) {
    RegKey key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return;
    tree[relative] = "-";
    char item[256];
    std::string data(1024, '\0');
    for (DWORD i = 0, length = sizeof item, type = 0, size = 1024;
         RegEnumValueA(key.get(), i, item, &length, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
         ERROR_SUCCESS;
         ++i, length = sizeof item, size = 1024)
        tree[length ? relative + "@" + item : relative] = std::to_string(type) + ":" + data.c_str();
    for (DWORD i = 0; RegEnumKeyA(key.get(), i, item, sizeof item) == ERROR_SUCCESS; ++i)
        collect(key.get(), item, relative.empty() ? item : relative + "\\" + item, tree);
}

const std::string kExe = "C:\\Tools\\app.exe";
const std::string kOpen = "1:\"C:\\Tools\\app.exe\" \"%1\"";
}  // namespace

class cRegistryAssociation : public ::testing::Test {
protected:
    const std::string pid_ = std::to_string(GetCurrentProcessId());
    const std::string class_ =
        std::string("ClikpadTest.") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "." + pid_;
    const std::string extension_ = "ckt" + pid_;
    const std::vector<std::pair<HKEY, std::string>> roots_ = {{HKEY_CLASSES_ROOT, ""},
                                                              {HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\"}};
    cRegistry registry_;

    void SetUp() override { TearDown(); }  // left over from a crashed run
    void TearDown() override {
        for (const auto& [root, prefix] : roots_)
            for (const auto& name : {class_, "." + extension_, ".." + extension_})
                RegDeleteTreeA(root, (prefix + name).c_str());
    }

    Tree tree(const std::string& name, std::size_t root = 0) const {
        Tree found;
        collect(roots_[root].first, roots_[root].second + name, "", found);
        return found;
    }
    void expectTree(const std::string& name, const Tree& expected) const {
        for (std::size_t root = 0; root < roots_.size(); ++root) EXPECT_EQ(tree(name, root), expected) << root;
    }
    void expectStateAfter(const std::string& lastSection) const {
        EXPECT_EQ(registry_.ClassKey(), cRegistry::kLocalMachine);
        EXPECT_EQ(registry_.ValueType(), REG_SZ);
        EXPECT_EQ(registry_.ValueKey(), "");
        EXPECT_EQ(registry_.SectionKey(), lastSection);
    }
    void associateWithOpenOnly() { registry_.CreateEXEAssociation(kExe, class_, "Doc", extension_); }
    const Tree openOnly_ = {{"", "1:Doc"}, {"shell", "-"}, {"shell\\open", "1:&Open"}, {"shell\\open\\command", kOpen}};
    std::int32_t lastErrorNumber() const { return registry_.LastError() ? registry_.LastError()->number() : 0; }
};

TEST_F(cRegistryAssociation, RequiredArgumentsWriteTheExtensionClassAndOpenVerbOnly) {
    associateWithOpenOnly();
    expectTree("." + extension_, {{"", "1:" + class_}});
    expectTree(class_, openOnly_);
    expectStateAfter(class_ + "\\shell\\open\\command");
}

TEST_F(cRegistryAssociation, EveryVerbWithDefaultTextsAndTheIcon) {
    registry_.CreateEXEAssociation(kExe, class_, "Doc", extension_, "", true, "", true, "", true, "", 0);
    Tree expected = openOnly_;
    expected.insert({{"shell\\print", "1:&Print"},
                     {"shell\\print\\command", "1:\"C:\\Tools\\app.exe\" /p \"%1\""},
                     {"shell\\add", "1:&Install " + extension_},
                     {"shell\\add\\command", "1:\"C:\\Tools\\app.exe\" /a \"%1\""},
                     {"shell\\new", "1:&New"},
                     {"shell\\new\\command", "1:\"C:\\Tools\\app.exe\" /n \"%1\""},
                     {"DefaultIcon", "1:\"C:\\Tools\\app.exe\",0"}});
    expectTree(class_, expected);
    expectStateAfter(class_ + "\\DefaultIcon");

    registry_.CreateEXEAssociation(kExe, class_, "Doc", extension_, " ", true, "Print it", true, "Make", true, "Set");
    const Tree given = tree(class_);
    EXPECT_EQ(given.at("shell\\open"), "1: ");
    EXPECT_EQ(given.at("shell\\print") + given.at("shell\\new") + given.at("shell\\add"), "1:Print it1:Make1:Set");
}

TEST_F(cRegistryAssociation, ThePathIsQuotedOnceWithoutSurroundingBlanks) {
    for (const std::string path : {"\"C:\\My app.exe\"", "\"C:\\My app.exe", "  C:\\My app.exe  "}) {
        registry_.CreateEXEAssociation(path, class_, "Doc", extension_);
        EXPECT_EQ(tree(class_).at("shell\\open\\command"), "1:\"C:\\My app.exe\" \"%1\"") << path;
    }
    registry_.CreateEXEAssociation("", class_, "Doc", extension_);
    EXPECT_EQ(tree(class_).at("shell\\open\\command"), "1:\" \"%1\"");
}

TEST_F(cRegistryAssociation, AnExtensionWithItsDotGetsAnotherInFront) {
    registry_.CreateEXEAssociation(kExe, class_, "Doc", "." + extension_);
    expectTree(".." + extension_, {{"", "1:" + class_}});
    expectTree("." + extension_, {});
}

TEST_F(cRegistryAssociation, PercentSignsInThePathMakeTheCommandsExpandable) {
    const auto associate = [&](const std::string& path) {
        registry_.CreateEXEAssociation(path, class_, "Doc", extension_, "", false, "", false, "", false, "", 0);
        return tree(class_);
    };
    const Tree pair = associate("C:\\%CKTDIR%\\app.exe");
    EXPECT_EQ(pair.at("shell\\open"), "1:&Open");
    EXPECT_EQ(pair.at("shell\\open\\command"), "2:\"C:\\%CKTDIR%\\app.exe\" \"%1\"");
    EXPECT_EQ(pair.at("DefaultIcon"), "2:\"C:\\%CKTDIR%\\app.exe\",0");
    // A single percent sign in the path pairs with the one of %1.
    const Tree single = associate("C:\\50%\\app.exe");
    EXPECT_EQ(single.at("shell\\open\\command"), "2:\"C:\\50%\\app.exe\" \"%1\"");
    EXPECT_EQ(single.at("DefaultIcon"), "1:\"C:\\50%\\app.exe\",0");
}

TEST_F(cRegistryAssociation, AdditionalRejectsAListNotInTriplesAndWritesNothing) {
    associateWithOpenOnly();
    registry_.ClassKey(cRegistry::kClassesRoot);
    const std::vector<Variant> five = {"edit", "&Edit", "app.exe /e", "view", "&View"};
    for (const auto& items : {std::optional<std::vector<Variant>>(five), std::optional<std::vector<Variant>>()}) {
        EXPECT_NO_THROW(registry_.CreateAdditionalEXEAssociations(class_, items));
        ASSERT_EQ(lastErrorNumber(), -2147194452);
        EXPECT_EQ(registry_.LastError()->source(), "registry_tests.cRegistry");
        EXPECT_EQ(registry_.LastError()->description(),
                  "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command");
    }
    registry_.CreateAdditionalEXEAssociations(class_, std::vector<Variant>{});
    EXPECT_EQ(lastErrorNumber(), 0);
    EXPECT_EQ(registry_.SectionKey(), class_);  // the class was looked for
    registry_.CreateAdditionalEXEAssociations(class_ + ".Missing", std::vector<Variant>{});
    EXPECT_EQ(lastErrorNumber(), -2147194451);
    expectTree(class_, openOnly_);
}

TEST_F(cRegistryAssociation, AdditionalWritesVerbsOnceTheClassIsFoundUnderClassesRoot) {
    associateWithOpenOnly();
    const std::vector<Variant> six = {"edit", "&Edit", "app.exe /e \"%1\"", "view", std::int32_t{2}, "app.exe /v"};
    registry_.CreateAdditionalEXEAssociations(class_, six);  // at HKEY_LOCAL_MACHINE, where no class is on top
    ASSERT_EQ(lastErrorNumber(), -2147194451);
    EXPECT_EQ(registry_.LastError()->description(),
              "Error - attempt to create additional associations before class defined.");
    expectTree(class_, openOnly_);

    registry_.ClassKey(cRegistry::kClassesRoot);
    registry_.CreateAdditionalEXEAssociations(class_, six);
    EXPECT_EQ(lastErrorNumber(), 0);
    Tree expected = openOnly_;
    expected.insert({{"shell\\edit", "1:&Edit"},
                     {"shell\\edit\\command", "1:app.exe /e \"%1\""},
                     {"shell\\view", "1:2"},
                     {"shell\\view\\command", "1:app.exe /v"}});
    expectTree(class_, expected);
    expectStateAfter(class_ + "\\shell\\view\\command");
}

TEST_F(cRegistryAssociation, AdditionalSkipsAnEntryWithoutTextAndGoesOn) {
    associateWithOpenOnly();
    registry_.ClassKey(cRegistry::kClassesRoot);
    registry_.CreateAdditionalEXEAssociations(
        class_, std::vector<Variant>{"edit", Variant::Bytes{1, 2}, "app.exe /e", "view", "&View", "app.exe /v"});
    EXPECT_EQ(lastErrorNumber(), 13);
    Tree expected = openOnly_;
    expected.insert({{"shell\\edit", "-"},
                     {"shell\\edit\\command", "1:app.exe /e"},
                     {"shell\\view", "1:&View"},
                     {"shell\\view\\command", "1:app.exe /v"}});
    expectTree(class_, expected);
}

TEST_F(cRegistryAssociation, TextArgumentsAreCopiesEvenWhenTheyAreTheObjectsOwnFields) {
    registry_.SectionKey(class_);
    registry_.ValueKey("Doc");
    registry_.CreateEXEAssociation(kExe, registry_.SectionKey(), registry_.ValueKey(), extension_);
    expectTree("." + extension_, {{"", "1:" + class_}});
    expectTree(class_, openOnly_);
}

TEST_F(cRegistryAssociation, EveryEntryIsWrittenUnderBothRoots) {
    // Under Wine HKEY_CLASSES_ROOT is a view of the machine's classes: two keys of
    // our own stand in for the two roots, so that a missing write shows.
    const ScratchKey first{cRegistry::kCurrentUser}, second{cRegistry::kLocalMachine};
    const auto previous = cRegistry::replaceClassesRoots({{{first.hive(), first.path() + "\\"},
                                                           {second.hive(), second.path() + "\\"}}});
    registry_.CreateEXEAssociation(kExe, class_, "Doc", extension_, "", true, "", true, "", true, "", 0);
    cRegistry::replaceClassesRoots(previous);
    Tree written;
    collect(first.hiveHandle(), first.path(), "", written);
    EXPECT_EQ(written.size(), 13u);  // the top, the extension, 11 keys of the class
    for (const char* entry : {"", "shell\\open\\command", "shell\\print\\command", "shell\\add\\command",
                              "shell\\new\\command", "DefaultIcon"})
        EXPECT_NE(written.at(class_ + (*entry ? "\\" : "") + entry), "-") << entry;
    Tree copy;
    collect(second.hiveHandle(), second.path(), "", copy);
    EXPECT_EQ(copy, written);
}
