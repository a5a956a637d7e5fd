#include <iostream>
#include <string>
#include <vector>

#include "FxRender.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunFxRender(args, std::cout, std::cerr);
}
