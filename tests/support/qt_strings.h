// A UTF-8 text of the core as the windows' QString.
#pragma once

#include <QString>
#include <string_view>

namespace brennick::test_support {

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace brennick::test_support
