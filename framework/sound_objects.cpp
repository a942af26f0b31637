// Sound effects: the sound device, the table of sound ids and their mix buffers, loading from WAV
// files or "WAVE" resources, and playing.
#include <cstdio>
#include <cstring>

#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "platform/wave_resources.h"

namespace elSound {

SoundSlotTable SoundSlot;
SoundDeviceState SoundDevice;

namespace {

PlayObserver playObserver = nullptr;

constexpr const char* kLoadLabel = "elSound::LoadObject";
constexpr std::uint32_t kBufferFlags = plat::audio::kBufferCtrlFrequency | plat::audio::kBufferStatic;
constexpr std::size_t kMaxNameLength = 30;
// A "WAVE" resource is a canonical 44-byte RIFF header followed by the samples.
constexpr std::size_t kResourceFormatOffset = 20;
constexpr std::size_t kResourceSizeOffset = 40;
constexpr std::size_t kResourceHeaderBytes = 44;

int LoadFailure(const char* message) {
  elSystem::ErrorBox(kLoadLabel, message, 0);
  return -1;
}

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(Le16(p)) | (static_cast<std::uint32_t>(Le16(p + 2)) << 16);
}

// The format from a format block: the 16-byte PCM part, then (beyond PCM) the extra size.
plat::audio::WaveFormat ParseFormat(const std::uint8_t* block, bool withExtraSize) {
  plat::audio::WaveFormat f;
  f.formatTag = Le16(block);
  f.channels = Le16(block + 2);
  f.samplesPerSec = Le32(block + 4);
  f.avgBytesPerSec = Le32(block + 8);
  f.blockAlign = Le16(block + 12);
  f.bitsPerSample = Le16(block + 14);
  f.extraSize = withExtraSize ? Le16(block + 16) : 0;
  return f;
}

// The sound's data: from the file, else from a resource of that name.
struct WaveData {
  plat::audio::WaveFormat format;
  const std::uint8_t* samples = nullptr;
  std::uint32_t sampleBytes = 0;
  std::uint8_t* fileFormat = nullptr;  // owned when read from a file
  std::uint8_t* fileSamples = nullptr;
};

bool FindWaveResource(const char* name, WaveData& wave) {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  if (!plat::FindResource(name, plat::kResourceTypeWave, data, size) &&
      !plat::FindResource(name, plat::kResourceTypeRcData, data, size)) {
    return false;
  }
  if (size < kResourceHeaderBytes) return false;
  const std::uint32_t sampleBytes = Le32(data + kResourceSizeOffset);
  if (sampleBytes > size - kResourceHeaderBytes) return false;
  wave.format = ParseFormat(data + kResourceFormatOffset, false);
  wave.samples = data + kResourceHeaderBytes;
  wave.sampleBytes = sampleBytes;
  return true;
}

bool ReadWave(const char* name, WaveData& wave) {
  char path[elSystem::kProgramDirSize];
  std::snprintf(path, sizeof path, "%s%s", elSystem::GetProgramDir(), name);
  std::uint32_t formatBytes = 0;
  if (ReadWaveFile(path, &wave.fileFormat, &formatBytes, &wave.fileSamples, &wave.sampleBytes) == 0) {
    wave.format = ParseFormat(wave.fileFormat, true);
    wave.samples = wave.fileSamples;
    return true;
  }
  return FindWaveResource(name, wave);
}

void FreeWave(WaveData& wave) {
  FreeWaveBlock(wave.fileFormat);
  FreeWaveBlock(wave.fileSamples);
  wave.fileFormat = nullptr;
  wave.fileSamples = nullptr;
}

// Makes mix buffer i of the id and fills it with the samples.
bool MakeMixBuffer(int id, int i, const WaveData& wave) {
  const plat::audio::SoundBuffer buffer = plat::audio::CreateSoundBuffer(wave.format, wave.sampleBytes, kBufferFlags);
  SoundSlot.mixBuffers[id][i] = buffer;
  if (buffer == 0) return false;
  void* memory = nullptr;
  std::uint32_t locked = 0;
  if (plat::audio::LockSoundBuffer(buffer, 0, wave.sampleBytes, memory, locked)) {
    std::memcpy(memory, wave.samples, locked);
    plat::audio::UnlockSoundBuffer(buffer);
  }
  plat::audio::GetSoundBufferFrequency(buffer, SoundSlot.frequency[id][i]);
  SoundSlot.baseFrequency[id] = SoundSlot.frequency[id][i];
  return true;
}

void Restart(plat::audio::SoundBuffer buffer) {
  plat::audio::StopSoundBuffer(buffer);
  plat::audio::SetSoundBufferPosition(buffer, 0);
  plat::audio::PlaySoundBuffer(buffer, false);
}

// Every id free, as the display set-up leaves the table.
void ResetTable() {
  for (int id = 0; id < kSoundIds; ++id) {
    for (int i = 0; i < kMaxMixBuffers; ++i) {
      SoundSlot.mixBuffers[id][i] = 0;
      SoundSlot.frequency[id][i] = 0;
    }
    SoundSlot.used[id] = 0;
    SoundSlot.mixCount[id] = 1;
    SoundSlot.nextMix[id] = 0;
    SoundSlot.baseFrequency[id] = 0;
    SoundSlot.name[id][0] = '\0';
  }
}

}  // namespace

int Init() {
  SoundDevice = SoundDeviceState{};
  ResetTable();
  if (!plat::audio::CreateSoundDevice()) {
    SoundDevice.soundAvailable = 0;
    return 0;
  }
  SoundDevice.device = true;
  SoundDevice.primary = true;  // the device's own mix stream stands for the primary buffer
  SoundDevice.soundAvailable = 1;
  return 1;
}

int LoadObject(const char* name, int mixCount) {
  if (SoundDevice.soundAvailable == 0) return -1;
  const int m = mixCount < 0 ? -mixCount : mixCount;
  if (m > kMaxMixBuffers) return LoadFailure("ミックス数が多過ぎます");
  int id = 0;
  while (id < kSoundIds && SoundSlot.used[id] != 0) ++id;
  if (id == kSoundIds) return LoadFailure("オブジェクト数が多過ぎます");

  WaveData wave;
  if (!ReadWave(name, wave)) return LoadFailure("WAVEリソースが見つかりません");
  SoundSlot.mixCount[id] = m;
  SoundSlot.nextMix[id] = 0;
  for (int i = 0; i < m; ++i) {
    if (!MakeMixBuffer(id, i, wave)) {
      FreeWave(wave);
      return LoadFailure("サウンドバッファが生成できません");
    }
  }
  SoundSlot.used[id] = 1;
  FreeWave(wave);

  if (std::strlen(name) > kMaxNameLength) return LoadFailure("ファイル名またはリソース名が長すぎます");
  std::strncpy(SoundSlot.name[id], name, kSoundNameSize - 1);
  SoundSlot.name[id][kSoundNameSize - 1] = '\0';
  return id;
}

void SetPlayObserver(PlayObserver observer) { playObserver = observer; }

int Play(int soundId, int which) {
  if (playObserver != nullptr) playObserver(soundId);
  if (SoundDevice.soundAvailable == 0) return 0;
  // A sound that failed to load has the id -1: ids outside the table or never given out do nothing.
  if (soundId < 0 || soundId >= kSoundIds || SoundSlot.used[soundId] == 0) return 0;
  const int count = SoundSlot.mixCount[soundId];
  if (count <= 0) return 0;
  if (which == -1) {
    const int b = SoundSlot.nextMix[soundId];
    Restart(SoundSlot.mixBuffers[soundId][b]);
    SoundSlot.nextMix[soundId] = b + 1 == count ? 0 : b + 1;
    return 1;
  }
  if (which >= 0 && which < count) {
    Restart(SoundSlot.mixBuffers[soundId][which]);
    return 1;
  }
  return 0;
}

void Shutdown() {
  if (!SoundDevice.device) return;
  for (int id = 0; id < kSoundIds; ++id) {
    if (SoundSlot.used[id] == 0) continue;
    for (int i = 0; i < SoundSlot.mixCount[id]; ++i) {
      plat::audio::StopSoundBuffer(SoundSlot.mixBuffers[id][i]);
      plat::audio::ReleaseSoundBuffer(SoundSlot.mixBuffers[id][i]);
      SoundSlot.mixBuffers[id][i] = 0;
    }
  }
  plat::audio::ReleaseSoundDevice();
  SoundDevice = SoundDeviceState{};
}

}  // namespace elSound
