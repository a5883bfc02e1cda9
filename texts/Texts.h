// Every text of the window, of the conversion report and of ign-convert's
// messages that the window shows too, in English, German and French. The
// window takes the row of its language; ign-convert speaks English.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "texts/TextRow.h"

namespace ign {

enum class TText : std::uint8_t {
  // The main window's captions, in the order they are set.
  kFormHlav,
  kMenuFile,
  kMenuOpen,
  kMenuExit,
  kMenuLanguage,
  kMenuEnglish,
  kMenuGerman,
  kMenuFrench,
  kLabelFile,  // LabelFile1 and LabelFile4
  kLabelFile3,
  // The status bar's button and the report window.
  kButtonDetails1,
  kFormReport,
  kButtonCopy1,
  kButtonClose1,
  // What went wrong with a file.
  kMsgOpenFileError,
  kMsgUnmatchedIgnVersion,
  kMsgWriteFileError,
  // What each reason of the report means, in the order of TReason.
  kWrappedMeans,
  kRoundedMeans,
  kNotANumberMeans,
  kEndOfFileMeans,
  kMissingKeyMeans,
  kDuplicateKeyMeans,  // followed by the number of the line that wins
  kBeforeVersionMeans,
  kUnknownTokenMeans,
  kNotCheckedMeans,
  kAdjustedMeans,
  kDroppedMeans,
  // The words of the report's rows and summary line. "%1" stands for a count.
  kWholeFile,
  kConverted,
  kConvertedDryRun,
  kNotConverted,
  kNoValueChanged,
  kOneValueChanged,
  kValuesChanged,
  kOneWordSkipped,
  kWordsSkipped,
  kNotChecked,
  kExpected,
  // The status line's first sentence.
  kStatusConverted,
};
inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TText::kStatusConverted) + 1;

// `text` in `language`, a TLanguage value.
std::string_view TextOf(TText text, std::uint8_t language);

// `text` in `language` with its "%1" replaced by `count`.
std::string CountedText(TText text, std::size_t count, std::uint8_t language);

}  // namespace ign
