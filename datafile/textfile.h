// Whole-file reading and crash-safe replacing of small text files, and their
// split into lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace anodyne {

// An .amp file grows by one short record per save; anything larger than this is
// not one of ours and is refused rather than read into memory.
inline constexpr std::size_t kMaxAmpFileSize = std::size_t{4} * 1024U * 1024U;

// The bytes of a regular file of at most kMaxAmpFileSize bytes. A missing or
// unreadable file, a directory, a device or pipe, or a larger file raises
// "Cannot open file <path>".
std::string readWholeFile(const std::string& path);

// Replaces (or creates) the file with the given bytes without ever leaving it
// half written: the bytes go to a new file beside it, are flushed to disk, and
// that file is then renamed over the target. An existing file keeps its
// permissions; a symbolic link is followed, so the file it points to is
// replaced. On any failure the temporary file is removed, the target is as it
// was, and "Cannot create file <path>" is raised.
void replaceFile(const std::string& path, std::string_view bytes);

// Lines end at CR, LF or CR LF; the last line needs no line end. The line ends
// are not part of the lines; bytes of any value are kept.
std::vector<std::string> splitLines(std::string_view bytes);

// Every line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace anodyne
