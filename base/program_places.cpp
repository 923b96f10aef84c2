#include "base/program_places.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brennick {

namespace fs = std::filesystem;

namespace {

std::string env_text(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// An XDG variable counts only when it holds an absolute path.
std::string xdg_or(const std::string& value, const std::string& home, const char* fallback) {
  if (!value.empty() && fs::path(value).is_absolute()) return value;
  return (fs::path(home) / fallback).string();
}

bool is_dir(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

ProgramPlaces& current_places() {
  static ProgramPlaces places = find_program_places(".", PlaceEnvironment::of_process());
  return places;
}

}  // namespace

PlaceEnvironment PlaceEnvironment::of_process() {
  return {env_text("HOME"), env_text("XDG_STATE_HOME"), env_text("XDG_DATA_HOME"), env_text("XDG_DOCUMENTS_DIR")};
}

ProgramPlaces find_program_places(const std::string& program_dir, const PlaceEnvironment& env) {
  ProgramPlaces p;
  const fs::path dir(program_dir);
  const fs::path share = (dir / ".." / "share" / "brennick").lexically_normal();
  p.home_dir = env.home;
  p.tables_dir = (fs::path(xdg_or(env.xdg_data_home, env.home, ".local/share")) / "brennick" / "tables").string();
  p.installed = !is_dir(dir / "images") && is_dir(share);
  if (!p.installed) {
    p.data_dir = p.log_dir = p.documents_dir = program_dir;
    return p;
  }
  p.data_dir = share.string();
  p.log_dir = (fs::path(xdg_or(env.xdg_state_home, env.home, ".local/state")) / "brennick").string();
  if (!env.xdg_documents_dir.empty() && fs::path(env.xdg_documents_dir).is_absolute()) {
    p.documents_dir = (fs::path(env.xdg_documents_dir) / "Brennick").string();
    p.make_documents_dir = true;
  } else {
    p.documents_dir = env.home;
  }
  return p;
}

std::string dialog_start_folder(const ProgramPlaces& places) {
  if (!places.make_documents_dir) return places.documents_dir;
  std::error_code ec;
  fs::create_directories(places.documents_dir, ec);
  return is_dir(places.documents_dir) ? places.documents_dir : places.home_dir;
}

const ProgramPlaces& program_places() { return current_places(); }

void set_program_places(ProgramPlaces places) { current_places() = std::move(places); }

std::string installed_log_dir() { return program_places().installed ? program_places().log_dir : std::string(); }

}  // namespace brennick
