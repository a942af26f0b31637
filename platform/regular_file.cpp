#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

std::FILE* OpenRegularFile(const char* path) {
  if (path == nullptr) return nullptr;
  // Without O_NONBLOCK the open of a named pipe waits for a writer: it is opened without waiting and
  // then looked at, so what is not a regular file never gets as far as a read.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr) close(fd);
  return file;
}

}  // namespace plat
