#include "ui/music/audio_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace zunda {

std::vector<std::string> AudioModuleCandidates(const std::filesystem::path& programFolder) {
  const std::filesystem::path file(ZUNDA_AUDIO_MODULE_FILE);
  return {(programFolder / file).string(),
          (programFolder.parent_path() / "lib" / "zunda" / file).string()};
}

std::vector<std::string> DefaultAudioModuleCandidates() {
  if (QCoreApplication::instance() == nullptr) return {};
  return AudioModuleCandidates(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

std::unique_ptr<AudioBackend> LoadAudioBackend(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates) {
    const QString path = QString::fromStdString(candidate);
    // QLibrary would also try other names and the system's folders; only this file will do.
    if (!QFileInfo(path).isFile()) continue;
    QLibrary module(path);
    if (!module.load()) continue;
    const auto make =
        reinterpret_cast<MakeAudioBackendFunction>(module.resolve(kAudioBackendEntry));
    AudioBackend* backend = make != nullptr ? make(kAudioBackendVersion) : nullptr;
    if (backend != nullptr) return std::unique_ptr<AudioBackend>(backend);
    module.unload();
  }
  return nullptr;
}

}  // namespace zunda
