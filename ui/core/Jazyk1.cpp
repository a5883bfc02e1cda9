#include "ui/core/Jazyk1.h"

#include "ui/core/Hlav.h"
#include "ui/core/Jazyk2.h"
#include "ui/core/Jazyk3.h"
#include "ui/core/Language.h"
#include "ui/core/TextRow.h"

namespace ign {
namespace {

struct TCaption {
  TControl control;
  TTextRow text;
};

constexpr TTextRow kFileLabel{"File:", "Datei:", "Fichier:"};

// In the order they are set. The French window caption and "Converted to"
// are the English texts on purpose: the product has always shown them so.
constexpr TCaption kCaptions[] = {
    {TControl::kFormHlav,
     {"Converter *.ign file Version 2005 to Version 2006",
      "Verwandlung *.ign Version 2005 zu Version 2006",
      "Converter *.ign file Version 2005 to Version 2006"}},
    {TControl::kMenuFile, {"&File", "&Datei", "&Fichier"}},
    {TControl::kMenuOpen, {"&Open", "&Öffnen", "&Ouvrir"}},
    {TControl::kMenuExit, {"E&xit", "&Beenden", "&Sortir"}},
    {TControl::kMenuLanguage, {"&Language", "&Sprache", "&Langue"}},
    {TControl::kMenuEnglish, {"&English", "&Englisch", "&Englais"}},
    {TControl::kMenuGerman, {"&German", "&Deutsch", "&Allemand"}},
    {TControl::kMenuFrench, {"&French", "&Französisch", "&Francais"}},
    {TControl::kLabelFile1, kFileLabel},
    {TControl::kLabelFile4, kFileLabel},
    {TControl::kLabelFile3, {"Converted to", "verändert in", "Converted to"}},
    {TControl::kButtonClose1, {"C&lose", "&Schließen", "&Fermer"}},
};

}  // namespace

std::string_view CaptionOf(TControl control, std::uint8_t language) {
  for (const TCaption& caption : kCaptions) {
    if (caption.control == control) return caption.text.In(language);
  }
  const TReportTexts report = ReportTextsIn(language);
  switch (control) {
    case TControl::kButtonDetails1:
      return report.details;
    case TControl::kFormReport:
      return report.window_caption;
    case TControl::kButtonCopy1:
      return report.copy;
    default:
      return {};
  }
}

void ApplyLanguage(TFormHlavBase& form) {
  const std::uint8_t language = LanguageIndex;
  // Independent check items: all three are set every time, so exactly one
  // stays checked even when the user picks the current language again.
  form.SetChecked(TControl::kMenuEnglish, language == kEnglish);
  form.SetChecked(TControl::kMenuGerman, language == kGerman);
  form.SetChecked(TControl::kMenuFrench, language == kFrench);

  for (const TCaption& caption : kCaptions) {
    form.SetCaption(caption.control, caption.text.In(language));
  }
  for (TControl control :
       {TControl::kButtonDetails1, TControl::kFormReport, TControl::kButtonCopy1}) {
    form.SetCaption(control, CaptionOf(control, language));
  }
  form.ShowStatus(form.StatusReport.Line());
  LoadMessageTexts(form);
}

}  // namespace ign
