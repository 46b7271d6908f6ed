#include "ampfile.h"

#include "dataline.h"
#include "textfile.h"

#include "design/apperror.h"
#include "design/driver.h"

#include <filesystem>

namespace anodyne {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kDataLineIndex = 4;

// Line 5 of the file's lines, or the list error of a file that is too short.
void requireDataLine(const std::vector<std::string>& lines)
{
    if (lines.size() <= kDataLineIndex)
        raise("List index out of bounds (" + std::to_string(kDataLineIndex) + ")");
}

bool pathExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec)) && !ec;
}

// Never writes what loading would refuse: a file grown past the size limit could
// neither be opened nor saved into again.
void writeAmpFile(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string bytes = joinLines(lines);
    if (bytes.size() > kMaxAmpFileSize)
        raise("Cannot create file " + path);
    replaceFile(path, bytes);
}

void updateExistingFile(const std::string& path, const std::string& dataLine, const std::vector<std::string>& record)
{
    std::vector<std::string> lines = splitLines(readWholeFile(path));
    requireDataLine(lines);
    lines[kDataLineIndex] = dataLine;
    lines.insert(lines.end(), record.begin(), record.end());
    writeAmpFile(path, lines);
}

} // namespace

std::string methodName(const DesignForm& form, const char* prefix)
{
    switch (checkedMethod(form, prefix)) {
    case NetworkMethod::Standard:
        return "Standard::";
    case NetworkMethod::UA3DA:
        return "UA3DA::";
    case NetworkMethod::ImpedanceTransformer:
        return "Impedance Transformer::";
    case NetworkMethod::W5FD:
        return "W5FD::";
    case NetworkMethod::Zorvex:
        break;
    }
    return "";
}

std::vector<std::string> ampRecord(const DesignForm& form)
{
    auto general = [&form](const char* field) { return form.general(form.value(field)); };
    return {
        "F = " + general("FrSpinEdit") + "MHz",
        "Input, Rin = " + general("RinSpinEdit") + "Ohm, Q = " + general("QilSpinEdit") + ", " + methodName(form, "In"),
        "C1 = " + form.text("Ci1Label"),
        "L = " + form.text("LiLabel"),
        "C2 = " + form.text("Ci2Label") + form.text("Label20"),
        "Output, Ra = " + form.text("RaEdit") + "Ohm, Q = " + general("QolSpinEdit") + ", " + methodName(form, "Ou"),
        "C1 = " + form.text("Co1Label"),
        "L = " + form.text("LoLabel"),
        "C2 = " + form.text("Co2Label"),
        " ",
    };
}

std::vector<std::string> newAmpFileLines(const std::string& dataLine, const std::vector<std::string>& record)
{
    std::vector<std::string> lines{
        "//This file contains calculated data.",
        "//Do not edit lines between ***** manually to prevent data corruption!",
        "*****",
        kAmpColumnHeader,
        dataLine,
        "*****",
        "//You may edit records below.",
    };
    lines.insert(lines.end(), record.begin(), record.end());
    return lines;
}

std::string newAmpFilePath(const std::string& startupDir, const std::string& remarks, const std::string& chosenPath)
{
    const std::string name = remarks + " " + fs::path(chosenPath).filename().string();
    std::string path = startupDir + "/" + name;
    // The remarks become part of one file name: a path separator would put the
    // file into some other directory.
    // Without a known start-up directory there is no place to put a new file.
    if (startupDir.empty() || remarks.find('/') != std::string::npos || name.find('\0') != std::string::npos)
        raise("Cannot create file " + path);
    return path;
}

std::string saveAmplifierData(DesignForm& form, const std::string& chosenPath, const std::string& startupDir)
{
    const std::string dataLine = buildDataLine(dataFieldTexts(form));
    const std::vector<std::string> record = ampRecord(form);

    if (pathExists(chosenPath)) {
        updateExistingFile(chosenPath, dataLine, record);
        return chosenPath;
    }
    std::string path = newAmpFilePath(startupDir, form.text("TubeEdit"), chosenPath);
    // An earlier design saved under the same name keeps its history.
    if (pathExists(path))
        updateExistingFile(path, dataLine, record);
    else
        writeAmpFile(path, newAmpFileLines(dataLine, record));
    return path;
}

void loadAmplifierData(DesignForm& form, const std::string& path)
{
    const std::vector<std::string> lines = splitLines(readWholeFile(path));
    requireDataLine(lines);
    const AmpEntries entries = readDataLine(lines[kDataLineIndex]);
    applyEntries(entries, form);
}

} // namespace anodyne
