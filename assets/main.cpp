// tessivane_assetgen OUTPUT_DIR: draws every default picture, sound and tune of the game into
// OUTPUT_DIR (IMAGE/, IMAGE/ZAKU/, IMAGE/BOSS/, IMAGE/BACK/, SOUND/, MIDI/). Same bytes on every run.
#include <cstdio>
#include <string>

#include "file_writers.h"
#include "music.h"
#include "painters.h"
#include "picture_table.h"
#include "sound_synth.h"

int main(int argc, char** argv) {
  using namespace assetgen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string root = std::string(argv[1]) + "/";
  int failures = 0;
  auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    if (!WriteFile(root + name, bytes)) {
      std::fprintf(stderr, "tessivane_assetgen: cannot write %s%s\n", root.c_str(), name.c_str());
      ++failures;
    }
  };
  for (const PictureSpec& spec : Pictures()) {
    const Canvas canvas = PaintPicture(spec);
    write(spec.file, EncodeBmp(spec.width, spec.height, canvas.Finished(spec.finish)));
  }
  write("SOUND/SHOT.WAV", EncodeWav(kSoundRate, SynthShot()));
  write("SOUND/BOM.WAV", EncodeWav(kSoundRate, SynthExplosion()));
  write("MIDI/QMX1.MID", ComposeStageTune());
  write("MIDI/QMX2.MID", ComposeEndingTune());
  return failures == 0 ? 0 : 1;
}
