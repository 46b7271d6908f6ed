// Line 5 of an .amp file: the fixed-column line of entries that the program
// reads back.
//
// Writing: each of the 15 field texts is inserted at its column into a line of
// 128 spaces, so the values stand under the header words. A number is written
// in general format in the user's locale; one that would not fit before the
// next field's column is shortened to the most precise text that does, so no
// field ever reaches into its neighbour.
//
// Reading: a numeric field runs from its column up to the next field's column
// (the last one to the end of the line), so every value that fits its room reads
// back whole. "." and "," are both taken as the decimal separator. The whole
// line is checked before anything is handed to the window: a bad field raises
// "'<characters>' is not a valid floating point value" and nothing is set.
#pragma once

#include "design/designform.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace anodyne {

inline constexpr std::size_t kDataFieldCount = 15;

// "Ua,V  Ia,A  S,mA/V  ..." : the header above the data line (90 characters).
inline constexpr const char* kAmpColumnHeader =
    "Ua,V  Ia,A  S,mA/V  Ci,pF  Cip,pF  Co,pF  Cop,pF  F,MHz   Type Num Ric Rin  Ra   Qin  Qou ";

// Where field i (0-based, in file order) starts in the data line.
inline constexpr std::array<std::size_t, kDataFieldCount> kDataColumns{0,  6,  12, 20, 27, 35, 42, 50,
                                                                       58, 63, 67, 71, 76, 81, 86};

// Field indexes of the texts that are not numbers.
inline constexpr std::size_t kTypeField = 8;
inline constexpr std::size_t kRicField = 10;
inline constexpr std::size_t kRaField = 12;
inline constexpr std::size_t kRaReadLength = 4; // RaEdit gets exactly these characters back

using DataFieldTexts = std::array<std::string, kDataFieldCount>;

// Characters a field may take before it touches the next one (unlimited for the last).
std::size_t dataFieldRoom(std::size_t field);

// The general text of v that fits `room` characters: the full 15-digit text when
// it fits, else the value rounded to as many decimals as leave it within the room.
std::string fittedNumberText(long double v, std::size_t room, char separator);

// The 15 field texts from the window's controls, each fitted to its room: numbers
// limited to their field's range first (as loading would limit them anyway), the
// load impedance as typed but cut to its room and with control characters blanked.
DataFieldTexts dataFieldTexts(const DesignForm& form);

// Inserts the texts at their columns into 128 spaces, one after another in field
// order; an inserted text shifts the rest of the line to the right.
std::string buildDataLine(const DataFieldTexts& texts);

// Tube type as the line records it.
enum class TubeType { Unchanged, Triode, Tetrode };

// Everything line 5 hands back to the window, already checked.
struct AmpEntries {
    // Values of the numeric spin edits, in field order (fields 1-8, 10, 12, 14, 15).
    std::array<long double, 12> values{};
    std::string ra;                   // RaEdit's four characters
    std::optional<bool> rinCalculate; // "+" / "-"; anything else leaves the box
    TubeType type = TubeType::Unchanged;
};

// The numeric spin edits in the order of AmpEntries::values.
const std::array<const char*, 12>& entryControls();

// Parses and checks the whole data line; raises the conversion error of the first
// bad numeric field and returns nothing then. The message shows the field's
// characters as read, control bytes as "?"; for the last field, which runs to the
// end of the line, without the padding blanks and cut after 64 characters.
AmpEntries readDataLine(std::string_view line);

// Sets the controls from checked entries: the spin edits in field order, RaEdit,
// "Calculate" (whose click handler runs when its state changes), then the tube
// type with its efficiency (triode 0.65, tetrode 0.55).
void applyEntries(const AmpEntries& entries, DesignForm& form);

} // namespace anodyne
