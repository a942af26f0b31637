// Our RIFF file reader in the style of the classic buffered multimedia I/O: open, descend into a chunk
// (the next one, or find one by id), ascend out of it, read, seek, and byte access through the read
// buffer. Every chunk size is checked against the end of its parent chunk and of the file, so a
// descend never yields a chunk that reaches past the data that exists; an outermost chunk (the RIFF
// chunk) that claims more than the file holds ends with the file.
#pragma once
#include <cstdint>
#include <cstdio>

namespace plat {

using FourCC = std::uint32_t;
constexpr FourCC MakeFourCC(char a, char b, char c, char d) {
  return static_cast<FourCC>(static_cast<std::uint8_t>(a)) | (static_cast<FourCC>(static_cast<std::uint8_t>(b)) << 8) |
         (static_cast<FourCC>(static_cast<std::uint8_t>(c)) << 16) |
         (static_cast<FourCC>(static_cast<std::uint8_t>(d)) << 24);
}
constexpr FourCC kFourCCRiff = MakeFourCC('R', 'I', 'F', 'F');
constexpr FourCC kFourCCList = MakeFourCC('L', 'I', 'S', 'T');

// Descend flags.
constexpr unsigned MMIO_FINDCHUNK = 0x10;  // the chunk with ckid
constexpr unsigned MMIO_FINDRIFF = 0x20;   // a "RIFF" chunk with fccType
// Open flags (reading is the only access).
constexpr unsigned MMIO_READ = 0x0;
constexpr unsigned MMIO_ALLOCBUF = 0x10000;

// Seek origins.
constexpr int kSeekSet = SEEK_SET;
constexpr int kSeekCur = SEEK_CUR;

struct MmioChunk {
  FourCC ckid = 0;
  std::uint32_t cksize = 0;
  FourCC fccType = 0;        // form type of "RIFF" and "LIST" chunks
  std::uint32_t dwDataOffset = 0;  // file offset of the chunk's data (the form type for "RIFF"/"LIST")
};

// The read buffer as seen by byte access: bytes from pchNext up to pchEndRead are the file's next bytes.
struct MmioInfo {
  std::uint8_t* pchNext = nullptr;
  std::uint8_t* pchEndRead = nullptr;
};

struct MmioFile;

MmioFile* MmioOpen(const char* path, unsigned flags);
void MmioClose(MmioFile* file);
// Bytes read (fewer at the end of the file), or -1.
long MmioRead(MmioFile* file, void* out, long bytes);
// The new position, or -1 (outside the file).
long MmioSeek(MmioFile* file, long offset, int origin);
bool MmioDescend(MmioFile* file, MmioChunk& chunk, const MmioChunk* parent, unsigned flags);
bool MmioAscend(MmioFile* file, const MmioChunk& chunk);
bool MmioGetInfo(MmioFile* file, MmioInfo& info);
// Refills the read buffer from the position pchNext stands at; pchNext == pchEndRead afterwards means
// the end of the file.
bool MmioAdvance(MmioFile* file, MmioInfo& info);
bool MmioSetInfo(MmioFile* file, const MmioInfo& info);

}  // namespace plat
