// The RIFF reader: one open file with a fixed read buffer.
#include "platform/riff_file.h"

#include <cstring>

#include "platform/regular_file.h"

namespace plat {

struct MmioFile {
  std::FILE* stream = nullptr;
  long size = 0;
  long position = 0;     // where the next read starts
  long bufferStart = 0;  // file offset of buffer[0]
  long bufferLength = 0;
  std::uint8_t buffer[8192];
};

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool HasFormType(FourCC id) { return id == kFourCCRiff || id == kFourCCList; }

// Reads the chunk header at the current position; false when it or its data reaches past `limit`.
// An outermost chunk that claims more than the file holds is taken to end with the file instead.
bool ReadHeader(MmioFile* file, MmioChunk& chunk, long limit, bool outermost) {
  std::uint8_t header[8];
  const long start = file->position;
  if (start + 8 > limit || MmioRead(file, header, 8) != 8) return false;
  chunk.ckid = Le32(header);
  chunk.cksize = Le32(header + 4);
  chunk.dwDataOffset = static_cast<std::uint32_t>(start + 8);
  chunk.fccType = 0;
  if (static_cast<std::uint64_t>(chunk.dwDataOffset) + chunk.cksize > static_cast<std::uint64_t>(limit)) {
    if (!outermost) return false;
    chunk.cksize = static_cast<std::uint32_t>(limit - static_cast<long>(chunk.dwDataOffset));
  }
  if (HasFormType(chunk.ckid)) {
    std::uint8_t form[4];
    if (chunk.cksize < 4 || MmioRead(file, form, 4) != 4) return false;
    chunk.fccType = Le32(form);
  }
  return true;
}

long NextChunk(const MmioChunk& chunk) {
  return static_cast<long>(chunk.dwDataOffset) + static_cast<long>(chunk.cksize) + static_cast<long>(chunk.cksize & 1);
}

}  // namespace

MmioFile* MmioOpen(const char* path, unsigned) {
  if (path == nullptr) return nullptr;
  std::FILE* stream = OpenRegularFile(path);
  if (stream == nullptr) return nullptr;
  long size = -1;
  if (std::fseek(stream, 0, SEEK_END) == 0) size = std::ftell(stream);
  if (size < 0 || std::fseek(stream, 0, SEEK_SET) != 0) {
    std::fclose(stream);
    return nullptr;
  }
  auto* file = new MmioFile;
  file->stream = stream;
  file->size = size;
  return file;
}

void MmioClose(MmioFile* file) {
  if (file == nullptr) return;
  std::fclose(file->stream);
  delete file;
}

long MmioRead(MmioFile* file, void* out, long bytes) {
  if (file == nullptr || bytes < 0) return -1;
  if (std::fseek(file->stream, file->position, SEEK_SET) != 0) return -1;
  const long got = static_cast<long>(std::fread(out, 1, static_cast<std::size_t>(bytes), file->stream));
  file->position += got;
  return got;
}

long MmioSeek(MmioFile* file, long offset, int origin) {
  if (file == nullptr) return -1;
  const long base = origin == kSeekCur ? file->position : (origin == kSeekSet ? 0 : file->size);
  const long target = base + offset;
  if (target < 0 || target > file->size) return -1;
  file->position = target;
  return target;
}

bool MmioDescend(MmioFile* file, MmioChunk& chunk, const MmioChunk* parent, unsigned flags) {
  if (file == nullptr) return false;
  long limit = file->size;
  if (parent != nullptr) {
    const long parentEnd = static_cast<long>(parent->dwDataOffset) + static_cast<long>(parent->cksize);
    if (parentEnd < limit) limit = parentEnd;
  }
  const FourCC wantedId = (flags & MMIO_FINDRIFF) != 0 ? kFourCCRiff : chunk.ckid;
  const FourCC wantedType = chunk.fccType;
  const bool find = (flags & (MMIO_FINDCHUNK | MMIO_FINDRIFF)) != 0;
  for (;;) {
    MmioChunk found;
    if (!ReadHeader(file, found, limit, parent == nullptr)) return false;
    const bool match = !find || (found.ckid == wantedId && ((flags & MMIO_FINDRIFF) == 0 || found.fccType == wantedType));
    if (match) {
      chunk = found;
      return true;
    }
    const long next = NextChunk(found);
    if (next >= limit) return false;
    file->position = next;
  }
}

bool MmioAscend(MmioFile* file, const MmioChunk& chunk) {
  if (file == nullptr) return false;
  long next = NextChunk(chunk);
  if (next > file->size) next = file->size;
  file->position = next;
  return true;
}

bool MmioGetInfo(MmioFile* file, MmioInfo& info) {
  if (file == nullptr) return false;
  // The buffer starts empty at the current position; the first advance fills it.
  file->bufferStart = file->position;
  file->bufferLength = 0;
  info.pchNext = file->buffer;
  info.pchEndRead = file->buffer;
  return true;
}

bool MmioAdvance(MmioFile* file, MmioInfo& info) {
  if (file == nullptr) return false;
  const long consumed = static_cast<long>(info.pchNext - file->buffer);
  if (consumed < 0 || consumed > file->bufferLength) return false;
  file->position = file->bufferStart + consumed;
  file->bufferStart = file->position;
  const long got = MmioRead(file, file->buffer, static_cast<long>(sizeof file->buffer));
  file->position = file->bufferStart;
  file->bufferLength = got > 0 ? got : 0;
  info.pchNext = file->buffer;
  info.pchEndRead = file->buffer + file->bufferLength;
  return got >= 0;
}

bool MmioSetInfo(MmioFile* file, const MmioInfo& info) {
  if (file == nullptr) return false;
  const long consumed = static_cast<long>(info.pchNext - file->buffer);
  if (consumed < 0 || consumed > file->bufferLength) return false;
  file->position = file->bufferStart + consumed;
  return true;
}

}  // namespace plat
