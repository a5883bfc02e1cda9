#include "texts/Texts.h"

#include <array>

namespace ign {
namespace {

struct TEntry {
  TText text;
  TTextRow row;
};

// The German and French wording of the window and its messages is the
// product's own, spelling included. The French window caption and
// "Converted to" are the English texts on purpose: the product has always
// shown them so. Reason codes ("wrapped") are no words: scripts read them,
// so they stay out of this table and alike in every language.
constexpr TEntry kTexts[] = {
    {TText::kFormHlav,
     {"Converter *.ign file Version 2005 to Version 2006",
      "Verwandlung *.ign Version 2005 zu Version 2006",
      "Converter *.ign file Version 2005 to Version 2006"}},
    {TText::kMenuFile, {"&File", "&Datei", "&Fichier"}},
    {TText::kMenuOpen, {"&Open", "&Öffnen", "&Ouvrir"}},
    {TText::kMenuExit, {"E&xit", "&Beenden", "&Sortir"}},
    {TText::kMenuLanguage, {"&Language", "&Sprache", "&Langue"}},
    {TText::kMenuEnglish, {"&English", "&Englisch", "&Englais"}},
    {TText::kMenuGerman, {"&German", "&Deutsch", "&Allemand"}},
    {TText::kMenuFrench, {"&French", "&Französisch", "&Francais"}},
    {TText::kLabelFile, {"File:", "Datei:", "Fichier:"}},
    {TText::kLabelFile3, {"Converted to", "verändert in", "Converted to"}},

    {TText::kButtonDetails1, {"Details", "Details", "Détails"}},
    {TText::kFormReport, {"Conversion report", "Umwandlungsbericht", "Rapport de conversion"}},
    {TText::kButtonCopy1, {"&Copy", "&Kopieren", "&Copier"}},
    {TText::kButtonClose1, {"C&lose", "&Schließen", "&Fermer"}},

    {TText::kMsgOpenFileError,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!"}},
    {TText::kMsgUnmatchedIgnVersion,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!"}},
    {TText::kMsgWriteFileError,
     {"Write file error!", "Fehler beim Schreiben der Datei!", "Erreur écriture fichier!"}},

    {TText::kWrappedMeans,
     {"out of range, wrapped", "außerhalb des Bereichs, übergelaufen",
      "hors limites, débordement"}},
    {TText::kRoundedMeans,
     {"not a multiple of the step, rounded down", "kein Vielfaches der Stufe, abgerundet",
      "pas un multiple du pas, arrondi vers le bas"}},
    {TText::kNotANumberMeans,
     {"no number here, previous value used", "keine Zahl, vorheriger Wert verwendet",
      "pas de nombre, valeur précédente utilisée"}},
    {TText::kEndOfFileMeans,
     {"file ends inside the key, previous value used",
      "Datei endet im Schlüssel, vorheriger Wert verwendet",
      "le fichier finit dans la clé, valeur précédente utilisée"}},
    {TText::kMissingKeyMeans,
     {"key missing, value kept from before the file",
      "Schlüssel fehlt, Wert von vorher beibehalten",
      "clé absente, valeur d'avant le fichier conservée"}},
    {TText::kDuplicateKeyMeans,
     {"key given again, overridden by line", "Schlüssel wiederholt, ersetzt durch Zeile",
      "clé répétée, remplacée par la ligne"}},
    {TText::kBeforeVersionMeans,
     {"before the version key, ignored", "vor dem Versionsschlüssel, ignoriert",
      "avant la clé de version, ignorée"}},
    {TText::kUnknownTokenMeans,
     {"no key, skipped", "kein Schlüssel, übersprungen", "pas une clé, ignoré"}},
    {TText::kNotCheckedMeans,
     {"file over 1 MiB, converted without checking its values",
      "Datei über 1 MiB, umgewandelt ohne Prüfung der Werte",
      "fichier de plus de 1 Mio, converti sans vérifier les valeurs"}},
    {TText::kAdjustedMeans,
     {"expected, the version-2006 adjustment", "erwartet, die Anpassung an Version 2006",
      "attendu, l'ajustement de la version 2006"}},
    {TText::kDroppedMeans,
     {"expected, version 2006 has no such row", "erwartet, Version 2006 hat diese Zeile nicht",
      "attendu, la version 2006 n'a pas cette ligne"}},

    {TText::kWholeFile, {"(whole file)", "(ganze Datei)", "(fichier entier)"}},
    {TText::kConverted, {"converted", "umgewandelt", "converti"}},
    {TText::kConvertedDryRun,
     {"converted (dry run, nothing written)", "umgewandelt (Probelauf, nichts geschrieben)",
      "converti (essai, rien écrit)"}},
    {TText::kNotConverted, {"not converted", "nicht umgewandelt", "non converti"}},
    {TText::kNoValueChanged,
     {"no value changed unexpectedly", "kein Wert unerwartet verändert",
      "aucune valeur modifiée de façon inattendue"}},
    {TText::kOneValueChanged,
     {"1 value changed unexpectedly", "1 Wert unerwartet verändert",
      "1 valeur modifiée de façon inattendue"}},
    {TText::kValuesChanged,
     {"%1 values changed unexpectedly", "%1 Werte unerwartet verändert",
      "%1 valeurs modifiées de façon inattendue"}},
    {TText::kOneWordSkipped, {"1 word skipped", "1 Wort übersprungen", "1 mot ignoré"}},
    {TText::kWordsSkipped, {"%1 words skipped", "%1 Wörter übersprungen", "%1 mots ignorés"}},
    {TText::kNotChecked,
     {"not checked: file over 1 MiB", "nicht geprüft: Datei über 1 MiB",
      "non vérifié: fichier de plus de 1 Mio"}},
    {TText::kExpected, {"expected:", "erwartet:", "attendu:"}},

    {TText::kStatusConverted, {"Converted.", "Umgewandelt.", "Converti."}},
};

constexpr bool InOrder() {
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    if (static_cast<std::size_t>(kTexts[i].text) != i) return false;
  }
  return std::size(kTexts) == kTextCount;
}
static_assert(InOrder(), "one row for each TText, in its order");

}  // namespace

std::string_view TextOf(TText text, std::uint8_t language) {
  return kTexts[static_cast<std::size_t>(text)].row.In(language);
}

std::string CountedText(TText text, std::size_t count, std::uint8_t language) {
  std::string counted(TextOf(text, language));
  if (const std::size_t at = counted.find("%1"); at != std::string::npos) {
    counted.replace(at, 2, std::to_string(count));
  }
  return counted;
}

}  // namespace ign
