#include "buildfile/ini_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace brennick {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;

// A written document reads back to itself, and writing that again gives the
// same bytes.
void expect_stable(const IniDocument& doc) {
  const std::string once = doc.to_string();
  const IniDocument again = IniDocument::parse(once);
  EXPECT_EQ(again.to_string(), once);
  EXPECT_EQ(again.sections(), doc.sections());
  for (const std::string& s : doc.sections()) {
    EXPECT_EQ(again.keys(s), doc.keys(s)) << s;
    for (const std::string& k : doc.keys(s)) EXPECT_EQ(again.get(s, k), doc.get(s, k)) << s << "/" << k;
  }
}

TEST(IniDocumentRead, NamesMatchWithoutLetterCaseAndBlanksAreTrimmed) {
  const IniDocument doc = IniDocument::parse(
      "  [CharacterStats]  \n"
      "Class = 6\n"
      "\tLevel\t=\t 120 \t\n"
      "  Strenght=   45\n"
      "[ Armor ]\n"
      "Absorption=1,5\n");
  EXPECT_EQ(doc.get("CharacterStats", "Class"), "6");
  EXPECT_EQ(doc.get("characterstats", "CLASS"), "6");
  EXPECT_EQ(doc.get("CHARACTERSTATS", "level"), "120");
  EXPECT_EQ(doc.get("CharacterStats", "Strenght"), "45");
  EXPECT_EQ(doc.get("armor", "absorption"), "1,5");  // kept as text, not a list
  EXPECT_TRUE(doc.has_section("ARMOR"));
  EXPECT_TRUE(doc.has_key("armor", "ABSORPTION"));
  EXPECT_FALSE(doc.has_key("armor", "Regen"));
  EXPECT_EQ(doc.sections(), (Strings{"CharacterStats", "Armor"}));
  EXPECT_EQ(doc.keys("characterstats"), (Strings{"Class", "Level", "Strenght"}));
}

TEST(IniDocumentRead, OnlyTheFirstEqualsSeparatesAndSemicolonsInValuesStay) {
  const IniDocument doc = IniDocument::parse(
      "[S]\n"
      "a = b = c\n"
      "formula==x\n"
      "note = 12 ; not a comment\n"
      "path=;start\n"
      "empty =\n"
      "blank =    \n");
  EXPECT_EQ(doc.get("S", "a"), "b = c");
  EXPECT_EQ(doc.get("S", "formula"), "=x");
  EXPECT_EQ(doc.get("S", "note"), "12 ; not a comment");
  EXPECT_EQ(doc.get("S", "path"), ";start");
  // A key with an empty value is present: it reads as "", not as the default.
  EXPECT_EQ(doc.get("S", "empty"), "");
  EXPECT_EQ(doc.read_string("S", "blank", "dflt"), "");
  EXPECT_EQ(doc.read_string("S", "missing", "dflt"), "dflt");
  EXPECT_EQ(doc.read_string("Nowhere", "a", "0"), "0");
  EXPECT_EQ(doc.get("Nowhere", "a"), std::nullopt);
}

TEST(IniDocumentRead, CommentsEmptyLinesAndLinesWithoutEqualsMeanNothing) {
  const IniDocument doc = IniDocument::parse(
      "; a comment before everything\n"
      "orphan=1\n"
      "\n"
      "[S]\n"
      "   ; indented comment = 5\n"
      ";x=2\n"
      "just some words\n"
      "= no name\n"
      "x=3\n");
  EXPECT_EQ(doc.sections(), Strings{"S"});
  EXPECT_EQ(doc.keys("S"), Strings{"x"});
  EXPECT_EQ(doc.get("S", "x"), "3");
  EXPECT_EQ(doc.get("S", "; indented comment"), std::nullopt);
  EXPECT_EQ(doc.get("S", ""), std::nullopt);
  // Keys before the first section belong to no section.
  EXPECT_EQ(doc.get("", "orphan"), std::nullopt);
}

TEST(IniDocumentRead, EveryKindOfLineEndIsAccepted) {
  for (const std::string eol : {"\n", "\r\n", "\r"}) {
    const IniDocument doc = IniDocument::parse("[A]" + eol + "x=1" + eol + eol + "[B]" + eol + "y=2");
    EXPECT_EQ(doc.get("A", "x"), "1") << testing::PrintToString(eol);
    EXPECT_EQ(doc.get("B", "y"), "2") << testing::PrintToString(eol);
    EXPECT_EQ(doc.keys("A"), Strings{"x"});
  }
  // Mixed, with CR CR LF: one empty line between.
  const IniDocument mixed = IniDocument::parse("[A]\r\r\nx=1\ry=2\nz=3\r\n");
  EXPECT_EQ(mixed.keys("A"), (Strings{"x", "y", "z"}));
  EXPECT_EQ(mixed.get("A", "y"), "2");
}

TEST(IniDocumentRead, SectionHeadersAndByteOrderMark) {
  const IniDocument doc = IniDocument::parse(
      "\xEF\xBB\xBF[First]\r\n"
      "a=1\r\n"
      "[Second] ; trailing text is ignored\r\n"
      "b=2\r\n"
      "[Unclosed\r\n"
      "c=3\r\n"
      "[]\r\n"
      "d=4\r\n");
  EXPECT_EQ(doc.sections(), (Strings{"First", "Second", "Unclosed", ""}));
  EXPECT_EQ(doc.get("first", "a"), "1");
  EXPECT_EQ(doc.get("second", "b"), "2");
  EXPECT_EQ(doc.get("unclosed", "c"), "3");
  EXPECT_EQ(doc.get("", "d"), "4");
  EXPECT_EQ(doc.to_string(),
            "[First]\r\na=1\r\n\r\n[Second]\r\nb=2\r\n\r\n[Unclosed]\r\nc=3\r\n\r\n[]\r\nd=4\r\n\r\n");
}

TEST(IniDocumentRead, DuplicatesFirstOneCountsAndRepeatedSectionsReadAsOne) {
  IniDocument doc = IniDocument::parse(
      "[Shield]\n"
      "Defense=10\n"
      "DEFENSE=99\n"
      "[Orb]\n"
      "Defense=5\n"
      "[shield]\n"
      "Block=7\n"
      "defense=55\n");
  EXPECT_EQ(doc.get("Shield", "Defense"), "10");
  EXPECT_EQ(doc.get("Shield", "Block"), "7");
  EXPECT_EQ(doc.get("Orb", "Defense"), "5");
  EXPECT_EQ(doc.sections(), (Strings{"Shield", "Orb"}));
  EXPECT_EQ(doc.keys("SHIELD"), (Strings{"Defense", "Block"}));

  // Writing changes the first one; the others stay as they were.
  doc.write_string("Shield", "defense", "11");
  doc.write_string("Shield", "Block", "8");
  doc.write_string("Shield", "SpecBlock", "2");
  EXPECT_EQ(doc.to_string(),
            "[Shield]\r\nDefense=11\r\nDEFENSE=99\r\nSpecBlock=2\r\n\r\n"
            "[Orb]\r\nDefense=5\r\n\r\n"
            "[shield]\r\nBlock=8\r\ndefense=55\r\n\r\n");
  expect_stable(doc);
}

TEST(IniDocumentWrite, NewDocumentIsWrittenInOrderWithCrLfAndAnEmptyLineAfterEachSection) {
  IniDocument doc;
  EXPECT_TRUE(doc.empty());
  EXPECT_EQ(doc.to_string(), "");
  doc.write_string("BrennickVersion", "Version", "0.2.1");
  doc.write_string("CharacterStats", "Class", "6");
  doc.write_string("CharacterStats", "Level", "80");
  doc.write_string("Armor", "Absorption", "1,5");
  doc.write_string("CharacterStats", "Strenght", "30");  // back to an earlier section
  EXPECT_EQ(doc.to_string(),
            "[BrennickVersion]\r\nVersion=0.2.1\r\n\r\n"
            "[CharacterStats]\r\nClass=6\r\nLevel=80\r\nStrenght=30\r\n\r\n"
            "[Armor]\r\nAbsorption=1,5\r\n\r\n");
  EXPECT_FALSE(doc.empty());
  expect_stable(doc);
}

TEST(IniDocumentWrite, UnknownSectionsKeysAndCommentsSurviveAModifiedSave) {
  const std::string file =
      "; my fighter\n"
      "[Notes]\n"
      "text = keep me\n"
      "[CharacterStats]\n"
      "class=0\n"
      "Mood = happy\n"
      "Level=10\n"
      "; stats end here\n"
      "\n"
      "[Armor]\n"
      "Regen=0,5\n";
  IniDocument doc = IniDocument::parse(file);
  doc.write_string("CharacterStats", "Class", "3");     // in place, spelling of the file
  doc.write_string("CharacterStats", "Level", "90");
  doc.write_string("CharacterStats", "Spirit", "12");   // after the last key, before the comment
  doc.write_string("Armor", "Absorption", "2,25");
  doc.write_string("Quest", "Tier3", "1");              // new section at the end
  EXPECT_EQ(doc.to_string(),
            "; my fighter\r\n"
            "\r\n"
            "[Notes]\r\ntext=keep me\r\n\r\n"
            "[CharacterStats]\r\nclass=3\r\nMood=happy\r\nLevel=90\r\nSpirit=12\r\n; stats end here\r\n\r\n"
            "[Armor]\r\nRegen=0,5\r\nAbsorption=2,25\r\n\r\n"
            "[Quest]\r\nTier3=1\r\n\r\n");
  EXPECT_EQ(doc.get("notes", "TEXT"), "keep me");
  expect_stable(doc);
}

TEST(IniDocumentWrite, KeyIntoSectionWithoutKeysAndValuesAreStoredAsTheyReadBack) {
  IniDocument doc = IniDocument::parse("[Empty]\n; only a comment\n[Other]\n");
  doc.write_string("Empty", "k", "  padded value \t");
  doc.write_string("Other", "lines", "one\r\ntwo\nthree");
  doc.write_string("Other", "eq", "a=b;c");
  doc.write_string("Other", "nothing", "");
  EXPECT_EQ(doc.get("Empty", "k"), "padded value");
  EXPECT_EQ(doc.get("Other", "lines"), "one  two three");
  EXPECT_EQ(doc.to_string(),
            "[Empty]\r\n; only a comment\r\nk=padded value\r\n\r\n"
            "[Other]\r\nlines=one  two three\r\neq=a=b;c\r\nnothing=\r\n\r\n");
  expect_stable(doc);
}

TEST(IniDocumentWrite, NamesTheFileCannotHoldAreRefused) {
  IniDocument doc;
  for (const char* key : {"", "a=b", ";x", "[x", " x", "x ", "a\nb", "a\rb", "\xEF\xBB\xBFx"}) {
    EXPECT_FALSE(IniDocument::valid_key_name(key)) << key;
    EXPECT_THROW(doc.write_string("S", key, "1"), std::invalid_argument) << key;
  }
  for (const char* section : {"a]b", " a", "a\t", "a\nb"}) {
    EXPECT_FALSE(IniDocument::valid_section_name(section)) << section;
    EXPECT_THROW(doc.write_string(section, "k", "1"), std::invalid_argument) << section;
  }
  EXPECT_TRUE(doc.empty());  // nothing half-written
  EXPECT_TRUE(IniDocument::valid_key_name("Atk-Rtg"));
  EXPECT_TRUE(IniDocument::valid_key_name("a;b[c]"));
  EXPECT_TRUE(IniDocument::valid_section_name("1hWeapon"));
}

TEST(IniDocumentRoundTrip, MessyInputsSettleAfterOneWrite) {
  const std::string inputs[] = {
      "",
      "\n\n\r\r\n",
      "no sections at all\nk=v\n",
      "[A]\n[A]\n[a]\nx=1\n",
      "[A]x=1\n= \n ;\n[\n]\n[[]]\n",
      "[S\0x]\nk\0ey=va\0lue\n\0\n"s,
      "[S]\n\xEF\xBB\xBF \xEF\xBB\xBFk=\xEF\xBB\xBFv\n\xFF\xFE=\x80\x81\n",
      "   [  spaced  name  ]   \n   key   with   blanks   =   v a l   \n",
  };
  for (const std::string& input : inputs) {
    SCOPED_TRACE(testing::PrintToString(input));
    const IniDocument doc = IniDocument::parse(input);
    expect_stable(doc);
  }
  const IniDocument spaced = IniDocument::parse(inputs[7]);
  EXPECT_EQ(spaced.get("SPACED  NAME", "key   with   blanks"), "v a l");
}

TEST(IniDocumentRoundTrip, WrittenBuildReadsBackValueForValue) {
  IniDocument doc;
  doc.write_string("BrennickVersion", "Version", "0.2.1");
  doc.write_string("1hWeapon", "Atk-Rtg", "-12");
  doc.write_string("1hWeapon", "SpecMPRegen", "1,5");
  doc.write_string("2hWeapon", "SpecMPRegen", "2.5");
  doc.write_string("Armor", "Defense", "12.5abc");
  for (int n = 1; n <= 16; ++n) doc.write_string("SkillLevels", "Skill" + std::to_string(n), std::to_string(n % 11));
  const std::string bytes = doc.to_string();
  const IniDocument back = IniDocument::parse(bytes);
  EXPECT_EQ(back.get("1HWEAPON", "atk-rtg"), "-12");
  EXPECT_EQ(back.get("1hWeapon", "SpecMPRegen"), "1,5");
  EXPECT_EQ(back.get("2hWeapon", "SpecMPRegen"), "2.5");
  EXPECT_EQ(back.get("Armor", "Defense"), "12.5abc");
  EXPECT_EQ(back.keys("SkillLevels").size(), 16u);
  EXPECT_EQ(back.get("SkillLevels", "Skill16"), "5");
  EXPECT_EQ(back.to_string(), bytes);
}

// Sizes that a per-line quadratic step would turn into minutes.
TEST(IniDocumentRobustness, HugeAndHostileInputsParseInLinearTime) {
  // Every byte value, NUL included, in every position of a line.
  std::string binary;
  for (int i = 0; i < 256 * 64; ++i) binary += static_cast<char>((i * 167 + i / 256) & 0xFF);
  expect_stable(IniDocument::parse(binary));

  // A single line of 20 MB, as key, as section and as nonsense.
  const std::string big(20u << 20, 'x');
  EXPECT_EQ(IniDocument::parse("[S]\nk=" + big).get("S", "k")->size(), big.size());
  EXPECT_EQ(IniDocument::parse("[" + big).sections().front().size(), big.size());
  EXPECT_TRUE(IniDocument::parse(big).sections().empty());

  // 300000 keys in one section, then 300000 repeats of one section and
  // one key (lookups and the listing stay linear).
  std::string many = "[S]\n";
  for (int i = 0; i < 300'000; ++i) many += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  IniDocument doc = IniDocument::parse(many);
  EXPECT_EQ(doc.get("s", "K299999"), "299999");
  EXPECT_EQ(doc.keys("S").size(), 300'000u);
  doc.write_string("S", "new", "1");
  EXPECT_EQ(doc.keys("S").back(), "new");

  std::string repeats;
  for (int i = 0; i < 300'000; ++i) repeats += "[A]\nk=v\n";
  const IniDocument rep = IniDocument::parse(repeats);
  EXPECT_EQ(rep.sections(), Strings{"A"});
  EXPECT_EQ(rep.keys("A"), Strings{"k"});
  EXPECT_EQ(IniDocument::parse(rep.to_string()).to_string(), rep.to_string());

  // Millions of line ends alone.
  EXPECT_TRUE(IniDocument::parse(std::string(5'000'000, '\r')).empty());
  EXPECT_TRUE(IniDocument::parse(std::string(5'000'000, '\n')).empty());
}

class IniFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "brennick-ini-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(IniFileTest, MissingFileIsAnEmptyDocumentAndSavedFileLoadsBack) {
  const auto path = dir_ / "mybuild.brk";
  EXPECT_TRUE(load_ini_file(path).empty());
  EXPECT_TRUE(load_ini_file(dir_ / "no" / "such" / "folder.brk").empty());

  {
    std::ofstream out(path, std::ios::binary);
    out << "[Extra]\nmine=yes\n[CharacterStats]\nLevel=5\n";
  }
  IniDocument doc = load_ini_file(path);
  doc.write_string("CharacterStats", "Level", "6");
  save_ini_file(path, doc);
  const IniDocument back = load_ini_file(path);
  EXPECT_EQ(back.get("extra", "mine"), "yes");
  EXPECT_EQ(back.get("CharacterStats", "Level"), "6");
  EXPECT_EQ(back.to_string(), "[Extra]\r\nmine=yes\r\n\r\n[CharacterStats]\r\nLevel=6\r\n\r\n");
}

TEST_F(IniFileTest, OversizedFileAndFolderAreErrorsNamingThePath) {
  const auto path = dir_ / "big.brk";
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string(1001, 'a');
  }
  EXPECT_EQ(load_ini_file(path, 1001).to_string(), std::string(1001, 'a') + "\r\n\r\n");
  try {
    load_ini_file(path, 1000);
    ADD_FAILURE() << "no error for a file over the limit";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("larger than 1000 bytes"), std::string::npos) << e.what();
  }
  EXPECT_THROW(load_ini_file(dir_), FileError);
}

}  // namespace
}  // namespace brennick
