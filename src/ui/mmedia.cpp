#include "ui/mmedia.h"

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

#include "ui/music/riff_midi.h"

namespace zunda {

namespace {

// Larger files are not music we would play; reading them would only eat memory.
constexpr std::streamoff kMaxMediaBytes = 256LL * 1024 * 1024;

std::string UpperEnding(std::string_view file) {
  std::string ending(file.substr(file.size() >= 3 ? file.size() - 3 : 0));
  for (char& c : ending)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ending;
}

int MinuteOfHour() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_min;
}

// Program paths are written with backslashes; the file system here wants slashes.
std::string NativePath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxMediaBytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

struct LoadJob {
  std::string Path;
  MediaDevice Device = MediaDevice::None;
  std::uint64_t Generation = 0;
};

// A decoded file. The sound library reads a WAV file from its bytes while it plays, so they
// live as long as the music does.
struct Loaded {
  AudioTrack* Music = nullptr;
  std::vector<std::uint8_t> Bytes;
};

Loaded Decode(AudioBackend& backend, const LoadJob& job) {
  Loaded loaded;
  auto bytes = ReadWholeFile(NativePath(job.Path));
  if (!bytes) return loaded;
  if (job.Device == MediaDevice::Sequencer) {
    if (auto inner = MidiInsideRiff(*bytes)) bytes = std::move(inner);
    // The synthesizer accepts any bytes and only fails once playing; refuse them here.
    if (bytes->size() < 14 || std::memcmp(bytes->data(), "MThd", 4) != 0) return loaded;
  }
  loaded.Bytes = std::move(*bytes);
  loaded.Music =
      backend.Load(loaded.Bytes.data(), loaded.Bytes.size(), job.Device == MediaDevice::Sequencer);
  return loaded;
}

}  // namespace

MediaDevice DeviceForFile(std::string_view file) {
  const std::string ending = UpperEnding(file);
  if (ending == "WAV") return MediaDevice::Waveaudio;
  if (ending == "AVI") return MediaDevice::AviVideo;
  if (ending == "MID" || ending == "RMI") return MediaDevice::Sequencer;
  return MediaDevice::None;
}

// Everything the worker thread and the window's thread share, under one mutex. The worker
// first loads the music module and opens the audio output, then decodes the files that mmOpen
// hands it. Only the worker sets the back end, before the probe is done; a file is open only
// after that, so every call that touches a file finds the back end there.
struct Mmedia::Shared {
  explicit Shared(MmediaConfig config) : Config(std::move(config)) {}

  MmediaConfig Config;
  std::mutex Mutex;
  std::condition_variable Wake;    // a job or the end for the worker
  std::condition_variable Probed;  // the audio output has been tried
  std::thread Worker;

  bool ProbeDone = false;
  int Devices = 0;
  std::unique_ptr<AudioBackend> Backend;
  std::optional<LoadJob> Job;
  bool Quit = false;

  // The open file. Every open and close moves the generation on, so a decode that finishes
  // after its file was closed is recognised and thrown away.
  std::string Alias;
  std::string FileName;
  std::uint64_t Generation = 0;
  bool Loading = false;
  Loaded Current;
  bool PlayWanted = false;
  bool Paused = false;
  double SeekSeconds = 0;

  void Probe() {
    std::unique_ptr<AudioBackend> backend;
    int devices = 0;
    try {
      backend = LoadAudioBackend(Config.ModuleCandidates);
      if (backend) devices = backend->Open(FindSoundFont(Config.SoundFontCandidates).c_str());
    } catch (...) {  // out of memory and the like: the music stays silent
      devices = 0;
    }
    std::lock_guard lock(Mutex);
    Backend = std::move(backend);
    Devices = devices;
    ProbeDone = true;
    Probed.notify_all();
  }

  void Run() {
    Probe();
    std::unique_lock lock(Mutex);
    while (true) {
      Wake.wait(lock, [&] { return Quit || Job.has_value(); });
      if (Quit) return;
      const LoadJob job = *Job;
      Job.reset();
      lock.unlock();
      Loaded loaded;
      try {
        loaded = Decode(*Backend, job);
      } catch (...) {  // out of memory and the like: the file just does not play
        loaded = {};
      }
      lock.lock();
      if (job.Generation != Generation) {
        Backend->Free(loaded.Music);
        continue;
      }
      Loading = false;
      if (loaded.Music == nullptr) {
        ForgetFile();  // nothing could be opened
        continue;
      }
      Current = std::move(loaded);
      if (PlayWanted) StartLocked();
    }
  }

  void StartLocked() {
    if (Current.Music == nullptr || !Backend->Play(Current.Music)) {
      PlayWanted = false;
      return;
    }
    PlayWanted = true;
    if (SeekSeconds > 0) Backend->Seek(SeekSeconds);
  }

  bool PlayingLocked() const {
    return Current.Music != nullptr && PlayWanted && Backend->Playing();
  }

  void ForgetFile() {
    ++Generation;
    Job.reset();
    Loading = false;
    if (Current.Music != nullptr) {
      Backend->Halt();
      Backend->Free(Current.Music);
    }
    Current = {};
    Alias.clear();
    FileName.clear();
    PlayWanted = false;
    Paused = false;
    SeekSeconds = 0;
  }

  int WaitForProbe() {
    std::unique_lock lock(Mutex);
    Probed.wait(lock, [&] { return ProbeDone; });
    return Devices;
  }
};

Mmedia::Mmedia(MmediaConfig config) : shared_(std::make_unique<Shared>(std::move(config))) {
  shared_->Worker = std::thread([shared = shared_.get()] {
    shared->Run();
    if (shared->Backend) shared->Backend->ReleaseThread();
  });
}

Mmedia::~Mmedia() {
  {
    std::lock_guard lock(shared_->Mutex);
    shared_->Quit = true;
    shared_->Wake.notify_all();
  }
  shared_->Worker.join();
  shared_->ForgetFile();
  shared_->Backend.reset();
}

int Mmedia::CanPlaySound() {
  return shared_->WaitForProbe();
}

void Mmedia::mmOpen(const std::string& file) {
  mmClose();
  const MediaDevice device = DeviceForFile(file);
  const int needed = device == MediaDevice::Waveaudio   ? 1
                     : device == MediaDevice::Sequencer ? 2
                                                        : 0;
  // Video files carry pictures this window does not show: they open nothing, like files of
  // any other kind, and so does a file whose device is missing.
  if (needed == 0 || (CanPlaySound() & needed) == 0) return;
  std::lock_guard lock(shared_->Mutex);
  shared_->Alias = UpperEnding(file) + std::to_string(MinuteOfHour());
  shared_->FileName = file;
  shared_->Loading = true;
  shared_->Job = LoadJob{file, device, ++shared_->Generation};
  shared_->Wake.notify_all();
}

void Mmedia::mmClose() {
  std::lock_guard lock(shared_->Mutex);
  if (!shared_->Alias.empty()) shared_->ForgetFile();
}

void Mmedia::mmPause() {
  std::lock_guard lock(shared_->Mutex);
  if (shared_->Alias.empty()) return;
  if (shared_->PlayingLocked()) {
    shared_->Backend->Pause();
    shared_->Paused = true;
  } else if (shared_->Loading) {
    shared_->PlayWanted = false;
  }
}

void Mmedia::mmPlay() {
  std::lock_guard lock(shared_->Mutex);
  Shared& s = *shared_;
  if (s.Alias.empty()) return;
  if (s.Loading) {
    s.PlayWanted = true;
  } else if (s.Paused) {
    s.Backend->Resume();
    s.Paused = false;
    s.PlayWanted = true;
  } else if (!s.PlayingLocked()) {
    s.StartLocked();
  }
}

void Mmedia::mmStop() {
  std::lock_guard lock(shared_->Mutex);
  Shared& s = *shared_;
  if (s.Alias.empty()) return;
  if (s.Current.Music != nullptr && s.PlayWanted) s.Backend->Halt();
  s.PlayWanted = false;
  s.Paused = false;
}

void Mmedia::mmSeek(float position) {
  std::lock_guard lock(shared_->Mutex);
  Shared& s = *shared_;
  if (s.Alias.empty()) return;
  if (s.Current.Music != nullptr && s.PlayWanted) s.Backend->Halt();
  s.PlayWanted = false;
  s.Paused = false;
  s.SeekSeconds = std::max(0.0f, position) / 1000.0;
}

std::string Mmedia::Filename() const {
  std::lock_guard lock(shared_->Mutex);
  return shared_->FileName;
}

std::string Mmedia::Alias() const {
  std::lock_guard lock(shared_->Mutex);
  return shared_->Alias;
}

float Mmedia::Length() {
  std::lock_guard lock(shared_->Mutex);
  if (shared_->Current.Music == nullptr) return 0;
  const double seconds = shared_->Backend->Duration(shared_->Current.Music);
  return seconds > 0 ? static_cast<float>(seconds * 1000) : 0;
}

float Mmedia::Position() {
  std::lock_guard lock(shared_->Mutex);
  if (shared_->Current.Music == nullptr) return 0;
  const double seconds = shared_->Backend->Position(shared_->Current.Music);
  return seconds > 0 ? static_cast<float>(seconds * 1000) : 0;
}

bool Mmedia::Opening() const {
  std::lock_guard lock(shared_->Mutex);
  return shared_->Loading;
}

std::string Mmedia::Status() {
  std::lock_guard lock(shared_->Mutex);
  const Shared& s = *shared_;
  if (s.Alias.empty()) return "";
  if (s.Loading) return s.PlayWanted ? "playing" : "stopped";
  if (s.Paused) return "paused";
  return s.PlayingLocked() ? "playing" : "stopped";
}

}  // namespace zunda
