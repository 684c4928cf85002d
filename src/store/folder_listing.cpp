// src/store/folder_listing.cpp
#include "store/folder_listing.h"

#include "store/gbk_text.h"

namespace folder_listing {

bool WildcardMatches(std::string_view pattern, std::string_view name) {
  const GbkText p = gbk::AsciiLower(pattern);
  const GbkText n = gbk::AsciiLower(name);
  // Greedy match with one backtrack point: the last "*" seen.
  size_t pi = 0, ni = 0, starP = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace folder_listing
