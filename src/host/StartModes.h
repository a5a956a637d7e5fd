#pragma once

// The process: reads the command line once and runs the show in the mode it asks for.
// Returns the process's exit status.
int RunShowSaver(int argc, char** argv);
