#include "media/SoundMixerBackend.h"

#include "media/SdlLibrary.h"
#include "media/WaveSamples.h"

#include <algorithm>

namespace {

// The output is asked for in the clips' own format (16-bit mono at 11025 Hz): the mixer then
// keeps each clip as it is, where at 44.1 kHz stereo it would keep a converted copy eight times
// the size (some 9 MB for the built-in clips, with three times that while converting). Effects
// must follow the game closely: 256 frames at 11025 Hz is 23 ms of latency.
constexpr int RequestedRate = 11025;
constexpr int RequestedChannels = 1;
constexpr int BufferFrames = 512;
// The mixer starts with 8 channels, too few for a burst of landings over a line chime. More are
// added whenever every channel is busy, up to the limit.
constexpr int FirstChannelCount = 32;
constexpr int MostChannels = 256;

const TSoundMixerBackend *OpenBackend = nullptr;

} // namespace

TSoundMixerBackend::~TSoundMixerBackend() { Close(); }

bool TSoundMixerBackend::Open() {
  if (Opened)
    return true;
  if (OpenBackend) {
    Error = QStringLiteral("The sound output is already in use");
    return false;
  }
  Sdl = LoadSdl();
  Mix = LoadSdlMixer();
  if (!Sdl || !Mix) {
    Error = QStringLiteral("SDL_mixer cannot be loaded");
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
  // whatever the output prefers (the mixer converts every clip once, when it is loaded).
  if (Mix->OpenAudioDevice(RequestedRate, AUDIO_S16SYS, RequestedChannels, BufferFrames, nullptr,
                           SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE) !=
      0) {
    Error = QString::fromUtf8(Sdl->GetError());
    Sdl->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Uint16 format = 0;
  Mix->QuerySpec(&Rate, &format, &Channels);
  ChannelSerial.assign(Mix->AllocateChannels(FirstChannelCount), 0);
  Opened = true;
  OpenBackend = this;
  Error.clear();
  return true;
}

void TSoundMixerBackend::Close() {
  if (!Opened)
    return;
  Mix->HaltChannel(-1);
  for (Mix_Chunk *chunk : Clips)
    if (chunk)
      Mix->FreeChunk(chunk);
  Clips.clear();
  ChannelSerial.clear();
  Mix->CloseAudio();
  Sdl->QuitSubSystem(SDL_INIT_AUDIO);
  Opened = false;
  OpenBackend = nullptr;
  Rate = 0;
  Channels = 0;
}

int TSoundMixerBackend::LoadClip(const QByteArray &wave) {
  if (!Opened) {
    Error = QStringLiteral("The sound output is not open");
    return -1;
  }
  Mix_Chunk *chunk = nullptr;
  // Samples already in the output's format play from the image itself; a copy of every clip
  // would cost as much memory again. Others are converted into a copy of the mixer's own.
  const std::optional<TWaveSamples> samples = FindPcm16Samples(wave);
  if (samples && samples->Rate == Rate && samples->Channels == Channels &&
      AUDIO_S16SYS == AUDIO_S16LSB) {
    chunk = Mix->QuickLoad_RAW(reinterpret_cast<Uint8 *>(const_cast<char *>(samples->Data)),
                               static_cast<Uint32>(samples->Bytes));
  } else {
    SDL_RWops *source = Sdl->RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
    chunk = source ? Mix->LoadWAV_RW(source, 1) : nullptr;
  }
  if (!chunk) {
    Error = QString::fromUtf8(Sdl->GetError());
    return -1;
  }
  Clips.push_back(chunk);
  return static_cast<int>(Clips.size()) - 1;
}

void TSoundMixerBackend::FreeClip(int clip) {
  if (clip < 0 || clip >= static_cast<int>(Clips.size()) || !Clips[clip])
    return;
  Mix->FreeChunk(Clips[clip]); // halts the channels still playing it
  Clips[clip] = nullptr;
}

double TSoundMixerBackend::ClipSeconds(int clip) const {
  if (clip < 0 || clip >= static_cast<int>(Clips.size()) || !Clips[clip])
    return 0.0;
  const int bytesPerSecond = Rate * Channels * static_cast<int>(sizeof(Sint16));
  return static_cast<double>(Clips[clip]->alen) / bytesPerSecond;
}

TSoundBackend::TVoice TSoundMixerBackend::Start(int clip, bool looped) {
  if (!Opened || clip < 0 || clip >= static_cast<int>(Clips.size()) || !Clips[clip])
    return {};
  const int loops = looped ? -1 : 0;
  int channel = Mix->PlayChannel(-1, Clips[clip], loops);
  if (channel < 0 && AddChannels())
    channel = Mix->PlayChannel(-1, Clips[clip], loops);
  if (channel < 0) {
    Error = QString::fromUtf8(Sdl->GetError());
    return {};
  }
  ChannelSerial[channel] = ++LastSerial;
  return {channel, LastSerial};
}

bool TSoundMixerBackend::AddChannels() {
  const int had = static_cast<int>(ChannelSerial.size());
  if (had >= MostChannels)
    return false;
  ChannelSerial.resize(Mix->AllocateChannels(std::min(2 * had, MostChannels)), 0);
  return static_cast<int>(ChannelSerial.size()) > had;
}

bool TSoundMixerBackend::Owns(const TVoice &voice) const {
  return Opened && voice.Valid() && voice.Channel < static_cast<int>(ChannelSerial.size()) &&
         ChannelSerial[voice.Channel] == voice.Serial;
}

bool TSoundMixerBackend::IsPlaying(const TVoice &voice) const {
  return Owns(voice) && Mix->Playing(voice.Channel) != 0;
}

void TSoundMixerBackend::Stop(const TVoice &voice) {
  if (Owns(voice))
    Mix->HaltChannel(voice.Channel);
}
