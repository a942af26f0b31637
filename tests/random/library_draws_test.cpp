// Every random number of a game comes from the game's own seeded generator: no library draws on it
// once the game has seeded it, so the same keys give the same game whatever the sound and music do.
// The C library's rand and srand are wrapped here and each call is told apart by where it came from.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "platform/headless/headless_host.h"
#include "support/headless_game.h"

namespace {

std::atomic<bool> seeded{false};
std::atomic<long> foreignDrawsBeforeSeed{0};
std::atomic<long> foreignDrawsAfterSeed{0};
std::atomic<long> gameDraws{0};

bool FromThisProgram(void* caller) {
  Dl_info mine{}, theirs{};
  static int anchor = 0;
  return dladdr(&anchor, &mine) != 0 && dladdr(caller, &theirs) != 0 && mine.dli_fbase == theirs.dli_fbase;
}

}  // namespace

extern "C" int rand() {
  using Rand = int (*)();
  static const auto real = reinterpret_cast<Rand>(dlsym(RTLD_NEXT, "rand"));
  if (FromThisProgram(__builtin_return_address(0))) {
    ++gameDraws;
  } else {
    ++(seeded.load() ? foreignDrawsAfterSeed : foreignDrawsBeforeSeed);
  }
  return real();
}

extern "C" void srand(unsigned seed) {
  using Srand = void (*)(unsigned);
  static const auto real = reinterpret_cast<Srand>(dlsym(RTLD_NEXT, "srand"));
  if (FromThisProgram(__builtin_return_address(0))) seeded.store(true);
  real(seed);
}

namespace {

TEST(LibraryDrawsTest, NoLibraryDrawsOnTheGamesGeneratorOnceItIsSeeded) {
  testing_support::FreshHost();
  // Start a game at once, fire and let the stage music start, play and loop.
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  plat::headless::ScheduleKey(40, 'B', true);
  ASSERT_EQ(testing_support::RunGame(1500), 0);
  EXPECT_GT(gameDraws.load(), 0);
  // The synthesizer's start-up draws its numbers before the game seeds (it is made at start-up).
  EXPECT_GT(foreignDrawsBeforeSeed.load(), 0);
  EXPECT_EQ(foreignDrawsAfterSeed.load(), 0) << foreignDrawsBeforeSeed.load() << " before";
}

}  // namespace
