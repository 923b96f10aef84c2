// Where the program reads and writes, by the layout of its folder; and the
// player's corrected item tables as the program reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/program_places.h"
#include "build_file_test_util.h"
#include "data/embedded_tables.h"
#include "data/item_tables.h"
#include "data/table_overrides.h"
#include "data/table_reader.h"

namespace brennick {
namespace {

namespace fs = std::filesystem;
using testing_build::TempDir;
using testing_build::write_bytes;

PlaceEnvironment env_of(const fs::path& home) {
  return {home.string(), (home / "state").string(), (home / "data").string(), (home / "Docs").string()};
}

TEST(ProgramPlaces, ABuildTreeKeepsEverythingBesideTheProgramAndAnInstallFollowsXdg) {
  TempDir t;
  const fs::path home = t / "home";
  // A build tree: images/ beside the program, even with a share folder above.
  fs::create_directories(t / "build/bin/images");
  fs::create_directories(t / "build/share/brennick/images");
  const ProgramPlaces tree = find_program_places((t / "build/bin").string(), env_of(home));
  EXPECT_FALSE(tree.installed);
  EXPECT_EQ(tree.data_dir, (t / "build/bin").string());
  EXPECT_EQ(tree.log_dir, tree.data_dir);
  EXPECT_EQ(tree.documents_dir, tree.data_dir);
  EXPECT_FALSE(tree.make_documents_dir);
  EXPECT_EQ(tree.tables_dir, (home / "data/brennick/tables").string());

  // Installed: usr/bin and usr/share/brennick, wherever the tree was unpacked.
  fs::create_directories(t / "usr/bin");
  fs::create_directories(t / "usr/share/brennick/images");
  const ProgramPlaces inst = find_program_places((t / "usr/bin").string(), env_of(home));
  EXPECT_TRUE(inst.installed);
  EXPECT_EQ(inst.data_dir, (t / "usr/share/brennick").string());
  EXPECT_EQ(inst.log_dir, (home / "state/brennick").string());
  EXPECT_EQ(inst.documents_dir, (home / "Docs/Brennick").string());
  EXPECT_TRUE(inst.make_documents_dir);

  // Unset or relative XDG variables fall back to the defaults under HOME;
  // without a documents folder the dialogs start at home.
  const ProgramPlaces bare = find_program_places((t / "usr/bin").string(), {home.string(), "rel/state", "", ""});
  EXPECT_EQ(bare.log_dir, (home / ".local/state/brennick").string());
  EXPECT_EQ(bare.tables_dir, (home / ".local/share/brennick/tables").string());
  EXPECT_EQ(bare.documents_dir, home.string());
  EXPECT_FALSE(bare.make_documents_dir);

  // Neither layout (data missing): the build tree's rules, so start-up
  // reports the missing pictures beside the program.
  fs::create_directories(t / "lone");
  EXPECT_FALSE(find_program_places((t / "lone").string(), env_of(home)).installed);
}

TEST(ProgramPlaces, TheDocumentsFolderIsMadeWhenFirstNeededElseHome) {
  TempDir t;
  ProgramPlaces p;
  p.home_dir = t.path().string();
  p.documents_dir = (t / "Docs/Brennick").string();
  p.make_documents_dir = true;
  EXPECT_FALSE(fs::exists(p.documents_dir));
  EXPECT_EQ(dialog_start_folder(p), p.documents_dir);
  EXPECT_TRUE(fs::is_directory(p.documents_dir));
  // A file where the folder should be: the home folder.
  write_bytes(t / "Blocked", "x");
  p.documents_dir = (t / "Blocked/Brennick").string();
  EXPECT_EQ(dialog_start_folder(p), t.path().string());
}

std::string armor_text() { return std::string(*embedded_table("items_armor")); }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(TableCorrections, EveryBuiltInTablePassesTheCorrectionRules) {
  for (std::string_view stem : kItemTableFiles)
    EXPECT_NO_THROW(check_table_override(stem, *embedded_table(stem), std::string(stem) + ".tsv")) << stem;
  EXPECT_THROW(check_table_override("skill_values", *embedded_table("skill_values"), "skill_values.tsv"),
               TableError);
}

TEST(TableCorrections, ALaterFolderWinsAndARefusedFileLeavesTheBuiltInTable) {
  TempDir t;
  fs::create_directories(t / "xdg");
  fs::create_directories(t / "given");
  const std::string leather = "Leather Armor\t180\t14\t24\t";
  write_bytes(t / "xdg/items_armor.tsv", replaced(armor_text(), leather, "Leather Armor\t180\t15\t24\t"));
  write_bytes(t / "given/items_armor.tsv", replaced(armor_text(), leather, "Leather Armor\t180\t16\t24\t"));
  write_bytes(t / "given/notes.txt", "ignored");
  // A table whose cell does not fit its type (a U8 of 300), with CR LF lines.
  std::string ring(*embedded_table("items_ring"));
  for (std::size_t p = 0; (p = ring.find('\n', p)) != std::string::npos; p += 2) ring.insert(p, "\r");
  const std::size_t second = ring.find('\n') + 1;
  const std::size_t price = ring.find('\t', second) + 1;
  ring.replace(price, ring.find('\t', price) - price, "-5");
  write_bytes(t / "xdg/items_ring.tsv", ring);

  const TableOverrides o = read_table_overrides({(t / "xdg").string(), (t / "given").string(), (t / "none").string()});
  EXPECT_EQ(o.sources.size(), kItemTableFiles.size());
  EXPECT_EQ(o.sources.at("items_armor.tsv"), (t / "given/items_armor.tsv").string());
  EXPECT_NE(o.texts.at("items_armor").find("Leather Armor\t180\t16\t"), std::string::npos);
  EXPECT_EQ(o.sources.at("items_ring.tsv"), "built-in");
  EXPECT_EQ(o.texts.count("items_ring"), 0u);
  ASSERT_EQ(o.refusals.size(), 1u);
  EXPECT_EQ(o.refusals[0].rfind((t / "xdg/items_ring.tsv").string() + ":2: field price: \"-5\" is out of range", 0),
            0u)
      << o.refusals[0];
}

TEST(TableCorrections, FilesTooLargeOrUnreadableAreRefusedWhole) {
  TempDir t;
  write_bytes(t / "items_boots.tsv", std::string(kTableFileMaxBytes + 1, 'x'));
  fs::create_directories(t / "items_orb.tsv");  // a folder of the table's name
  const TableOverrides o = read_table_overrides({t.path().string()});
  ASSERT_EQ(o.refusals.size(), 2u);
  EXPECT_NE(o.refusals[0].find("items_boots.tsv"), std::string::npos);
  EXPECT_NE(o.refusals[1].find("items_orb.tsv"), std::string::npos);
  EXPECT_TRUE(o.texts.empty());
  const std::vector<std::string> faults = check_table_folder(t.path().string());
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_EQ(faults[0].rfind("items_boots.tsv: ", 0), 0u) << faults[0];
}

TEST(TableCorrections, TheCatalogueInUseCannotChangeOnceRead) {
  (void)item_catalog();
  TableOverrides o;
  o.texts["items_armor"] = replaced(armor_text(), "Battle Suit", "Other Suit");
  EXPECT_FALSE(use_table_overrides(o));
  EXPECT_EQ(item_catalog().armor_table[0].name, "Battle Suit");
  EXPECT_EQ(table_overrides().sources.at("weapons.tsv"), "built-in");
}

}  // namespace
}  // namespace brennick
