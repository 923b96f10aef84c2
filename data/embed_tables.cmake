# Writes OUT, a C++ source holding the text of every file in TABLES.
string(REPLACE "|" ";" TABLES "${TABLES}")
set(_body "")
foreach(_file IN LISTS TABLES)
  get_filename_component(_name ${_file} NAME_WE)
  file(READ ${_file} _text)
  string(APPEND _body "    {\"${_name}\", R\"brennick_table(${_text})brennick_table\"},\n")
endforeach()
file(WRITE ${OUT}.tmp
"// Generated from data/tables/*.tsv at build time; do not edit.\n"
"#include \"data/embedded_tables.h\"\n\n"
"namespace brennick {\n"
"namespace {\n"
"struct Entry { std::string_view name; std::string_view text; };\n"
"const Entry kEntries[] = {\n"
"    {\"\", \"\"},\n"
"${_body}};\n"
"}  // namespace\n\n"
"std::optional<std::string_view> embedded_table(std::string_view name) {\n"
"  for (const Entry& e : kEntries)\n"
"    if (!e.name.empty() && e.name == name) return e.text;\n"
"  return std::nullopt;\n"
"}\n\n"
"}  // namespace brennick\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
