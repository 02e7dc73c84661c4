#pragma once
// The program's audio output: SDL's audio device and a mixer of our own. A clip in the output's
// format plays from its WAVE image; any other is converted once into a copy. Every start of a
// clip takes a free voice, so copies of one clip overlap; the voices are added up, scaled by the
// master volume and clipped at full scale, in SDL's audio thread. Only one of these can be open
// at a time.
//
// SDL_mixer would do the same, but loads a dozen libraries for formats the program never plays
// (MIDI synthesis, trackers, Ogg): some 2 MB of memory.

#include "media/SoundBackend.h"

#include <SDL_audio.h>

#include <atomic>
#include <cstring>
#include <vector>

struct TSdl;

class TSoundMixerBackend final : public TSoundBackend {
public:
  TSoundMixerBackend() = default;
  ~TSoundMixerBackend() override;
  TSoundMixerBackend(const TSoundMixerBackend &) = delete;
  TSoundMixerBackend &operator=(const TSoundMixerBackend &) = delete;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return Device != 0; }
  QString ErrorText() const override { return Error; }

  int LoadClip(const QByteArray &wave) override;
  void FreeClip(int clip) override;

  TVoice Start(int clip, bool looped) override;
  bool IsPlaying(const TVoice &voice) const override;
  void Stop(const TVoice &voice) override;

  // The format the output was opened with: signed 16-bit samples in host order, interleaved.
  int OutputRate() const { return Rate; }
  int OutputChannels() const { return Channels; }
  // How long a loaded clip plays, in seconds; 0 for no clip.
  double ClipSeconds(int clip) const;

  // The master volume, 0 (silence) to FullVolume (every clip as it is), for every sound at
  // once, the ones sounding included. It outlasts closing the output.
  void SetVolume(int percent);
  int Volume() const { return MasterVolume; }
  static constexpr int FullVolume = 100;
  // One output sample: the voices' sum at a volume, clipped at full scale.
  static Sint16 OutputSample(int sum, int volume);

private:
  struct TClip {
    // Host-order samples in the WAVE image or in Converted. A clip in the image may start at
    // any byte, so samples are read with SampleAt, never through a Sint16 pointer.
    const char *Samples = nullptr;
    qsizetype Count = 0;
    Sint16 SampleAt(qsizetype i) const {
      Sint16 sample = 0;
      std::memcpy(&sample, Samples + i * qsizetype(sizeof(Sint16)), sizeof(Sint16));
      return sample;
    }
    std::vector<Sint16> Converted;
  };
  struct TVoiceSlot {
    int Clip = -1; // none: free
    qsizetype At = 0;
    bool Looped = false;
    quint64 Serial = 0; // of the voice last started here
  };

  bool Convert(const QByteArray &wave, TClip &clip);
  bool Owns(const TVoice &voice) const;
  // In SDL's audio thread, with the device locked.
  static void MixCallback(void *self, Uint8 *stream, int bytes);
  void Mix(Sint16 *out, int count);

  const TSdl *Sdl = nullptr; // loaded by the first Open
  SDL_AudioDeviceID Device = 0;
  QString Error;
  int Rate = 0;
  int Channels = 0;
  // Changed only with the device locked; sized at Open, so the audio thread never reallocates.
  std::vector<TClip> Clips; // by clip id; no samples once freed
  std::vector<TVoiceSlot> Voices;
  std::vector<int> Sum; // the audio thread's scratch
  quint64 LastSerial = 0;
  std::atomic<int> MasterVolume = FullVolume; // read by the audio thread
};
