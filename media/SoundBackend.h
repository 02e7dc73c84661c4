#pragma once
// What the sound device needs from an audio output: open and close it, turn WAVE images into
// clips held by the output, and start a clip any number of times, overlapping, without waiting.
// The program uses its own mixer on SDL's audio device; tests pass a fake that records what was
// asked.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class TSoundBackend {
public:
  // One playback of a clip. Serial tells this playback from a later one on the same channel, so
  // a stopped voice never looks alive again when its channel is reused.
  struct TVoice {
    int Channel = -1;
    quint64 Serial = 0;
    bool Valid() const { return Channel >= 0; }
    bool operator==(const TVoice &) const = default;
  };

  virtual ~TSoundBackend() = default;

  // Returns false, quickly and fully closed, when there is no output; ErrorText says why.
  virtual bool Open() = 0;
  // Stops every voice at once and frees every clip. Nothing when closed.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual QString ErrorText() const = 0;

  // A clip id (>= 0) for a RIFF WAVE image, or -1 with ErrorText set. Only while open. The image
  // must outlive the clip: an output may play it in place.
  virtual int LoadClip(const QByteArray &wave) = 0;
  // Stops the clip's voices and frees it.
  virtual void FreeClip(int clip) = 0;

  // Starts the clip from its beginning, once or looping; returns at once. An invalid voice when
  // it cannot start.
  virtual TVoice Start(int clip, bool looped) = 0;
  virtual bool IsPlaying(const TVoice &voice) const = 0;
  // Nothing when the voice has already stopped.
  virtual void Stop(const TVoice &voice) = 0;
};
