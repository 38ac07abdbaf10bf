#include "run/system_error_texts.h"

std::string SystemErrorMessage(std::error_code error) {
  // Only errno values are in the table; another category's numbers mean
  // something else.
  if (error.category() == std::system_category() || error.category() == std::generic_category()) {
    for (const SystemErrorText& row : kSystemErrorTexts)
      if (row.error == error.value()) return std::string(row.text);
  }
  return error.message();
}
