#pragma once
// Where the samples of a RIFF WAVE image lie, for an output that plays them in place: only plain
// 16-bit PCM is described; anything else is left to a decoder that converts.

#include <QByteArray>

#include <optional>

struct TWaveSamples {
  int Rate = 0;
  int Channels = 0;
  // Into the image; whole frames only, and no further than the image goes (a truncated file
  // gives what it holds).
  const char *Data = nullptr;
  qsizetype Bytes = 0;
};

std::optional<TWaveSamples> FindPcm16Samples(const QByteArray &wave);
