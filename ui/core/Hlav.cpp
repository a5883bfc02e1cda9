#include "ui/core/Hlav.h"

#include "params/New.h"
#include "ui/core/Jazyk1.h"
#include "ui/core/Jazyk2.h"
#include "ui/core/Language.h"

namespace ign {

void TFormHlavBase::FormCreate(const TArguments& arguments, TSize screen, TSize outer) {
  AdjustFor2006(ParameterSet);  // the start values of gain and time_const
  MoveTo(CentredPosition(screen, outer));
  LanguageIndex = LanguageOfArguments(arguments, LanguageIndex);
  LoadMessageTexts(*this);
  LanguageSelected();
  ApplyLanguage(*this);
}

void TFormHlavBase::MenuEnglishClick() { SelectLanguage(kEnglish); }
void TFormHlavBase::MenuGermanClick() { SelectLanguage(kGerman); }
void TFormHlavBase::MenuFrenchClick() { SelectLanguage(kFrench); }

void TFormHlavBase::SelectLanguage(std::uint8_t language) {
  LanguageIndex = language;
  LanguageSelected();
  ApplyLanguage(*this);
}

}  // namespace ign
