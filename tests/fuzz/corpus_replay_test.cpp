// Every file that ever troubled a reader, and every file the asset generator makes, through the same
// entry points as the fuzzers: none may crash, leak or read out of bounds (the sanitizer build runs
// this too), the game's own files are all taken, and the files kept as damaged are all refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "support/headless_game.h"

namespace {

namespace fs = std::filesystem;
using Feed = bool (*)(const std::uint8_t*, std::size_t);

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The files under a folder (and its sub-folders) with one of the extensions, in a fixed order.
std::vector<fs::path> Files(const fs::path& folder, const std::vector<std::string>& extensions) {
  std::vector<fs::path> found;
  if (!fs::is_directory(folder)) return found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (extensions.empty() || std::find(extensions.begin(), extensions.end(), ext) != extensions.end()) {
      found.push_back(entry.path());
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

struct Path {
  const char* corpus;       // folder under the corpus
  const char* generated;    // folder of the built asset tree
  const char* extension;
  Feed feed;
};

const Path kPaths[] = {{"picture", "IMAGE", ".BMP", fuzz::FeedPicture},
                       {"wave", "SOUND", ".WAV", fuzz::FeedWave},
                       {"tune", "MIDI", ".MID", fuzz::FeedTune}};

void PrintTo(const Path& path, std::ostream* out) { *out << path.corpus; }

class CorpusReplayTest : public ::testing::TestWithParam<Path> {};

TEST_P(CorpusReplayTest, GeneratedFilesAreTakenAndKeptDamagedFilesAreRefused) {
  const Path& p = GetParam();
  const fs::path corpus = fs::path(TESSIVANE_FUZZ_CORPUS) / p.corpus;
  // "good-*" files are sound and must be taken, "refused-*" files must be refused; any other is
  // damaged in a way the reader may accept or refuse, but must survive.
  int replayed = 0;
  for (const fs::path& file : Files(corpus, {})) {
    const std::vector<std::uint8_t> bytes = ReadAll(file);
    const bool taken = p.feed(bytes.data(), bytes.size());
    const std::string name = file.filename().string();
    if (name.rfind("good-", 0) == 0) {
      EXPECT_TRUE(taken) << file;
    } else if (name.rfind("refused-", 0) == 0) {
      EXPECT_FALSE(taken) << file;
    }
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
  const std::vector<fs::path> generated = Files(fs::path(testing_support::BuildDir()) / p.generated, {p.extension});
  EXPECT_FALSE(generated.empty());
  for (const fs::path& file : generated) {
    const std::vector<std::uint8_t> bytes = ReadAll(file);
    EXPECT_TRUE(p.feed(bytes.data(), bytes.size())) << file;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryReader, CorpusReplayTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& info) { return std::string(info.param.corpus); });

}  // namespace
