#include "app/core/run_texts.h"

std::string FoundFilesText(size_t count) {
  return "Insgesamt " + std::to_string(count) + " Dateien gefunden.";
}
