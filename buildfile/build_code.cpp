#include "buildfile/build_code.h"

#include <zlib.h>

#include <array>
#include <charconv>
#include <span>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "buildfile/build_file.h"

namespace brennick {
namespace {

// --- the body ------------------------------------------------------------------
//
// Every value is one token, an unsigned LEB128 number t:
//   t = 0        the key is missing
//   t = 1        a text follows: its length (LEB128) and its bytes
//   t = 2        the text kBuildVersion
//   t = 3 + u    a number text: u = zigzag(m) * 4 + d, the text being the
//                integer m with a comma before its last d digits (d 0..3),
//                written as int_text writes it ("-0,5", "15,0", "700")
// The known keys follow each other in table order: build_keys() without
// the version key's section name repeated, then active_keys(). Then the
// other keys: their number of sections, and per section its name (a text),
// its number of keys, and per key its name (a text) and its value (a token).

constexpr std::uint64_t kMissing = 0, kText = 1, kVersionText = 2, kFirstNumber = 3;

struct KnownKey {
  std::string_view section, key;
};

const std::vector<KnownKey>& known_keys() {
  static const std::vector<KnownKey> keys = [] {
    std::vector<KnownKey> k;
    for (const BuildKey& b : build_keys()) k.push_back({b.section, b.key});
    for (const std::string& name : active_keys()) k.push_back({kActiveSection, name});
    return k;
  }();
  return keys;
}


// A key of the table or of the active-effects section (letter case ignored).
bool is_known(std::string_view section, std::string_view key) {
  if (find_build_key(section, key)) return true;
  if (!same_ini_name(section, kActiveSection)) return false;
  for (const std::string& name : active_keys())
    if (same_ini_name(name, key)) return true;
  return false;
}

void put_number(std::string& out, std::uint64_t v) {
  while (v >= 0x80) {
    out += static_cast<char>((v & 0x7F) | 0x80);
    v >>= 7;
  }
  out += static_cast<char>(v);
}

void put_text(std::string& out, std::string_view text) {
  put_number(out, text.size());
  out += text;
}

// The text of a number token.
std::string number_text(std::int64_t m, int d) {
  if (d == 0) return int_text(m);
  const bool negative = m < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(m) : static_cast<std::uint64_t>(m);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < static_cast<std::size_t>(d) + 1) digits.insert(0, static_cast<std::size_t>(d) + 1 - digits.size(), '0');
  digits.insert(digits.size() - static_cast<std::size_t>(d), 1, ',');
  return negative ? "-" + digits : digits;
}

// The number token of a text, when the text is exactly what number_text
// writes for it.
std::optional<std::uint64_t> number_token(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  const std::size_t comma = text.find(',');
  const int d = comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
  if (d > 3) return std::nullopt;
  std::string digits(text);
  if (comma != std::string_view::npos) digits.erase(comma, 1);
  std::int64_t m = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), m);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (number_text(m, d) != text) return std::nullopt;
  const std::uint64_t zigzag = (static_cast<std::uint64_t>(m) << 1) ^ static_cast<std::uint64_t>(m >> 63);
  if (zigzag > (UINT64_MAX - kFirstNumber) / 4) return std::nullopt;
  return kFirstNumber + zigzag * 4 + static_cast<std::uint64_t>(d);
}

void put_value(std::string& out, const std::optional<std::string>& value) {
  if (!value) return put_number(out, kMissing);
  if (*value == kBuildVersion) return put_number(out, kVersionText);
  if (const auto token = number_token(*value)) return put_number(out, *token);
  put_number(out, kText);
  put_text(out, *value);
}

// Reads a body; every fault is a BuildCodeError.
class BodyReader {
 public:
  explicit BodyReader(std::string_view bytes) : bytes_(bytes) {}

  std::uint64_t number() {
    std::uint64_t v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (at_ >= bytes_.size()) malformed();
      const auto byte = static_cast<unsigned char>(bytes_[at_++]);
      const std::uint64_t part = byte & 0x7F;
      if (shift == 63 && part > 1) malformed();
      v |= part << shift;
      if (!(byte & 0x80)) return v;
    }
    malformed();
  }
  std::string text() {
    const std::uint64_t n = number();
    if (n > bytes_.size() - at_) malformed();
    std::string t(bytes_.substr(at_, n));
    at_ += n;
    return t;
  }
  std::optional<std::string> value() {
    const std::uint64_t t = number();
    if (t == kMissing) return std::nullopt;
    if (t == kText) return text();
    if (t == kVersionText) return std::string(kBuildVersion);
    const std::uint64_t u = t - kFirstNumber;
    const std::uint64_t zigzag = u / 4;
    const auto m = static_cast<std::int64_t>((zigzag >> 1) ^ (0 - (zigzag & 1)));
    return number_text(m, static_cast<int>(u % 4));
  }
  bool done() const { return at_ == bytes_.size(); }
  [[noreturn]] static void malformed() { throw BuildCodeError("Damaged build code: its content is not a build"); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

std::string body_of(const IniDocument& doc) {
  std::string body;
  for (const KnownKey& k : known_keys()) put_value(body, doc.get(k.section, k.key));
  std::vector<std::pair<std::string, std::vector<std::string>>> others;
  for (const std::string& section : doc.sections()) {
    std::vector<std::string> keys;
    for (const std::string& key : doc.keys(section))
      if (!is_known(section, key)) keys.push_back(key);
    if (!keys.empty()) others.emplace_back(section, std::move(keys));
  }
  put_number(body, others.size());
  for (const auto& [section, keys] : others) {
    put_text(body, section);
    put_number(body, keys.size());
    for (const std::string& key : keys) {
      put_text(body, key);
      put_value(body, doc.get(section, key));
    }
  }
  return body;
}

IniDocument document_of_body(std::string_view body) {
  BodyReader in(body);
  IniDocument doc;
  for (const KnownKey& k : known_keys())
    if (const std::optional<std::string> v = in.value()) doc.write_string(k.section, k.key, *v);
  const std::uint64_t sections = in.number();
  for (std::uint64_t s = 0; s < sections; ++s) {
    const std::string section = in.text();
    const std::uint64_t keys = in.number();
    if (keys == 0 || !IniDocument::valid_section_name(section)) BodyReader::malformed();
    for (std::uint64_t k = 0; k < keys; ++k) {
      const std::string key = in.text();
      const std::optional<std::string> value = in.value();
      // A writer writes each other key once, with its value, and no known one.
      if (!value || !IniDocument::valid_key_name(key) || is_known(section, key) || doc.has_key(section, key))
        BodyReader::malformed();
      doc.write_string(section, key, *value);
    }
  }
  if (!in.done()) BodyReader::malformed();
  return doc;
}

// --- compression ---------------------------------------------------------------

std::string deflated(std::string_view bytes) {
  z_stream z{};
  if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) throw std::bad_alloc();
  std::string out(deflateBound(&z, bytes.size()), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(bytes.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int r = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (r != Z_STREAM_END) throw std::runtime_error("build code: compression failed");
  return out;
}

[[noreturn]] void too_large() { throw BuildCodeError("Build code refused: it would expand past 64 KiB"); }

// Inflates at most kMaxBuildCodeBytes; a stream that would give more is
// refused as soon as it passes the limit.
std::string inflated(std::string_view bytes) {
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) throw std::bad_alloc();
  std::string out(kMaxBuildCodeBytes + 1, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(bytes.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int r = inflate(&z, Z_FINISH);
  const std::size_t produced = z.total_out;
  const bool all_input_used = z.avail_in == 0;
  inflateEnd(&z);
  if (produced > kMaxBuildCodeBytes) too_large();
  if (r != Z_STREAM_END || !all_input_used) BodyReader::malformed();
  out.resize(produced);
  return out;
}

// --- text ----------------------------------------------------------------------

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string base64url(std::string_view bytes) {
  std::string out;
  std::uint32_t bits = 0;
  int count = 0;
  for (char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      out += kAlphabet[(bits >> count) & 0x3F];
    }
  }
  if (count > 0) out += kAlphabet[(bits << (6 - count)) & 0x3F];
  return out;
}

int sextet(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '-') return 62;
  if (c == '_') return 63;
  return -1;
}

std::uint32_t crc_of(std::string_view bytes) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

[[noreturn]] void bad_checksum() {
  throw BuildCodeError("Damaged or incomplete build code: its checksum does not match");
}

}  // namespace

std::string build_code_of(const IniDocument& doc) {
  const std::string body = body_of(doc);
  const std::string packed = deflated(body);
  std::string bytes;
  bytes += static_cast<char>(kBuildCodeVersion);
  const bool compress = packed.size() < body.size();
  bytes += static_cast<char>(compress ? 1 : 0);
  bytes += compress ? packed : body;
  return frame_build_code(std::move(bytes));
}

std::string frame_build_code(std::string bytes) {
  const std::uint32_t crc = crc_of(bytes);
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((crc >> shift) & 0xFF);
  return std::string(kBuildCodePrefix) + base64url(bytes);
}

IniDocument document_of_build_code(std::string_view code) {
  std::string text;
  for (char c : code)
    if (static_cast<unsigned char>(c) > ' ') text += c;
  if (!text.starts_with(kBuildCodePrefix))
    throw BuildCodeError("Not a build code: a build code begins with \"" + std::string(kBuildCodePrefix) + "\"");
  const std::string_view letters = std::string_view(text).substr(kBuildCodePrefix.size());
  // Two bytes of head and four of checksum around a body of at most the limit.
  if (letters.size() > (kMaxBuildCodeBytes + 6) * 4 / 3 + 4) too_large();
  std::string bytes;
  std::uint32_t bits = 0;
  int count = 0;
  for (char c : letters) {
    const int v = sextet(c);
    if (v < 0) throw BuildCodeError("Damaged build code: it holds a character that no build code has");
    bits = (bits << 6) | static_cast<std::uint32_t>(v);
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  // Left-over bits are what the writer pads with: fewer than a byte, all 0.
  if (count >= 6 || (bits & ((1u << count) - 1)) != 0) bad_checksum();
  if (bytes.size() < 6) bad_checksum();
  const std::string_view head = std::string_view(bytes).substr(0, bytes.size() - 4);
  std::uint32_t stored = 0;
  for (std::size_t i = bytes.size() - 4; i < bytes.size(); ++i) stored = (stored << 8) | static_cast<unsigned char>(bytes[i]);
  if (crc_of(head) != stored) bad_checksum();
  const auto version = static_cast<unsigned char>(head[0]);
  if (version != kBuildCodeVersion)
    throw BuildCodeError("Build code of another version (" + std::to_string(version) + "): this planner reads version " +
                         std::to_string(kBuildCodeVersion));
  const auto packing = static_cast<unsigned char>(head[1]);
  const std::string_view payload = head.substr(2);
  if (packing == 0) {
    if (payload.size() > kMaxBuildCodeBytes) too_large();
    return document_of_body(payload);
  }
  if (packing != 1) BodyReader::malformed();
  return document_of_body(inflated(payload));
}

std::string build_code_of_sheet(const Calculator& calc) {
  IniDocument doc;
  write_build(calc, doc);
  return build_code_of(doc);
}

}  // namespace brennick
