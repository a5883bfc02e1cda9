#include "cli/Program.h"
#include "files/Input.h"

int main(int argc, char** argv) {
  ign::GuardStandardStreams();
  return ign::RunProgram(argc, argv);
}
