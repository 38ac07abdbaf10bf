#pragma once
// The form of a special renderer of a value text, shared by the tag tables
// that name one and the walk that calls it.

#include <string>
#include <vector>

// What a renderer hands back besides its text: the named values it found
// (the Canon breakdowns' lines) and whether its text is a block of whole
// lines. The walk that called it lists them, so renderers keep no state.
struct RenderSink {
  struct NamedValue {
    std::string name;
    std::string text;
  };
  std::vector<NamedValue> namedValues;
  bool multiLine = false;
};

// A special renderer of a value text. It may throw std::runtime_error on a text
// it cannot read; the directory walk decides where that ends.
using TextRenderer = std::string (*)(const std::string& text, RenderSink& sink);
