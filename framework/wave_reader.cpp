// The WAV reader: a RIFF "WAVE" file's format block and samples.
#include <cstdlib>
#include <cstring>

#include "framework/el_sound.h"
#include "platform/riff_file.h"

namespace elSound {
namespace {

constexpr std::uint32_t kPcmFormatBytes = 16;
constexpr std::uint32_t kFormatHeaderBytes = 18;  // the PCM part and the extra size

std::uint8_t* Allocate(std::uint32_t bytes) { return static_cast<std::uint8_t*>(std::malloc(bytes == 0 ? 1 : bytes)); }

// Copies `bytes` bytes from the file position into `out` through the read buffer.
bool CopyThroughBuffer(plat::MmioFile* file, std::uint8_t* out, std::uint32_t bytes) {
  plat::MmioInfo info;
  if (!plat::MmioGetInfo(file, info)) return false;
  for (std::uint32_t i = 0; i < bytes; ++i) {
    if (info.pchNext == info.pchEndRead) {
      if (!plat::MmioAdvance(file, info) || info.pchNext == info.pchEndRead) return false;
    }
    out[i] = *info.pchNext++;
  }
  return plat::MmioSetInfo(file, info);
}

bool ReadInto(plat::MmioFile* file, void* out, long bytes) { return plat::MmioRead(file, out, bytes) == bytes; }

}  // namespace

void FreeWaveBlock(std::uint8_t* block) { std::free(block); }

int ReadWaveFile(const char* path, std::uint8_t** format, std::uint32_t* formatSize, std::uint8_t** samples,
                 std::uint32_t* sampleSize) {
  *format = nullptr;
  *formatSize = 0;
  *samples = nullptr;
  *sampleSize = 0;
  plat::MmioFile* file = plat::MmioOpen(path, plat::MMIO_ALLOCBUF | plat::MMIO_READ);
  if (file == nullptr) return 1;

  std::uint8_t* formatBlock = nullptr;
  std::uint8_t* sampleBlock = nullptr;
  std::uint32_t formatBytes = 0;
  std::uint32_t sampleBytes = 0;
  const auto fail = [&]() {
    FreeWaveBlock(formatBlock);
    FreeWaveBlock(sampleBlock);
    plat::MmioClose(file);
    return 1;
  };

  plat::MmioChunk riff;
  if (!plat::MmioDescend(file, riff, nullptr, 0)) return fail();
  if (riff.ckid != plat::kFourCCRiff || riff.fccType != plat::MakeFourCC('W', 'A', 'V', 'E')) return fail();

  plat::MmioChunk fmt;
  fmt.ckid = plat::MakeFourCC('f', 'm', 't', ' ');
  if (!plat::MmioDescend(file, fmt, &riff, plat::MMIO_FINDCHUNK)) return fail();
  if (fmt.cksize < kPcmFormatBytes) return fail();
  std::uint8_t pcm[kPcmFormatBytes];
  if (!ReadInto(file, pcm, kPcmFormatBytes)) return fail();

  std::uint16_t extraSize = 0;
  const auto formatTag = static_cast<std::uint16_t>(pcm[0] | (pcm[1] << 8));
  if (formatTag != plat::audio::kWaveFormatPcm) {
    std::uint8_t extra[2];
    // The extra size and the extra bytes must lie inside the "fmt " chunk.
    if (fmt.cksize < kFormatHeaderBytes || !ReadInto(file, extra, 2)) return fail();
    extraSize = static_cast<std::uint16_t>(extra[0] | (extra[1] << 8));
    if (kFormatHeaderBytes + extraSize > fmt.cksize) return fail();
  }
  formatBytes = kFormatHeaderBytes + extraSize;
  formatBlock = Allocate(formatBytes);
  if (formatBlock == nullptr) return fail();
  std::memcpy(formatBlock, pcm, kPcmFormatBytes);
  formatBlock[16] = static_cast<std::uint8_t>(extraSize & 0xFF);
  formatBlock[17] = static_cast<std::uint8_t>(extraSize >> 8);
  if (extraSize > 0 && !ReadInto(file, formatBlock + kFormatHeaderBytes, extraSize)) return fail();
  if (!plat::MmioAscend(file, fmt)) return fail();

  if (plat::MmioSeek(file, static_cast<long>(riff.dwDataOffset) + 4, plat::kSeekSet) < 0) return fail();
  plat::MmioChunk data;
  data.ckid = plat::MakeFourCC('d', 'a', 't', 'a');
  if (!plat::MmioDescend(file, data, &riff, plat::MMIO_FINDCHUNK)) return fail();
  sampleBytes = data.cksize;
  sampleBlock = Allocate(sampleBytes);
  if (sampleBlock == nullptr) return fail();
  if (!CopyThroughBuffer(file, sampleBlock, sampleBytes)) return fail();

  plat::MmioClose(file);
  *format = formatBlock;
  *formatSize = formatBytes;
  *samples = sampleBlock;
  *sampleSize = sampleBytes;
  return 0;
}

}  // namespace elSound
