#include "host/StartModes.h"

int main(int argc, char** argv) {
  return RunShowSaver(argc, argv);
}
