#pragma once
// The small picture of a file in a list: the thumbnail a camera embedded in
// a JPEG's EXIF data, decoded straight to the small size (a thumbnail holds
// some 10 KB, a decode of it well under a millisecond); else the program's
// own photo or film picture, by the file's kind.

#include <QPixmap>
#include <string>

// The box a list's picture fits in: about two lines of text high.
inline constexpr QSize kFilePictureSize{48, 36};

// The picture of the file at path, fitted into kFilePictureSize.
QPixmap FilePicture(const std::string& path);
