#pragma once
// The program's audio output on SDL2_mixer. A clip is a mixer chunk that plays from the WAVE
// image when it is in the output format, and from a copy converted once to it otherwise; every
// start of a clip takes a free mixer channel, so copies of one clip overlap. The mixer is one per
// process: only one of these can be open at a time.

#include "media/SoundBackend.h"

#include <vector>

struct Mix_Chunk;
struct TSdl;
struct TSdlMixer;

class TSoundMixerBackend final : public TSoundBackend {
public:
  TSoundMixerBackend() = default;
  ~TSoundMixerBackend() override;
  TSoundMixerBackend(const TSoundMixerBackend &) = delete;
  TSoundMixerBackend &operator=(const TSoundMixerBackend &) = delete;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return Opened; }
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

private:
  bool Owns(const TVoice &voice) const;
  bool AddChannels();

  const TSdl *Sdl = nullptr; // loaded by the first Open
  const TSdlMixer *Mix = nullptr;
  bool Opened = false;
  QString Error;
  int Rate = 0;
  int Channels = 0;
  std::vector<Mix_Chunk *> Clips;     // by clip id; nullptr once freed
  std::vector<quint64> ChannelSerial; // serial of the voice last started on each channel
  quint64 LastSerial = 0;
};
