// Writes the version-2006 file that the window's first conversion of a run
// produces from a version-2005 file, for comparing the window's output.
//
//   ign_e2e_expected INPUT OUTPUT
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "params/Convert.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: ign_e2e_expected INPUT OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string out;
  if (!in || !ign::ConvertFresh(text, out)) {
    std::cerr << argv[1] << ": no version-2005 file\n";
    return 1;
  }
  std::ofstream(argv[2], std::ios::binary) << out;
  return 0;
}
