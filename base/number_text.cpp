#include "base/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "base/evaluation.h"

namespace brennick {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Decimal digits of |value| rounded to `sig` significant digits, with the
// decimal exponent of the first digit. value must be finite and non-zero.
struct Digits {
  std::string digits;  // exactly `sig` digits
  int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent+1)
};

// The same digits in a buffer of the caller, for the formats that build
// their text without allocating.
struct DigitBuf {
  char digits[24];
  int count = 0;
  int exponent = 0;
};

void significant_digits(long double value, int sig, DigitBuf& d) {
  char buf[64];
  const long double a = fabsl(value);
  const double as_double = static_cast<double>(a);
  const char* end;
  if (static_cast<long double>(as_double) == a) {
    // Most values are doubles (the stored values of the game): their exact
    // decimal expansion, correctly rounded, is what printf gives as well.
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, as_double, std::chars_format::scientific, sig - 1);
    end = r.ptr;
  } else {
    const int n = std::snprintf(buf, sizeof buf, "%.*Le", sig - 1, a);
    end = buf + std::min<int>(n, static_cast<int>(sizeof buf) - 1);
  }
  d.count = 0;
  d.exponent = 0;
  const char* p = buf;
  for (; p < end && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9' && d.count < static_cast<int>(sizeof d.digits)) d.digits[d.count++] = *p;
  if (p < end) {
    int e = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, e);
    d.exponent = e;
  }
}

Digits significant_digits(long double value, int sig) {
  DigitBuf b;
  significant_digits(value, sig, b);
  return {std::string(b.digits, static_cast<std::size_t>(b.count)), b.exponent};
}

}  // namespace

std::string int_text(std::int64_t value) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

bool is_int_text(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return false;
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return false;
  }
  return negative ? v <= 2147483648LL : v <= 2147483647LL;
}

std::int32_t int_of_text(std::string_view text, std::int32_t fallback) {
  if (!is_int_text(text)) return fallback;
  std::size_t i = 0;
  while (is_blank(text[i])) ++i;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  std::int64_t v = 0;
  for (; i < text.size(); ++i) v = v * 10 + (text[i] - '0');
  return static_cast<std::int32_t>(negative ? -v : v);
}

std::int32_t field_value(std::string_view text, std::int32_t minimum) {
  return is_int_text(text) ? int_of_text(text) : minimum;
}

long double ext_of_text(std::string_view text, const NumberFormat& fmt) {
  std::size_t b = 0, e = text.size();
  while (b < e && is_blank(text[b])) ++b;
  while (e > b && is_blank(text[e - 1])) --e;
  std::string plain;
  bool ok = b < e;
  bool digits = false, separator = false, exponent = false, exp_digits = false;
  for (std::size_t i = b; ok && i < e; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      plain.push_back(c);
      (exponent ? exp_digits : digits) = true;
    } else if ((c == '+' || c == '-') &&
               (i == b || (exponent && (text[i - 1] == 'e' || text[i - 1] == 'E')))) {
      plain.push_back(c);
    } else if (c == fmt.decimal && !separator && !exponent) {
      separator = true;
      plain.push_back('.');
    } else if ((c == 'e' || c == 'E') && digits && !exponent) {
      exponent = true;
      plain.push_back('e');
    } else {
      ok = false;
    }
  }
  ok = ok && digits && (!exponent || exp_digits);
  long double value = 0;
  if (ok) {
    char* end = nullptr;
    value = std::strtold(plain.c_str(), &end);
    ok = end && *end == '\0' && std::isfinite(value);
  }
  if (!ok) throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
  return value;
}

double real_of_text(std::string_view text, const NumberFormat& fmt) {
  return static_cast<double>(ext_of_text(text, fmt));
}

bool is_real_text(std::string_view text, const NumberFormat& fmt) {
  try {
    (void)ext_of_text(text, fmt);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

std::string format_general(long double value, const NumberFormat& fmt) {
  if (value == 0 || std::isnan(value)) return "0";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  // Whole numbers below 10^15 print as plain integers: the general format
  // gives them no separator, no exponent and no trailing zeros. (Below
  // 2^53 the double of such a number is the number itself.)
  if (fabsl(value) < 1e15L && value == trunc_x(value))
    return int_text(static_cast<std::int64_t>(static_cast<double>(value)));
  DigitBuf d;
  significant_digits(value, 15, d);
  int n = d.count;  // the digits without trailing zeros
  while (n > 0 && d.digits[n - 1] == '0') --n;
  char out[64];
  char* o = out;
  if (value < 0) *o++ = '-';
  auto put = [&](const char* from, int count) {
    for (int i = 0; i < count; ++i) *o++ = from[i];
  };
  if (d.exponent >= 15 || d.exponent < -5) {
    put(d.digits, n > 0 ? 1 : 0);
    if (n > 1) {
      *o++ = fmt.decimal;
      put(d.digits + 1, n - 1);
    }
    *o++ = 'E';
    *o++ = d.exponent < 0 ? '-' : '+';
    const int ax = std::abs(d.exponent);
    if (ax < 10) *o++ = '0';
    o = std::to_chars(o, out + sizeof out, ax).ptr;
  } else if (d.exponent >= 0) {
    const int int_digits = std::min(d.exponent + 1, d.count);
    put(d.digits, int_digits);
    if (n > int_digits) {
      *o++ = fmt.decimal;
      put(d.digits + int_digits, n - int_digits);
    }
  } else {
    *o++ = '0';
    *o++ = fmt.decimal;
    for (int i = 0; i < -d.exponent - 1; ++i) *o++ = '0';
    put(d.digits, n);
  }
  return std::string(out, o);
}

std::string format_fixed(long double value, int decimals, const NumberFormat& fmt) {
  if (std::isnan(value) || std::isinf(value)) return format_general(value, fmt);
  std::string intpart = "0", frac(decimals, '0');
  bool negative = false;
  if (value != 0) {
    negative = value < 0;
    Digits d = significant_digits(value, 18);
    // Place the digits: integer part has exponent+1 digits.
    std::string all;  // digits of integer and fraction, fraction padded to decimals+1
    int int_digits = d.exponent + 1;
    std::string ip, fp;
    if (int_digits > 0) {
      ip = d.digits.substr(0, std::min<std::size_t>(int_digits, d.digits.size()));
      while (static_cast<int>(ip.size()) < int_digits) ip.push_back('0');
      fp = int_digits < static_cast<int>(d.digits.size()) ? d.digits.substr(int_digits) : "";
    } else {
      ip = "0";
      fp = std::string(-int_digits, '0') + d.digits;
    }
    while (static_cast<int>(fp.size()) < decimals + 1) fp.push_back('0');
    const bool up = fp[decimals] >= '5';
    std::string kept = ip + fp.substr(0, decimals);
    if (up) {
      int i = static_cast<int>(kept.size()) - 1;
      for (; i >= 0; --i) {
        if (kept[i] == '9') {
          kept[i] = '0';
        } else {
          ++kept[i];
          break;
        }
      }
      if (i < 0) kept.insert(kept.begin(), '1');
    }
    intpart = kept.substr(0, kept.size() - decimals);
    frac = kept.substr(kept.size() - decimals);
    std::size_t nz = intpart.find_first_not_of('0');
    intpart = nz == std::string::npos ? "0" : intpart.substr(nz);
    if (intpart == "0" && frac.find_first_not_of('0') == std::string::npos) negative = false;
  }
  std::string out = (negative ? "-" : "") + intpart;
  if (decimals > 0) out += fmt.decimal + frac;
  return out;
}

std::string format_grouped(long double value, const NumberFormat& fmt) {
  std::string digits = format_fixed(value, 0, fmt);
  bool negative = !digits.empty() && digits[0] == '-';
  if (negative) digits.erase(0, 1);
  if (digits == "0") return "";
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    out.push_back(digits[i]);
    int rest = n - 1 - i;
    if (rest > 0 && rest % 3 == 0) out.push_back(fmt.thousands);
  }
  return (negative ? "-" : "") + out;
}

std::string display_res(std::int8_t first, std::int8_t second) {
  if (first == second) return " " + int_text(first);
  return int_text(first) + " - " + int_text(second);
}

}  // namespace brennick
