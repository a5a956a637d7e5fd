#pragma once

#include <string>

// The configuration tool's path as the authoring tool records it: key "T" of "vornhelm.conf",
// looked up in $XDG_CONFIG_HOME (default ~/.config), then in each folder of $XDG_CONFIG_DIRS
// (default /etc/xdg). The first file that holds the key wins. Missing file, key or value read
// as empty text. Nothing is ever written.
std::string ReadConfigToolPath();
