#include "media/SoundMixerBackend.h"

#include "media/SdlLibrary.h"
#include "media/WaveSamples.h"

#include <algorithm>
#include <cstring>

namespace {

// The output is asked for in the clips' own format (16-bit mono at 11025 Hz): each clip then
// plays as it is, where at 44.1 kHz stereo it would need a converted copy eight times the size.
// Effects must follow the game closely: 512 frames at 11025 Hz is 46 ms of buffer.
constexpr int RequestedRate = 11025;
constexpr int RequestedChannels = 1;
constexpr int BufferFrames = 512;
// Enough for a burst of landings over a line chime.
constexpr int MostVoices = 256;

const TSoundMixerBackend *OpenBackend = nullptr;

// Holds the audio thread off while the voices or clips change.
class TDeviceLock {
public:
  TDeviceLock(const TSdl &sdl, SDL_AudioDeviceID device) : Sdl(sdl), Device(device) {
    Sdl.LockAudioDevice(Device);
  }
  ~TDeviceLock() { Sdl.UnlockAudioDevice(Device); }
  TDeviceLock(const TDeviceLock &) = delete;
  TDeviceLock &operator=(const TDeviceLock &) = delete;

private:
  const TSdl &Sdl;
  SDL_AudioDeviceID Device;
};

} // namespace

TSoundMixerBackend::~TSoundMixerBackend() { Close(); }

bool TSoundMixerBackend::Open() {
  if (Device != 0)
    return true;
  if (OpenBackend) {
    Error = QStringLiteral("The sound output is already in use");
    return false;
  }
  Sdl = LoadSdl();
  if (!Sdl) {
    Error = QStringLiteral("SDL cannot be loaded");
    return false;
  }
  // Qt owns the process's signals; the output is named after the program in sound servers.
  Sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  Sdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quarrybox");
  if (Sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Error = QString::fromUtf8(Sdl->GetError());
    return false;
  }
  // The sample format is fixed so that mixing stays in 16 bits; rate and channel count may be
  // whatever the output prefers (clips in another format are converted once, when loaded).
  SDL_AudioSpec wanted{};
  wanted.freq = RequestedRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = RequestedChannels;
  wanted.samples = BufferFrames;
  wanted.callback = &TSoundMixerBackend::MixCallback;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  Device = Sdl->OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (Device == 0) {
    Error = QString::fromUtf8(Sdl->GetError());
    Sdl->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Rate = obtained.freq;
  Channels = obtained.channels;
  Sum.reserve(obtained.size / sizeof(Sint16));
  Voices.assign(MostVoices, TVoiceSlot{});
  OpenBackend = this;
  Error.clear();
  Sdl->PauseAudioDevice(Device, 0);
  return true;
}

void TSoundMixerBackend::Close() {
  if (Device == 0)
    return;
  Sdl->CloseAudioDevice(Device); // waits for the audio thread to end
  Device = 0;
  Clips.clear();
  Voices.clear();
  Sum.clear();
  Sdl->QuitSubSystem(SDL_INIT_AUDIO);
  OpenBackend = nullptr;
  Rate = 0;
  Channels = 0;
}

int TSoundMixerBackend::LoadClip(const QByteArray &wave) {
  if (Device == 0) {
    Error = QStringLiteral("The sound output is not open");
    return -1;
  }
  TClip clip;
  // Samples already in the output's format play from the image itself; a copy of every clip
  // would cost as much memory again.
  const std::optional<TWaveSamples> samples = FindPcm16Samples(wave);
  if (samples && samples->Rate == Rate && samples->Channels == Channels &&
      AUDIO_S16SYS == AUDIO_S16LSB) {
    clip.Samples = samples->Data;
    clip.Count = samples->Bytes / qsizetype(sizeof(Sint16));
  } else if (!Convert(wave, clip)) {
    return -1;
  }
  const TDeviceLock lock(*Sdl, Device);
  Clips.push_back(std::move(clip));
  return static_cast<int>(Clips.size()) - 1;
}

// Any WAVE that SDL reads, converted to the output's format.
bool TSoundMixerBackend::Convert(const QByteArray &wave, TClip &clip) {
  SDL_RWops *source = Sdl->RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
  SDL_AudioSpec clipFormat{};
  Uint8 *buffer = nullptr;
  Uint32 length = 0;
  if (!source || !Sdl->LoadWAV_RW(source, 1, &clipFormat, &buffer, &length)) {
    Error = QString::fromUtf8(Sdl->GetError());
    return false;
  }
  SDL_AudioCVT cvt{};
  if (Sdl->BuildAudioCVT(&cvt, clipFormat.format, clipFormat.channels, clipFormat.freq,
                         AUDIO_S16SYS, static_cast<Uint8>(Channels), Rate) < 0) {
    Error = QString::fromUtf8(Sdl->GetError());
    Sdl->FreeWAV(buffer);
    return false;
  }
  const size_t room = size_t(length) * size_t(std::max(1, cvt.len_mult));
  clip.Converted.assign((room + 1) / sizeof(Sint16), 0);
  std::memcpy(clip.Converted.data(), buffer, length);
  Sdl->FreeWAV(buffer);
  cvt.buf = reinterpret_cast<Uint8 *>(clip.Converted.data());
  cvt.len = static_cast<int>(length);
  if (cvt.needed && Sdl->ConvertAudio(&cvt) < 0) {
    Error = QString::fromUtf8(Sdl->GetError());
    return false;
  }
  const int bytes = cvt.needed ? cvt.len_cvt : cvt.len;
  clip.Converted.resize(size_t(bytes) / sizeof(Sint16));
  clip.Converted.shrink_to_fit();
  clip.Samples = reinterpret_cast<const char *>(clip.Converted.data());
  clip.Count = qsizetype(clip.Converted.size());
  return true;
}

void TSoundMixerBackend::FreeClip(int clip) {
  if (Device == 0 || clip < 0 || clip >= static_cast<int>(Clips.size()))
    return;
  const TDeviceLock lock(*Sdl, Device);
  for (TVoiceSlot &voice : Voices)
    if (voice.Clip == clip)
      voice.Clip = -1;
  Clips[clip] = TClip{};
}

double TSoundMixerBackend::ClipSeconds(int clip) const {
  if (clip < 0 || clip >= static_cast<int>(Clips.size()) || Rate == 0)
    return 0.0;
  return static_cast<double>(Clips[clip].Count) / (Rate * Channels);
}

TSoundBackend::TVoice TSoundMixerBackend::Start(int clip, bool looped) {
  if (Device == 0 || clip < 0 || clip >= static_cast<int>(Clips.size()) || !Clips[clip].Samples)
    return {};
  const TDeviceLock lock(*Sdl, Device);
  const auto free = std::find_if(Voices.begin(), Voices.end(),
                                 [](const TVoiceSlot &voice) { return voice.Clip < 0; });
  if (free == Voices.end()) {
    Error = QStringLiteral("Every voice is sounding");
    return {};
  }
  *free = {clip, 0, looped, ++LastSerial};
  return {static_cast<int>(free - Voices.begin()), LastSerial};
}

bool TSoundMixerBackend::Owns(const TVoice &voice) const {
  return Device != 0 && voice.Valid() && voice.Channel < static_cast<int>(Voices.size()) &&
         Voices[size_t(voice.Channel)].Serial == voice.Serial;
}

bool TSoundMixerBackend::IsPlaying(const TVoice &voice) const {
  if (!Owns(voice))
    return false;
  const TDeviceLock lock(*Sdl, Device);
  return Voices[size_t(voice.Channel)].Clip >= 0;
}

void TSoundMixerBackend::Stop(const TVoice &voice) {
  if (!Owns(voice))
    return;
  const TDeviceLock lock(*Sdl, Device);
  Voices[size_t(voice.Channel)].Clip = -1;
}

void TSoundMixerBackend::MixCallback(void *self, Uint8 *stream, int bytes) {
  static_cast<TSoundMixerBackend *>(self)->Mix(reinterpret_cast<Sint16 *>(stream),
                                               bytes / static_cast<int>(sizeof(Sint16)));
}

// A voice counts as ended once its last samples are in the device's buffer.
void TSoundMixerBackend::Mix(Sint16 *out, int count) {
  Sum.assign(size_t(count), 0);
  for (TVoiceSlot &voice : Voices) {
    if (voice.Clip < 0)
      continue;
    const TClip &clip = Clips[size_t(voice.Clip)];
    for (int i = 0; i < count && voice.Clip >= 0;) {
      const qsizetype n = std::min<qsizetype>(count - i, clip.Count - voice.At);
      for (qsizetype k = 0; k < n; ++k)
        Sum[size_t(i + k)] += clip.SampleAt(voice.At + k);
      i += static_cast<int>(n);
      voice.At += n;
      if (voice.At >= clip.Count) {
        voice.At = 0;
        if (!voice.Looped || clip.Count == 0)
          voice.Clip = -1;
      }
    }
  }
  const int volume = MasterVolume;
  for (int i = 0; i < count; ++i)
    out[i] = OutputSample(Sum[size_t(i)], volume);
}

void TSoundMixerBackend::SetVolume(int percent) {
  MasterVolume = std::clamp(percent, 0, FullVolume);
}

// Scaled before clipping: copies that would clip together at full volume sound undistorted at
// half. In 64 bits, so that no sum of int times a volume can overflow.
Sint16 TSoundMixerBackend::OutputSample(int sum, int volume) {
  const qint64 scaled = qint64(sum) * volume / FullVolume;
  return static_cast<Sint16>(std::clamp<qint64>(scaled, -32768, 32767));
}
