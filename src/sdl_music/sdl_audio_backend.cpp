// The music player's sound library: SDL2_mixer plays WAV files directly and MIDI files
// through FluidSynth and a General MIDI soundfont. Built as a module that the player loads at
// run time; nothing else of the program links SDL.
#include <SDL.h>
#include <SDL_mixer.h>

#include "ui/music/audio_backend.h"

#if defined(_WIN32)
#define ZUNDA_MODULE_EXPORT __declspec(dllexport)
#else
#define ZUNDA_MODULE_EXPORT __attribute__((visibility("default")))
#endif

namespace zunda {

struct AudioTrack {
  Mix_Music* Music = nullptr;
};

namespace {

class SdlAudioBackend final : public AudioBackend {
 public:
  SdlAudioBackend() = default;
  SdlAudioBackend(const SdlAudioBackend&) = delete;
  SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

  ~SdlAudioBackend() override {
    if (audioOpen_) Mix_CloseAudio();
    Mix_Quit();
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  int Open(const char* soundFont) override {
    sdlStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!sdlStarted_) return 0;
    bool midi = false;
    if (soundFont != nullptr && *soundFont != '\0' && Mix_SetSoundFonts(soundFont) != 0) {
      midi = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
    }
    audioOpen_ = Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0;
    if (!audioOpen_) return 0;
    return 1 + (midi ? 2 : 0);
  }

  AudioTrack* Load(const std::uint8_t* bytes, std::size_t size, bool midi) override {
    SDL_RWops* source = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (source == nullptr) return nullptr;
    Mix_Music* music = Mix_LoadMUSType_RW(source, midi ? MUS_MID : MUS_WAV, 1);
    if (music == nullptr) return nullptr;
    return new AudioTrack{music};
  }

  void Free(AudioTrack* track) override {
    if (track == nullptr) return;
    Mix_FreeMusic(track->Music);
    delete track;
  }

  bool Play(AudioTrack* track) override { return Mix_PlayMusic(track->Music, 0) == 0; }
  void Pause() override { Mix_PauseMusic(); }
  void Resume() override { Mix_ResumeMusic(); }
  void Halt() override { Mix_HaltMusic(); }
  bool Playing() override { return Mix_PlayingMusic() != 0; }
  void Seek(double seconds) override { Mix_SetMusicPosition(seconds); }
  double Duration(AudioTrack* track) override { return Mix_MusicDuration(track->Music); }
  double Position(AudioTrack* track) override { return Mix_GetMusicPosition(track->Music); }

  // SDL keeps per-thread data (its error text) for threads it did not start.
  void ReleaseThread() override { SDL_TLSCleanup(); }

 private:
  bool sdlStarted_ = false;
  bool audioOpen_ = false;
};

}  // namespace
}  // namespace zunda

extern "C" ZUNDA_MODULE_EXPORT zunda::AudioBackend* ZundaMakeAudioBackend(int version) {
  if (version != zunda::kAudioBackendVersion) return nullptr;
  return new zunda::SdlAudioBackend;
}
