// Build codes: a build file as one short line of text, to paste into a chat.
//
// A build code holds what a build file holds: the value of every key of the
// file's table (build_keys) and of the active-effects section
// (active_keys), each as it is written, or missing; and every other key of
// every other section, by name. Comments and lines that mean nothing are not
// kept; of a key present several times the one that counts is kept.
//
// Layout: the text "BRK-" followed by base64url (A-Z a-z 0-9 - _, no
// padding) of
//   byte 0      format version (kBuildCodeVersion)
//   byte 1      0: the body as it is, 1: the body compressed (raw deflate)
//   body        the values of the known keys in table order, then the
//               other keys (see build_code.cpp)
//   4 bytes     CRC-32 of everything before, most significant byte first.
// Blanks and line breaks anywhere in the text are ignored, so a code that a
// chat wrapped still reads.
//
// The reader refuses, with a message saying why: a text without the prefix
// (foreign), a character outside the alphabet or a checksum that does not
// match (damaged or truncated), another format version, a body that would
// expand past kMaxBuildCodeBytes, and a body that is not what a writer
// writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "buildfile/ini_document.h"
#include "engine/calculator.h"

namespace brennick {

inline constexpr std::string_view kBuildCodePrefix = "BRK-";
inline constexpr std::uint8_t kBuildCodeVersion = 1;
// The largest body a code may expand to.
inline constexpr std::size_t kMaxBuildCodeBytes = 64u * 1024u;

// A code the reader refuses; what() says why.
class BuildCodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The code of a build document.
std::string build_code_of(const IniDocument& doc);

// The code around raw bytes (version, packing and body): their CRC-32
// appended, then the prefix and base64url. build_code_of frames what it
// writes with it; tests frame bodies of their own choosing.
std::string frame_build_code(std::string bytes);

// The build document of a code. Throws BuildCodeError.
IniDocument document_of_build_code(std::string_view code);

// The code of the sheet: what "Save Character" would write to a new file.
std::string build_code_of_sheet(const Calculator& calc);

}  // namespace brennick
