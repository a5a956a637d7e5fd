#pragma once

#include <string>
#include <string_view>

// Paths stored by shows made on Windows use backslashes and may differ in letter case from the
// files on disk. These helpers turn them into the path this system opens.

// Both the backslash and the slash separate folders.
bool IsPathSeparator(char c);

// The part of path up to and including its last separator, or its drive colon ("C:"); empty
// when it has neither.
std::string FolderOf(std::string_view path);

// Every separator becomes '/', and a run of separators becomes one.
std::string NormalizePath(std::string_view path);

// The normalized path; when no file exists there, each component that does not exist as written
// is matched against its folder's entries without regard to letter case.
std::string ResolvePath(std::string_view path);
