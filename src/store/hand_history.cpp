#include "store/hand_history.h"

namespace zunda {

SaveResult KeepInHistory(const std::string& /*programFolder*/, const HandRecord& /*record*/) {
  return {};
}

HistoryRead ReadHistory(const std::string& /*programFolder*/) {
  return {};
}

SaveResult ExportHand(const QString& path, const HandRecord& /*record*/) {
  return {WriteFault::Other, path.toStdString(), "not yet"};
}

ImportedHand ImportHand(const QString& /*path*/) {
  return {{}, "not yet"};
}

}  // namespace zunda
