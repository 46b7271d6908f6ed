#include "dataline.h"

#include "design/apperror.h"
#include "design/extended.h"
#include "design/numericfield.h"
#include "design/numtext.h"

#include <limits>

namespace anodyne {
namespace {

constexpr std::array<const char*, kDataFieldCount> kControls{
    "UaSpinEdit",  "IaSpinEdit", "SSpinEdit",  "CinSpinEdit", "CipSpinEdit", "CotSpinEdit",
    "CopSpinEdit", "FrSpinEdit", nullptr,      "TqSpinEdit",  nullptr,       "RinSpinEdit",
    nullptr,       "QilSpinEdit", "QolSpinEdit"};

constexpr std::array<const char*, 12> kEntryControls{
    "UaSpinEdit", "IaSpinEdit", "SSpinEdit",   "CinSpinEdit", "CipSpinEdit", "CotSpinEdit",
    "CopSpinEdit", "FrSpinEdit", "TqSpinEdit", "RinSpinEdit", "QilSpinEdit", "QolSpinEdit"};

constexpr std::size_t kBlankLineLength = 128;

bool isControlChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20U || u == 0x7FU;
}

// A fixed-point text without its trailing zeros and trailing separator.
std::string withoutTrailingZeros(std::string t, char separator)
{
    if (t.find(separator) == std::string::npos)
        return t;
    while (!t.empty() && t.back() == '0')
        t.pop_back();
    if (!t.empty() && t.back() == separator)
        t.pop_back();
    return t;
}

// A spin edit's value as loading would set it: limited to the field's range.
long double limitedToRange(const NumericFieldSpec& settings, long double v)
{
    if (settings.minimum == settings.maximum)
        return v;
    if (Ext(v) < Ext(settings.minimum))
        return static_cast<long double>(settings.minimum);
    if (Ext(v) > Ext(settings.maximum))
        return static_cast<long double>(settings.maximum);
    return v;
}

// The characters from `start`, at most `count` of them; empty past the end.
std::string_view slice(std::string_view line, std::size_t start, std::size_t count)
{
    if (start >= line.size())
        return {};
    return line.substr(start, count);
}

// A bad field's characters as the message box shows them: the last field runs
// to the end of the line, so its padding blanks are dropped and a mangled line
// is cut to a readable length; control bytes are shown as "?".
std::string shownCharacters(std::string_view chars, bool lastField)
{
    constexpr std::size_t kMaxShown = 64;
    if (lastField)
        while (!chars.empty() && chars.back() == ' ')
            chars.remove_suffix(1);
    std::string shown(chars.substr(0, kMaxShown));
    if (chars.size() > kMaxShown)
        shown += "...";
    for (char& c : shown)
        if (isControlChar(c))
            c = '?';
    return shown;
}

// A number read from the file: written in some user's locale, so either separator.
long double fieldNumber(std::string_view chars, bool lastField)
{
    if (const auto v = tryParseNumber(chars, '.'))
        return *v;
    if (const auto v = tryParseNumber(chars, ','))
        return *v;
    raiseNotAFloat(shownCharacters(chars, lastField));
}

} // namespace

std::size_t dataFieldRoom(std::size_t field)
{
    if (field + 1 >= kDataFieldCount)
        return std::numeric_limits<std::size_t>::max();
    return kDataColumns[field + 1] - kDataColumns[field];
}

const std::array<const char*, 12>& entryControls() { return kEntryControls; }

std::string fittedNumberText(long double v, std::size_t room, char separator)
{
    std::string t = generalText(v, separator);
    if (t.size() <= room)
        return t;
    // Fewer decimals until it fits; within the fields' ranges the integer part
    // always fits, so this ends at the latest with the whole number.
    for (int decimals = 15; decimals >= 0; --decimals) {
        t = withoutTrailingZeros(fixedText(v, decimals, separator), separator);
        if (t.size() <= room)
            return t;
    }
    return t;
}

DataFieldTexts dataFieldTexts(const DesignForm& form)
{
    DataFieldTexts texts;
    const char sep = form.decimalSeparator();
    for (std::size_t i = 0; i < kDataFieldCount; ++i) {
        const char* control = kControls[i];
        if (control == nullptr)
            continue;
        const NumericFieldSpec* settings = findNumericField(control);
        const long double v = limitedToRange(*settings, form.value(control));
        texts[i] = fittedNumberText(v, dataFieldRoom(i), sep);
    }
    const bool tri = form.isChecked("TRIButton");
    const bool tet = form.isChecked("TETButton");
    if (tri && !tet)
        texts[kTypeField] = "TRI";
    else if (tet && !tri)
        texts[kTypeField] = "TET";
    texts[kRicField] = form.isChecked("RinCheckBox") ? "+" : "-";

    // A line break typed or pasted into the load impedance would split line 5.
    std::string ra = form.text("RaEdit");
    if (ra.size() > dataFieldRoom(kRaField))
        ra.resize(dataFieldRoom(kRaField));
    for (char& c : ra)
        if (isControlChar(c))
            c = ' ';
    texts[kRaField] = ra;
    return texts;
}

std::string buildDataLine(const DataFieldTexts& texts)
{
    std::string line(kBlankLineLength, ' ');
    for (std::size_t i = 0; i < kDataFieldCount; ++i)
        line.insert(kDataColumns[i], texts[i]);
    return line;
}

AmpEntries readDataLine(std::string_view line)
{
    AmpEntries e;
    std::size_t next = 0;
    for (std::size_t i = 0; i < kDataFieldCount; ++i) {
        if (kControls[i] == nullptr)
            continue;
        e.values[next++] =
            fieldNumber(slice(line, kDataColumns[i], dataFieldRoom(i)), i + 1 == kDataFieldCount);
    }

    e.ra = std::string(slice(line, kDataColumns[kRaField], kRaReadLength));
    for (char& c : e.ra)
        if (isControlChar(c))
            c = ' ';

    const std::string_view ric = slice(line, kDataColumns[kRicField], 1);
    if (ric == "+")
        e.rinCalculate = true;
    else if (ric == "-")
        e.rinCalculate = false;

    const std::string_view type = slice(line, kDataColumns[kTypeField], 3);
    if (type == "TRI")
        e.type = TubeType::Triode;
    else if (type == "TET")
        e.type = TubeType::Tetrode;
    return e;
}

void applyEntries(const AmpEntries& e, DesignForm& form)
{
    for (std::size_t i = 0; i < kEntryControls.size(); ++i) {
        form.setValue(kEntryControls[i], e.values[i]);
        if (kEntryControls[i] == std::string_view("RinSpinEdit"))
            form.setText("RaEdit", e.ra);
    }
    if (e.rinCalculate)
        form.setChecked("RinCheckBox", *e.rinCalculate);
    if (e.type == TubeType::Triode) {
        form.setChecked("TRIButton", true);
        form.setChecked("TETButton", false);
        form.setValue("EffSpinEdit", 0.65L);
    } else if (e.type == TubeType::Tetrode) {
        form.setChecked("TETButton", true);
        form.setChecked("TRIButton", false);
        form.setValue("EffSpinEdit", 0.55L);
    }
}

} // namespace anodyne
