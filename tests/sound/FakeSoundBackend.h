#pragma once
// An audio output that plays nothing and remembers everything it was asked. Voices sound until
// the test finishes them (or, for a waiting play, until they were asked often enough).

#include "media/SoundBackend.h"

#include <QByteArray>

#include <set>
#include <vector>

class TFakeSoundBackend final : public TSoundBackend {
public:
  bool OpenFails = false;
  // IsPlaying answers true this many times for a voice, then false; -1: until finished.
  int PlayingAnswers = -1;

  // Every call of any kind, to prove that nothing reached the output.
  mutable int Calls = 0;
  int Opens = 0;
  int Closes = 0;
  std::vector<QByteArray> LoadedClips; // by clip id
  std::set<int> FreedClips;
  std::vector<TVoice> Started;
  std::vector<bool> StartedLooped;
  std::vector<TVoice> Stopped;
  mutable int PlayingQuestions = 0;

  bool Open() override {
    ++Calls;
    if (OpenFails)
      return false;
    ++Opens;
    IsOpenNow = true;
    return true;
  }
  void Close() override {
    ++Calls;
    if (!IsOpenNow)
      return;
    ++Closes;
    IsOpenNow = false;
    Sounding.clear();
  }
  bool IsOpen() const override {
    ++Calls;
    return IsOpenNow;
  }
  QString ErrorText() const override {
    ++Calls;
    return QStringLiteral("not a RIFF image");
  }
  int LoadClip(const QByteArray &wave) override {
    ++Calls;
    if (!IsOpenNow || !wave.startsWith("RIFF"))
      return -1;
    LoadedClips.push_back(wave);
    return static_cast<int>(LoadedClips.size()) - 1;
  }
  void FreeClip(int clip) override {
    ++Calls;
    if (clip >= 0)
      FreedClips.insert(clip);
  }
  TVoice Start(int clip, bool looped) override {
    ++Calls;
    if (!IsOpenNow || clip < 0 || FreedClips.contains(clip))
      return {};
    const TVoice voice{static_cast<int>(Started.size()), ++LastSerial};
    Started.push_back(voice);
    StartedLooped.push_back(looped);
    Sounding.insert(voice.Serial);
    Answers.push_back(PlayingAnswers);
    return voice;
  }
  bool IsPlaying(const TVoice &voice) const override {
    ++Calls;
    ++PlayingQuestions;
    if (!voice.Valid() || !Sounding.contains(voice.Serial))
      return false;
    int &left = Answers[voice.Channel];
    if (left == 0)
      return false;
    if (left > 0)
      --left;
    return true;
  }
  void Stop(const TVoice &voice) override {
    ++Calls;
    if (voice.Valid() && Sounding.erase(voice.Serial))
      Stopped.push_back(voice);
  }

  // The voice played to its end.
  void Finish(const TVoice &voice) { Sounding.erase(voice.Serial); }
  int SoundingCount() const { return static_cast<int>(Sounding.size()); }

private:
  bool IsOpenNow = false;
  quint64 LastSerial = 0;
  std::set<quint64> Sounding;
  mutable std::vector<int> Answers; // by voice channel
};
