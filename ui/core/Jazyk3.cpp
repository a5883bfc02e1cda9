#include "ui/core/Jazyk3.h"

#include "ui/core/TextRow.h"

namespace ign {
namespace {

struct TReportTable {
  TTextRow none;
  TTextRow one;
  TTextRow many;
  TTextRow details;
  TTextRow window_caption;
  TTextRow copy;
  std::array<TTextRow, kReasonCount> reasons;
};

constexpr TReportTable kReport{
    {"Converted. No value changed unexpectedly.", "Umgewandelt. Kein Wert unerwartet verändert.",
     "Converti. Aucune valeur modifiée de façon inattendue."},
    {"Converted. 1 value changed unexpectedly.", "Umgewandelt. 1 Wert unerwartet verändert.",
     "Converti. 1 valeur modifiée de façon inattendue."},
    {"Converted. %1 values changed unexpectedly.", "Umgewandelt. %1 Werte unerwartet verändert.",
     "Converti. %1 valeurs modifiées de façon inattendue."},
    {"Details", "Details", "Détails"},
    {"Conversion report", "Umwandlungsbericht", "Rapport de conversion"},
    {"&Copy", "&Kopieren", "&Copier"},
    {{
        {"out of range, wrapped", "außerhalb des Bereichs, übergelaufen",
         "hors limites, débordement"},
        {"not a multiple of the step, rounded down", "kein Vielfaches der Stufe, abgerundet",
         "pas un multiple du pas, arrondi vers le bas"},
        {"no number here, previous value used", "keine Zahl, vorheriger Wert verwendet",
         "pas de nombre, valeur précédente utilisée"},
        {"file ends inside the key, previous value used",
         "Datei endet im Schlüssel, vorheriger Wert verwendet",
         "le fichier finit dans la clé, valeur précédente utilisée"},
        {"key missing, value kept from before the file",
         "Schlüssel fehlt, Wert von vorher beibehalten",
         "clé absente, valeur d'avant le fichier conservée"},
        {"key given again, overridden by line", "Schlüssel wiederholt, ersetzt durch Zeile",
         "clé répétée, remplacée par la ligne"},
        {"before the version key, ignored", "vor dem Versionsschlüssel, ignoriert",
         "avant la clé de version, ignorée"},
        {"no key, skipped", "kein Schlüssel, übersprungen", "pas une clé, ignoré"},
        {"file over 1 MiB, converted without checking its values",
         "Datei über 1 MiB, umgewandelt ohne Prüfung der Werte",
         "fichier de plus de 1 Mio, converti sans vérifier les valeurs"},
        {"expected, the version-2006 adjustment", "erwartet, die Anpassung an Version 2006",
         "attendu, l'ajustement de la version 2006"},
        {"expected, version 2006 has no such row", "erwartet, Version 2006 hat diese Zeile nicht",
         "attendu, la version 2006 n'a pas cette ligne"},
    }},
};

}  // namespace

std::string TReportTexts::StatusLine(std::size_t unexpected) const {
  if (unexpected == 0) return std::string(none);
  if (unexpected == 1) return std::string(one);
  std::string line(many);
  const std::size_t at = line.find("%1");
  return line.replace(at, 2, std::to_string(unexpected));
}

TReportTexts ReportTextsIn(std::uint8_t language) {
  TReportTexts texts;
  texts.none = kReport.none.In(language);
  texts.one = kReport.one.In(language);
  texts.many = kReport.many.In(language);
  texts.details = kReport.details.In(language);
  texts.window_caption = kReport.window_caption.In(language);
  texts.copy = kReport.copy.In(language);
  for (std::size_t r = 0; r < kReasonCount; ++r) texts.reasons[r] = kReport.reasons[r].In(language);
  return texts;
}

}  // namespace ign
