#include "ui/Jazyk2.h"

#include "ui/Hlav.h"
#include "ui/Language.h"
#include "ui/TextRow.h"

namespace ign {
namespace {

struct TMessageTable {
  TTextRow open_file_error;
  TTextRow unmatched_ign_version;
  TTextRow write_file_error;
};

// The German and French wording is the product's own, spelling included.
constexpr TMessageTable kMessages{
    {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!"},
    {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
     "Programme du fichier non compatible avec programme PC!"},
    {"Write file error!", "Fehler beim Schreiben der Datei!", "Erreur écriture fichier!"},
};

}  // namespace

void LoadMessageTexts(TFormHlav& form) {
  const std::uint8_t language = LanguageIndex;
  form.MsgOpenFileError = kMessages.open_file_error.In(language);
  form.MsgUnmatchedIgnVersion = kMessages.unmatched_ign_version.In(language);
  form.MsgWriteFileError = kMessages.write_file_error.In(language);
}

}  // namespace ign
