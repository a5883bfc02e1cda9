#include "ui/core/Jazyk2.h"

#include "ui/core/Hlav.h"
#include "ui/core/Language.h"
#include "ui/core/TextRow.h"

namespace ign {
namespace {

// In the order of TMessage. The German and French wording is the product's
// own, spelling included.
constexpr TTextRow kMessages[] = {
    {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!"},
    {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
     "Programme du fichier non compatible avec programme PC!"},
    {"Write file error!", "Fehler beim Schreiben der Datei!", "Erreur écriture fichier!"},
};

}  // namespace

std::string_view MessageIn(TMessage message, std::uint8_t language) {
  return kMessages[static_cast<std::size_t>(message)].In(language);
}

void LoadMessageTexts(TFormHlavBase& form) {
  const std::uint8_t language = LanguageIndex;
  form.MsgOpenFileError = MessageIn(TMessage::kOpenFileError, language);
  form.MsgUnmatchedIgnVersion = MessageIn(TMessage::kUnmatchedIgnVersion, language);
  form.MsgWriteFileError = MessageIn(TMessage::kWriteFileError, language);
}

}  // namespace ign
