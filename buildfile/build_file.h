// Build files (`.brk`): saving the character sheet and loading it back.
//
// A build file is an INI text (buildfile/ini_document.h) holding what the
// input controls of the main window show: class, level, statistics, every
// equipment box, the row of each item list, weapon kinds and speeds, quests
// and skill levels. Decimals are always written with a comma, whatever the
// locale, so a file loads on machines with either separator.
//
// Saving never leaves a half-written build: the new text goes to a temporary
// file that replaces the old one only when it is complete (see
// write_file_atomically). Saving over an existing file keeps its sections and
// keys that the planner does not know.
//
// Loading takes any file: a key that is missing or does not hold a value of
// its kind takes its default, number fields clamp their values, and rows a
// list does not have leave the list with no selection.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "buildfile/ini_document.h"
#include "base/safe_file.h"
#include "engine/calculator.h"

namespace brennick {

// How a key's value is written and read.
enum class BuildKeyKind : std::uint8_t {
  Version,      // the constant kBuildVersion; never read
  Row,          // selected row of a drop-down list (-1 = none)
  Int,          // value of a number field
  IntText,      // text of an integer box as typed; read back as an integer
  DecimalText,  // text of a decimal box, with a comma as separator
  Bool,         // check box: "1" or "0"
};

struct BuildKey {
  std::string_view section;
  std::string_view key;
  BuildKeyKind kind;
  Ctl control;            // Ctl::Count_ for the version
  std::int32_t fallback;  // read when the key is missing (Row, Int, IntText, Bool)
};

inline constexpr std::string_view kBuildVersion = "0.2.1";
inline constexpr std::string_view kBuildFilter = "*.brk|*.brk";
inline constexpr std::string_view kBuildExtension = ".brk";

// Every key of a build file, in the order a save writes them.
std::span<const BuildKey> build_keys();

// The key of a section and key name (letter case ignored); nothing when the
// planner does not know it.
const BuildKey* find_build_key(std::string_view section, std::string_view key);

// Decimal text of the sheet -> text of the file: with a point locale every
// "." becomes ","; with a comma locale the text stays as it is.
std::string dot_to_comma(const Calculator& calc, std::string_view text);

// Text of the file -> decimal text of the sheet: with a point locale every
// "," becomes "."; a result that is no number of the locale (or is exactly
// -2147483648) becomes "0".
std::string comma_to_dot(const Calculator& calc, std::string_view text);

// The name with its extension replaced by ".brk" (a name without one gets
// ".brk" appended). Only the last path component's extension counts, and a
// leading dot of a file name is not an extension.
std::string with_build_extension(std::string_view name);

// A file name as the label `lbl_filename` shows it: every occurrence of the
// program's folder followed by a separator removed, so a build in or below
// that folder shows by its relative path.
std::string shown_file_name(std::string_view app_dir, std::string_view name);

// --- saving ----------------------------------------------------------------

// Sets every key of the table in `doc` from the sheet, in table order, then
// the keys of kActiveSection.
void write_build(const Calculator& calc, IniDocument& doc);

// Saves the sheet to `path` (the name as it is: no extension change): reads
// the existing file, sets the keys, and writes the whole text in one piece.
// Throws FileError; the previous file is then unchanged.
void save_build_file(const Calculator& calc, const std::filesystem::path& path,
                     const AtomicWriteHooks& hooks = {});

enum class SaveOutcome { Saved, Cancelled, Failed };

// The Save command (menu "Save Character", tool button, and the Yes answer
// of the close question): asks for a name, saves under that name with the
// extension ".brk", and shows the chosen name in `lbl_filename`. A failure
// is reported like any error of an event (status bar and error log, with
// `sender` as the control); the previous file stays intact.
SaveOutcome file_saveClick(Calculator& calc, Ctl sender = Ctl::MainMenu_file_save,
                           const AtomicWriteHooks& hooks = {});

// --- loading ---------------------------------------------------------------

// --- what the sheet shows beyond the stored fields -------------------------

// The section that keeps the force orb (`ForceOrb`, the row of
// Select_ForceOrb), the buffs cast on the character (`CastOn1` .. `CastOn8`,
// their levels; `CastOn1On` .. `CastOn8On` but not `CastOn3On`, their
// switches) and the timed-skill switches (`Skill1On` .. `Skill16On`). Other
// readers of build files ignore it.
inline constexpr std::string_view kActiveSection = "ActiveEffects";

// Keys of kActiveSection in the order a save writes them.
std::span<const std::string> active_keys();

// Writes kActiveSection from the sheet and the calculation state.
void write_active_effects(const Calculator& calc, IniDocument& doc);

// Restores what kActiveSection holds: each key present with an integer sets
// its control or switch (levels clamp to their field; -1 selects no force
// orb, and a row the list does not have is ignored); missing keys leave theirs as they are. A
// document without the section changes nothing.
void restore_active_effects(Calculator& calc, const IniDocument& doc);

// Copies a build into the sheet (the steps between choosing the file and
// releasing it), in the order the item handlers need: the class first, so
// the armour list holds its rows; each item handler before its slot's
// boxes, so the stored values win. Writes controls only; starts no pass.
void apply_build(Calculator& calc, const IniDocument& doc);

// apply_build, then restore_active_effects: everything a build document
// holds, copied into the sheet. Writes controls only; starts no pass.
void apply_build_document(Calculator& calc, const IniDocument& doc);

// The load branch of the pass: choose a file, copy it into the sheet
// (apply_build_document), show its name.
void file_loadClick(Calculator& calc);

// The load branch of the pass for every source: a pasted build code's
// document when `pasted` is given (copied into the sheet, the label shows
// "none": it comes from no file), else the file the open dialog chooses
// (file_loadClick).
void load_branch(Calculator& calc, const IniDocument* pasted);

}  // namespace brennick
