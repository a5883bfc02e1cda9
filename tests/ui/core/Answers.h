// Scripted answers of a dialog stand-in.
#pragma once

#include <deque>
#include <optional>
#include <utility>

namespace ign::test {

// The next answer, taken from the front; an empty script, or std::nullopt,
// is a cancel.
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace ign::test
