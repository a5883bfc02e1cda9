#include "ui/core/Jazyk2.h"

#include "texts/Texts.h"
#include "ui/core/Hlav.h"
#include "ui/core/Language.h"

namespace ign {
namespace {

// In the order of TMessage.
constexpr TText kMessages[] = {
    TText::kMsgOpenFileError,
    TText::kMsgUnmatchedIgnVersion,
    TText::kMsgWriteFileError,
};

}  // namespace

std::string_view MessageIn(TMessage message, std::uint8_t language) {
  return TextOf(kMessages[static_cast<std::size_t>(message)], language);
}

void LoadMessageTexts(TFormHlavBase& form) {
  const std::uint8_t language = LanguageIndex;
  form.MsgOpenFileError = MessageIn(TMessage::kOpenFileError, language);
  form.MsgUnmatchedIgnVersion = MessageIn(TMessage::kUnmatchedIgnVersion, language);
  form.MsgWriteFileError = MessageIn(TMessage::kWriteFileError, language);
}

}  // namespace ign
