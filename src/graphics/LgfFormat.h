// The LGF chunk file: a header ("LGF", two version digits, the number of chunks) followed by
// chunks, each a 4-character tag, a 32-bit payload length and the payload. All integers are
// little-endian. Readers skip chunks they do not know by their length.
//
// Chunks: "LA 1" the project's language; "TX 1" the project text ("TXZ1" a compressed one, which
// this program never writes); "IM 1" an image record ("IMZ1" its length, then the record deflated
// by zlib); "IC 1" the project icon as a 24-bit BMP file ("ICZ1" deflated like "IMZ1").
//
// An image record holds the info (zero angle as a double, loop and style bytes) and the frames;
// a frame and a picture are each a count of sub-chunks followed by them, so that fields can be
// added: a frame's "FS 1" holds its pictures; a picture's "F  1" its hot spot and delay, "FI 1"
// its bitmap and "FM 1" its mask, both as BMP files.
#pragma once

#include "graphics/ByteReader.h"

#include <cstdint>

namespace velmora::lgf {

inline constexpr char signature[] = "LGF";
inline constexpr uint32_t headerSize = 9;
inline constexpr uint32_t chunkCountOffset = 5;
inline constexpr uint32_t chunkHeaderSize = 8;
// The version written for a file in English (or of no language), and for any other language.
inline constexpr int englishVersion = 4;
inline constexpr int languageVersion = 5;
inline constexpr int oldestVersion = 4;
inline constexpr int newestVersion = 5;

inline constexpr Tag language = tagOf("LA 1");
inline constexpr Tag text = tagOf("TX 1");
inline constexpr Tag compressedText = tagOf("TXZ1");
inline constexpr Tag image = tagOf("IM 1");
inline constexpr Tag compressedImage = tagOf("IMZ1");
inline constexpr Tag icon = tagOf("IC 1");
inline constexpr Tag compressedIcon = tagOf("ICZ1");

inline constexpr Tag framePictures = tagOf("FS 1");
inline constexpr Tag pictureFields = tagOf("F  1");
inline constexpr Tag pictureImage = tagOf("FI 1");
inline constexpr Tag pictureMask = tagOf("FM 1");
inline constexpr uint32_t pictureFieldsSize = 12;

} // namespace velmora::lgf
