#include "ui/Jazyk1.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ui/Hlav.h"
#include "ui/Jazyk2.h"
#include "ui/Language.h"
#include "ui/StatusReport.h"
#include "ui/TextRow.h"

namespace ign {
namespace {

// Captions of the main window, English, German, French. The French window
// caption and "Converted to" are the English texts on purpose: the product has
// always shown them so.
struct TCaptionTable {
  TTextRow window;
  TTextRow menu_file;
  TTextRow menu_open;
  TTextRow menu_exit;
  TTextRow menu_language;
  TTextRow menu_english;
  TTextRow menu_german;
  TTextRow menu_french;
  TTextRow label_file;
  TTextRow label_converted;
};

constexpr TCaptionTable kCaptions{
    {"Converter *.ign file Version 2005 to Version 2006",
     "Verwandlung *.ign Version 2005 zu Version 2006",
     "Converter *.ign file Version 2005 to Version 2006"},
    {"&File", "&Datei", "&Fichier"},
    {"&Open", "&Öffnen", "&Ouvrir"},
    {"E&xit", "&Beenden", "&Sortir"},
    {"&Language", "&Sprache", "&Langue"},
    {"&English", "&Englisch", "&Englais"},
    {"&German", "&Deutsch", "&Allemand"},
    {"&French", "&Französisch", "&Francais"},
    {"File:", "Datei:", "Fichier:"},
    {"Converted to", "verändert in", "Converted to"},
};

}  // namespace

void ApplyLanguage(TFormHlav& form) {
  const std::uint8_t language = LanguageIndex;
  // Independent check items: all three are set every time, so exactly one
  // stays checked even when the user picks the current language again.
  form.MenuEnglish->setChecked(language == kEnglish);
  form.MenuGerman->setChecked(language == kGerman);
  form.MenuFrench->setChecked(language == kFrench);

  form.setWindowTitle(kCaptions.window.In(language));
  form.MenuFile->setTitle(kCaptions.menu_file.In(language));
  form.MenuOpen->setText(kCaptions.menu_open.In(language));
  form.MenuExit->setText(kCaptions.menu_exit.In(language));
  form.MenuLanguage->setTitle(kCaptions.menu_language.In(language));
  form.MenuEnglish->setText(kCaptions.menu_english.In(language));
  form.MenuGerman->setText(kCaptions.menu_german.In(language));
  form.MenuFrench->setText(kCaptions.menu_french.In(language));

  form.LabelFile1->setText(kCaptions.label_file.In(language));
  form.LabelFile4->setText(kCaptions.label_file.In(language));
  form.LabelFile3->setText(kCaptions.label_converted.In(language));
  for (QLabel* label : {form.LabelFile1, form.LabelFile3, form.LabelFile4}) label->adjustSize();

  form.StatusReport->ApplyLanguage();
  LoadMessageTexts(form);
}

}  // namespace ign
