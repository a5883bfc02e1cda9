#include "files/Output.h"

namespace ign {

TSaveResult SaveFile(const std::string& target, std::string_view bytes, bool replace) {
  TOutputBatch batch;
  const TSaveResult added = batch.Add(target, bytes, replace);
  if (added.status != TSaveStatus::kSaved) return added;
  return batch.Commit().front();
}

}  // namespace ign
