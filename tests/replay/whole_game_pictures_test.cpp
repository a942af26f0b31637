// The whole game drawn twice, once by the drawers' plain per-pixel loops and once by their fast
// loops: every presented picture, title to title, must be the same. Each game runs in its own child
// process, so both start from the same fresh program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/headless/headless_host.h"
#include "platform/pixel_rows.h"
#include "support/headless_game.h"

namespace {

void HashPicture(int, void* user) {
  int width = 0, height = 0;
  const std::vector<std::uint16_t>& pixels = plat::headless::LastPresented(width, height);
  std::uint64_t h = 1469598103934665603ull;
  for (std::uint16_t p : pixels) h = (h ^ p) * 1099511628211ull;
  static_cast<std::vector<std::uint64_t>*>(user)->push_back(h);
}

std::vector<std::uint64_t> PlayWholeGame(bool plainLoops) {
  plat::SetPlainPixelLoops(plainLoops);
  testing_support::FreshHost();
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  plat::headless::ScheduleKey(40, 'B', true);
  std::vector<std::uint64_t> hashes;
  plat::headless::SetFrameDoneHook(HashPicture, &hashes);
  EXPECT_EQ(testing_support::RunGame(13400), 0);
  plat::SetPlainPixelLoops(false);
  return hashes;
}

// Starts a child that plays the game and writes the picture hashes to `path`.
pid_t PlayInChild(bool plainLoops, const std::string& path) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child != 0) return child;
  const std::vector<std::uint64_t> hashes = PlayWholeGame(plainLoops);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  const bool ok = f != nullptr && std::fwrite(hashes.data(), sizeof hashes[0], hashes.size(), f) == hashes.size();
  if (f != nullptr) std::fclose(f);
  _exit(ok ? 0 : 1);
}

std::vector<std::uint64_t> Collect(pid_t child, const std::string& path) {
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::vector<std::uint64_t> hashes(20000);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  hashes.resize(f == nullptr ? 0 : std::fread(hashes.data(), sizeof hashes[0], hashes.size(), f));
  if (f != nullptr) std::fclose(f);
  std::remove(path.c_str());
  return hashes;
}

TEST(WholeGamePicturesTest, FastDrawersShowEveryFrameAsThePlainOnesDo) {
  const std::string base = "/tmp/tessivane-pictures-" + std::to_string(getpid());
  const pid_t plainChild = PlayInChild(true, base + "-plain");
  const pid_t fastChild = PlayInChild(false, base + "-fast");
  const std::vector<std::uint64_t> plain = Collect(plainChild, base + "-plain");
  const std::vector<std::uint64_t> fast = Collect(fastChild, base + "-fast");
  ASSERT_EQ(plain.size(), 13400u);
  ASSERT_EQ(fast.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(fast[i], plain[i]) << "frame " << i;
}

}  // namespace
