#include "ui/core/Jazyk1.h"

#include "texts/Texts.h"
#include "ui/core/Hlav.h"
#include "ui/core/Jazyk2.h"
#include "ui/core/Language.h"

namespace ign {
namespace {

struct TCaption {
  TControl control;
  TText text;
};

// In the order they are set: the window, its menus and fixed labels, then
// the words of the report.
constexpr TCaption kCaptions[] = {
    {TControl::kFormHlav, TText::kFormHlav},
    {TControl::kMenuFile, TText::kMenuFile},
    {TControl::kMenuOpen, TText::kMenuOpen},
    {TControl::kMenuExit, TText::kMenuExit},
    {TControl::kMenuLanguage, TText::kMenuLanguage},
    {TControl::kMenuEnglish, TText::kMenuEnglish},
    {TControl::kMenuGerman, TText::kMenuGerman},
    {TControl::kMenuFrench, TText::kMenuFrench},
    {TControl::kLabelFile1, TText::kLabelFile},
    {TControl::kLabelFile4, TText::kLabelFile},
    {TControl::kLabelFile3, TText::kLabelFile3},
    {TControl::kButtonDetails1, TText::kButtonDetails1},
    {TControl::kFormReport, TText::kFormReport},
    {TControl::kButtonCopy1, TText::kButtonCopy1},
    {TControl::kButtonClose1, TText::kButtonClose1},
};

}  // namespace

std::string_view CaptionOf(TControl control, std::uint8_t language) {
  for (const TCaption& caption : kCaptions) {
    if (caption.control == control) return TextOf(caption.text, language);
  }
  return {};
}

void ApplyLanguage(TFormHlavBase& form) {
  const std::uint8_t language = LanguageIndex;
  // Independent check items: all three are set every time, so exactly one
  // stays checked even when the user picks the current language again.
  form.SetChecked(TControl::kMenuEnglish, language == kEnglish);
  form.SetChecked(TControl::kMenuGerman, language == kGerman);
  form.SetChecked(TControl::kMenuFrench, language == kFrench);

  for (const TCaption& caption : kCaptions) {
    form.SetCaption(caption.control, TextOf(caption.text, language));
  }
  form.ShowStatus(form.StatusReport.Line());
  LoadMessageTexts(form);
}

}  // namespace ign
