// Shared pieces of the display tests: BMP files written into a temporary program directory, and a
// fixture that opens the 800x600 display on the headless host.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "platform/surface.h"

namespace display_test {

// A BMP file in memory. bpp 1/4/8 get a palette of the distinct colours (0x00RRGGBB); 16 is 5-5-5
// (bitFields: 5-6-5 with masks), 24 plain, 32 X8R8G8B8 (bitFields: with masks).
std::vector<std::uint8_t> MakeBmp(int bpp, int width, int height, const std::vector<std::uint32_t>& rgb,
                                  bool topDown = false, bool bitFields = false);
// Little-endian values written into a file's bytes at `at`.
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string MakeTempDir();

// Pixel values in the 5-6-5 display.
constexpr std::uint16_t Rgb565(int r5, int g6, int b5) { return static_cast<std::uint16_t>((r5 << 11) | (g6 << 5) | b5); }

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes IMAGE/<name> as a 24-bit BMP of one colour (or of the given pixels) under the program dir.
  void WritePicture(const std::string& name, int width, int height, std::uint32_t rgb);
  void WritePicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& rgb);
  // Sets one pixel / reads one pixel of a slot's surface or the back buffer.
  static void Poke(plat::Surface* surface, int x, int y, std::uint16_t value);
  static std::uint16_t Peek(const plat::Surface* surface, int x, int y);
  static void Fill(plat::Surface* surface, std::uint16_t value);
  static std::uint16_t Back(int x, int y) { return Peek(elDraw::Display.backBuffer, x, y); }
  // The message boxes shown since SetUp.
  static std::vector<std::string> Boxes();

  std::string dir_;
};

}  // namespace display_test
