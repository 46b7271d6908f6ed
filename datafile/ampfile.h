// The .amp amplifier data file: File > "Save Data" and File > "Open" after their
// dialogs.
//
// A new file holds seven fixed lines (comments, the column header and the data
// line as line 5) followed by one ten-line record for the reader of the file.
// Saving into an existing file replaces line 5, appends one record and keeps
// every other line as it is. Only line 5 is ever read back. Files are read and
// written whole; writing never leaves a file half written (see replaceFile).
//
// Both operations work on the window's controls only, never on the design state,
// and raise AppError with the text the user reads:
//   "List index out of bounds (4)"   the file has fewer than five lines
//   "Cannot open file <name>"        the file cannot be read (or is not an .amp-sized file)
//   "Cannot create file <name>"      the file cannot be written, or would grow
//                                    past the size that loading accepts
//   "'<chars>' is not a valid floating point value"   a bad number in line 5
// On any of these nothing is written and no control is changed.
#pragma once

#include "design/designform.h"

#include <string>
#include <vector>

namespace anodyne {

// The name a method's radio button gives the record ("Standard::", ...; Zorvex
// and no button checked give nothing). `prefix` is "In" or "Ou".
std::string methodName(const DesignForm& form, const char* prefix);

// The ten record lines, from the spin edits and the component captions as shown.
std::vector<std::string> ampRecord(const DesignForm& form);

// The seventeen lines of a new file.
std::vector<std::string> newAmpFileLines(const std::string& dataLine, const std::vector<std::string>& record);

// Where a new file goes: the start-up directory, the remarks and a space before
// the name chosen in the dialog; the dialog's directory is not used.
std::string newAmpFilePath(const std::string& startupDir, const std::string& remarks, const std::string& chosenPath);

// File > "Save Data" once the dialog returned `chosenPath`. Writes into the
// chosen file if it exists, else into newAmpFilePath (which, if it exists too,
// is updated like a chosen existing file rather than replaced). Returns the path
// written.
std::string saveAmplifierData(DesignForm& form, const std::string& chosenPath, const std::string& startupDir);

// File > "Open" once the dialog returned `path`: sets the entries of line 5.
void loadAmplifierData(DesignForm& form, const std::string& path);

} // namespace anodyne
