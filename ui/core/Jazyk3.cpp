#include "ui/core/Jazyk3.h"

#include "report/TextReport.h"
#include "texts/Texts.h"

namespace ign {

std::string StatusLine(const TReasonCounts& counts, std::uint8_t language) {
  std::string said = UnexpectedText(counts, language);
  // A sentence of its own: every language's words start with a digit or an
  // ASCII letter.
  if (!said.empty() && said.front() >= 'a' && said.front() <= 'z') {
    said.front() = static_cast<char>(said.front() - 'a' + 'A');
  }
  return std::string(TextOf(TText::kStatusConverted, language)) + " " + said + ".";
}

}  // namespace ign
