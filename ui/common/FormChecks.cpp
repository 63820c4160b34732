#include "ui/common/FormChecks.h"

std::optional<std::string_view> FirstFailedCheck(const RunEntries& entries) {
  if (entries.fileNameEmpty) return NoFileMessage;
  if (!entries.storeNo && !entries.storeYes) return NoOptionMessage;
  if (!entries.ignoreNo && !entries.ignoreYes) return NoOptionMessage;
  return std::nullopt;
}
