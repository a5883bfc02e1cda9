// What the window's first conversion of a run makes of a version-2005 file:
// writes the version-2006 file and prints the status line (in English) that
// the window then shows, for comparing the window and its pictures.
//
//   ign_e2e_expected INPUT OUTPUT
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "params/Convert.h"
#include "report/Reporter.h"
#include "ui/core/StatusReport.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: ign_e2e_expected INPUT OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string out;
  ign::TReporter reporter;
  ign::TParameterSet written;
  if (!in || !ign::ConvertFresh(text, out, &reporter, &written)) {
    std::cerr << argv[1] << ": no version-2005 file\n";
    return 1;
  }
  std::ofstream(argv[2], std::ios::binary) << out;
  ign::TStatusReport status;
  status.Record(argv[1], reporter, written);
  std::cout << status.Line() << '\n';
  return 0;
}
