#pragma once

#include <ostream>
#include <string>
#include <vector>

// The fxrender command: args are the arguments after the program name. Answers the exit
// status: 0 on success, 1 when the input is bad or a file cannot be read or written (with a
// message on err), 2 for a command line it does not understand (with the usage on err).
int RunFxRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
