#pragma once
// Renderers of maker-note values: two Nikon texts and the three Canon
// breakdowns, which turn a list of 16-bit numbers into named lines. The
// breakdowns hand their named values and their multi-line flag to the sink.

#include "metadata/text_renderer.h"

#include <string>

std::string NikonColorMode(const std::string& text, RenderSink& sink);
std::string NikonLensRange(const std::string& text, RenderSink& sink);
std::string CanonCameraSettings(const std::string& text, RenderSink& sink);
std::string CanonShotInfo(const std::string& text, RenderSink& sink);
std::string CanonCustomFunctions(const std::string& text, RenderSink& sink);
