#pragma once
// Files written line by line as things happen (the move log, the run
// records): each line goes to the file with one write in append mode, so it
// lands whole at the end, also when the program is killed between two.

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

class AppendFile {
public:
  enum class Mode {
    CreateNew,      // the file must not exist yet
    CreateOrAppend, // an existing file is appended to
  };

  // Opens path; IsOpen() and Error() tell whether that worked.
  AppendFile(const std::string& path, Mode mode);
  ~AppendFile();
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  std::error_code Error() const { return error_; }
  // Appends bytes with one write; false when not all of them were written.
  bool Append(std::string_view bytes);

private:
  int fd_ = -1;
  std::error_code error_;
};

// Appends bytes to the existing file at path with one write.
bool AppendToExistingFile(const std::string& path, std::string_view bytes);

// Removes the file at path; false when it could not.
bool RemoveFile(const std::string& path);
// Removes the folder at path when it is empty; false otherwise.
bool RemoveEmptyFolder(const std::string& path);
