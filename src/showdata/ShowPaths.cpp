#include "showdata/ShowPaths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
}

// Compares UTF-8 names with ASCII letters folded; other characters must match exactly.
bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

// The entry of folder whose name equals name without regard to case, if there is one.
std::string MatchInFolder(const fs::path& folder, const std::string& name) {
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
  if (error) return {};
  for (const auto& entry : entries) {
    const std::string candidate = entry.path().filename().string();
    if (SameNameIgnoringCase(candidate, name)) return candidate;
  }
  return {};
}

}  // namespace

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string FolderOf(std::string_view path) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsPathSeparator(path[i])) end = i + 1;
  }
  const bool driveColon = path.size() >= 2 && path[1] == ':' &&
                          ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (end == 0 && driveColon) end = 2;
  return std::string(path.substr(0, end));
}

std::string NormalizePath(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (const char c : path) {
    if (!IsPathSeparator(c)) {
      out += c;
    } else if (out.empty() || out.back() != '/') {
      out += '/';
    }
  }
  return out;
}

std::string ResolvePath(std::string_view path) {
  const std::string normalized = NormalizePath(path);
  if (normalized.empty() || Exists(normalized)) return normalized;
  fs::path resolved;
  for (const auto& part : fs::path(normalized)) {
    const fs::path exact = resolved / part;
    if (part == "/" || Exists(exact)) {
      resolved = exact;
      continue;
    }
    const std::string match = MatchInFolder(resolved, part.string());
    if (match.empty()) return normalized;
    resolved /= match;
  }
  return resolved.string();
}
