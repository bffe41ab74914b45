#include "protocol/parse.h"

#include <charconv>

namespace morvel {

bool parseInt(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool parseIntList(std::string_view text, int count, int* values) {
  for (int i = 0; i < count; ++i) {
    const auto comma = i + 1 < count ? text.find(',') : std::string_view::npos;
    if (i + 1 < count && comma == std::string_view::npos) return false;
    if (!parseInt(text.substr(0, comma), values[i])) return false;
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return true;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace morvel
