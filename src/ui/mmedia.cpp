#include "ui/mmedia.h"

#include <SDL.h>
#include <SDL_mixer.h>

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

// A decoded file. SDL reads a WAV file from its bytes while it plays, so they live as long as
// the music does.
struct Loaded {
  Mix_Music* Music = nullptr;
  std::vector<std::uint8_t> Bytes;
};

Loaded Decode(const LoadJob& job) {
  Loaded loaded;
  auto bytes = ReadWholeFile(NativePath(job.Path));
  if (!bytes) return loaded;
  if (job.Device == MediaDevice::Sequencer) {
    if (auto inner = MidiInsideRiff(*bytes)) bytes = std::move(inner);
    // The synthesizer accepts any bytes and only fails once playing; refuse them here.
    if (bytes->size() < 14 || std::memcmp(bytes->data(), "MThd", 4) != 0) return loaded;
  }
  loaded.Bytes = std::move(*bytes);
  SDL_RWops* source =
      SDL_RWFromConstMem(loaded.Bytes.data(), static_cast<int>(loaded.Bytes.size()));
  if (source == nullptr) return loaded;
  const Mix_MusicType type = job.Device == MediaDevice::Waveaudio ? MUS_WAV : MUS_MID;
  loaded.Music = Mix_LoadMUSType_RW(source, type, 1);
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
// first opens the audio output, then decodes the files that mmOpen hands it.
struct Mmedia::Shared {
  explicit Shared(MmediaConfig config) : Config(std::move(config)) {}

  MmediaConfig Config;
  std::mutex Mutex;
  std::condition_variable Wake;    // a job or the end for the worker
  std::condition_variable Probed;  // the audio output has been tried
  std::thread Worker;

  bool ProbeDone = false;
  int Devices = 0;
  bool SdlStarted = false;
  bool AudioOpen = false;
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
    int devices = 0;
    bool sdl = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    bool audio = false;
    if (sdl) {
      const std::string soundFont = FindSoundFont(Config.SoundFontCandidates);
      bool midi = false;
      if (!soundFont.empty() && Mix_SetSoundFonts(soundFont.c_str()) != 0) {
        midi = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
      }
      audio = Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0;
      if (audio) devices = 1 + (midi ? 2 : 0);
    }
    std::lock_guard lock(Mutex);
    SdlStarted = sdl;
    AudioOpen = audio;
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
        loaded = Decode(job);
      } catch (...) {  // out of memory and the like: the file just does not play
        loaded = {};
      }
      lock.lock();
      if (job.Generation != Generation) {
        if (loaded.Music != nullptr) Mix_FreeMusic(loaded.Music);
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
    if (Mix_PlayMusic(Current.Music, 0) != 0) {
      PlayWanted = false;
      return;
    }
    PlayWanted = true;
    if (SeekSeconds > 0) Mix_SetMusicPosition(SeekSeconds);
  }

  bool PlayingLocked() const {
    return Current.Music != nullptr && PlayWanted && Mix_PlayingMusic() != 0;
  }

  void ForgetFile() {
    ++Generation;
    Job.reset();
    Loading = false;
    if (Current.Music != nullptr) {
      Mix_HaltMusic();
      Mix_FreeMusic(Current.Music);
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
    // SDL keeps per-thread data (its error text) for threads it did not start; free it.
    SDL_TLSCleanup();
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
  if (shared_->AudioOpen) Mix_CloseAudio();
  Mix_Quit();
  if (shared_->SdlStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    Mix_PauseMusic();
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
    Mix_ResumeMusic();
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
  if (s.Current.Music != nullptr && s.PlayWanted) Mix_HaltMusic();
  s.PlayWanted = false;
  s.Paused = false;
}

void Mmedia::mmSeek(float position) {
  std::lock_guard lock(shared_->Mutex);
  Shared& s = *shared_;
  if (s.Alias.empty()) return;
  if (s.Current.Music != nullptr && s.PlayWanted) Mix_HaltMusic();
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
  const double seconds = Mix_MusicDuration(shared_->Current.Music);
  return seconds > 0 ? static_cast<float>(seconds * 1000) : 0;
}

float Mmedia::Position() {
  std::lock_guard lock(shared_->Mutex);
  if (shared_->Current.Music == nullptr) return 0;
  const double seconds = Mix_GetMusicPosition(shared_->Current.Music);
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
