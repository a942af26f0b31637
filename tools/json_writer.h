// A small JSON writer for the runner's trace and state dumps: objects and arrays are opened and closed
// in order and the commas come by themselves.
#pragma once
#include <cmath>
#include <cstdio>
#include <string>

namespace runner {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  JsonWriter& BeginObject(const char* name = nullptr) { return Open(name, '{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray(const char* name = nullptr) { return Open(name, '['); }
  JsonWriter& EndArray() { return Close(']'); }

  JsonWriter& Field(const char* name, int value) {
    Key(name);
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    out_ += text;
    return *this;
  }
  // Floats keep every digit they hold; a value JSON cannot hold (inf, nan) is written as null.
  JsonWriter& Field(const char* name, float value) {
    Key(name);
    if (!std::isfinite(value)) {
      out_ += "null";
      return *this;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    out_ += text;
    return *this;
  }
  JsonWriter& Field(const char* name, const std::string& value) {
    Key(name);
    AppendString(value);
    return *this;
  }
  // An element of the array being written.
  JsonWriter& Value(int value) { return Field(nullptr, value); }
  JsonWriter& Value(float value) { return Field(nullptr, value); }
  JsonWriter& Value(const std::string& value) { return Field(nullptr, value); }

 private:
  JsonWriter& Open(const char* name, char bracket) {
    Key(name);
    out_ += bracket;
    first_ = true;
    return *this;
  }
  JsonWriter& Close(char bracket) {
    out_ += bracket;
    first_ = false;
    return *this;
  }
  void Key(const char* name) {
    if (!first_) out_ += ',';
    first_ = false;
    if (name == nullptr) return;
    AppendString(name);
    out_ += ':';
  }
  void AppendString(const std::string& text) {
    out_ += '"';
    for (const char c : text) {
      const auto u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += c;
      } else if (u < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
        out_ += escaped;
      } else {
        out_ += c;
      }
    }
    out_ += '"';
  }

  std::string& out_;
  bool first_ = true;
};

}  // namespace runner
