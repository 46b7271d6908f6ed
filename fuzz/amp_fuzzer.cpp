// Fuzz target for the one input that comes from outside: the bytes of an .amp
// file. One input is one whole file. For each decimal separator it checks:
//  - line 5 on its own (readDataLine + applyEntries) and the whole-file loader
//    agree: the same error text, or the same controls afterwards;
//  - a load either sets every entry of line 5 or raises AppError and leaves
//    every control as it was;
//  - saving into the file as an existing file keeps every line but line 5, in
//    order, and appends one record; a file too short to have a line 5 stays
//    byte for byte as it was;
//  - the saved file loads again and gives back the entries it was saved from.
// A violated property prints what broke and aborts, which libFuzzer (and the
// corpus replay under CTest) reports as a failure.
#include "tests/fakeform.h"

#include "datafile/ampfile.h"
#include "datafile/dataline.h"
#include "datafile/textfile.h"
#include "design/apperror.h"
#include "design/numericfield.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

using anodyne::AppError;
using anodyne::test::FakeForm;

namespace {

namespace fs = std::filesystem;

[[noreturn]] void violated(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "amp fuzzer: property violated: %s\n", what);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}

void check(bool ok, const char* what, const std::string& detail = {})
{
    if (!ok)
        violated(what, detail);
}

// One directory for the whole run, so that an iteration costs a few small file
// operations (and nothing more on a tmpfs such as /dev/shm via TMPDIR).
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (fs::temp_directory_path() / "amp-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            violated("cannot create a scratch directory", pattern);
        dir_ = pattern;
        file_ = dir_ + "/case.amp";
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& dir() const { return dir_; }
    const std::string& file() const { return file_; }

private:
    std::string dir_;
    std::string file_;
};

ScratchDir& scratch()
{
    static ScratchDir d;
    return d;
}

void writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    check(static_cast<bool>(out), "cannot write the scratch file", path);
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    check(!in.bad(), "cannot read the scratch file back", path);
    return bytes;
}

struct Controls {
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checked;
    std::map<std::string, bool> enabled;
    std::map<std::string, bool> visible;
    std::string focus;
    bool operator==(const Controls&) const = default;
};

Controls controlsOf(const FakeForm& f) { return {f.texts, f.checked, f.enabled, f.visible, f.focus}; }

bool wasChecked(const Controls& c, const std::string& box)
{
    const auto it = c.checked.find(box);
    return it != c.checked.end() && it->second;
}

// Runs `action` and returns the text of the AppError it raised, if any.
template <typename Action>
std::optional<std::string> errorOf(Action&& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return e.text();
    }
    return std::nullopt;
}

bool hasControlBytes(std::string_view s)
{
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20U || u == 0x7FU)
            return true;
    }
    return false;
}

// An error a load may raise, and nothing else: the message box must stay readable.
void checkLoadErrorText(const std::string& error)
{
    const std::string_view notAFloat = "' is not a valid floating point value";
    const bool listIndex = error == "List index out of bounds (4)";
    const bool conversion = error.size() >= notAFloat.size() + 1 && error.front() == '\'' &&
                            error.ends_with(notAFloat);
    check(listIndex || conversion, "unexpected load error", error);
    check(!hasControlBytes(error), "control bytes in an error message", error);
    check(error.size() <= 64 + 3 + 2 + notAFloat.size(), "overlong error message", error);
}

// After a successful load: every entry of line 5 is in the window.
void checkLoadedEverything(const FakeForm& f, const anodyne::AmpEntries& e, const Controls& before)
{
    const auto& controls = anodyne::entryControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const std::string want = anodyne::fieldValueText(*anodyne::findNumericField(controls[i]), e.values[i], f.sep);
        check(f.text(controls[i]) == want, "spin edit not loaded", controls[i]);
    }
    check(e.ra.size() <= anodyne::kRaReadLength, "load impedance longer than its field", e.ra);
    check(!hasControlBytes(e.ra), "control bytes reach the load impedance", e.ra);
    check(f.text("RaEdit") == e.ra, "load impedance not loaded");
    check(f.writes == std::vector<std::string>{"RaEdit"}, "a load wrote texts other than RaEdit");
    if (e.rinCalculate)
        check(f.isChecked("RinCheckBox") == *e.rinCalculate, "Calculate box not loaded");
    else
        check(f.isChecked("RinCheckBox") == wasChecked(before, "RinCheckBox"), "Calculate box changed");
    switch (e.type) {
    case anodyne::TubeType::Triode:
        check(f.isChecked("TRIButton") && !f.isChecked("TETButton"), "triode not loaded");
        check(f.value("EffSpinEdit") == 0.65L, "triode efficiency not set");
        break;
    case anodyne::TubeType::Tetrode:
        check(f.isChecked("TETButton") && !f.isChecked("TRIButton"), "tetrode not loaded");
        check(f.value("EffSpinEdit") == 0.55L, "tetrode efficiency not set");
        break;
    case anodyne::TubeType::Unchanged:
        check(f.isChecked("TRIButton") == wasChecked(before, "TRIButton") &&
                  f.isChecked("TETButton") == wasChecked(before, "TETButton"),
              "tube type changed");
        check(f.text("EffSpinEdit") == before.texts.at("EffSpinEdit"), "efficiency changed");
        break;
    }
    check(f.enabled == before.enabled && f.visible == before.visible && f.focus == before.focus,
          "a load touched more than the entries");
}

// Line 5 on its own, then the whole file; both must come to the same end.
// Returns the form as the load left it.
FakeForm checkLoad(std::string_view bytes, const std::vector<std::string>& lines, char separator)
{
    const ScratchDir& s = scratch();

    // Line 5 alone, as the loader takes it from the split lines.
    std::optional<std::string> lineError;
    FakeForm byLine = FakeForm::atStartup(separator);
    const Controls initial = controlsOf(byLine);
    if (lines.size() > 4) {
        std::optional<anodyne::AmpEntries> entries;
        lineError = errorOf([&] { entries = anodyne::readDataLine(lines[4]); });
        if (entries) {
            anodyne::applyEntries(*entries, byLine);
            checkLoadedEverything(byLine, *entries, initial);
        }
    }

    // The whole file.
    FakeForm byFile = FakeForm::atStartup(separator);
    const std::optional<std::string> fileError =
        errorOf([&] { anodyne::loadAmplifierData(byFile, s.file()); });
    if (bytes.size() > anodyne::kMaxAmpFileSize) {
        check(fileError == "Cannot open file " + s.file(), "oversized file not refused");
    } else if (lines.size() <= 4) {
        check(fileError == "List index out of bounds (4)", "short file not refused", fileError.value_or("<loaded>"));
    } else {
        check(fileError == lineError, "file and line 5 disagree",
              fileError.value_or("<loaded>") + " / " + lineError.value_or("<loaded>"));
    }
    if (fileError) {
        if (!fileError->starts_with("Cannot open file "))
            checkLoadErrorText(*fileError);
        check(controlsOf(byFile) == initial && byFile.writes.empty(), "a failed load changed a control",
              *fileError);
    } else {
        check(controlsOf(byFile) == controlsOf(byLine), "file and line 5 loaded different controls");
    }
    return byFile;
}

// Saving into the file as an existing one, then loading what was saved.
void checkSave(std::string_view bytes, const std::vector<std::string>& lines, FakeForm& form)
{
    const ScratchDir& s = scratch();
    const Controls before = controlsOf(form);
    const std::optional<std::string> error =
        errorOf([&] { anodyne::saveAmplifierData(form, s.file(), s.dir()); });
    check(controlsOf(form) == before && form.writes.empty(), "saving changed a control");
    const std::string after = readBytes(s.file());

    if (bytes.size() > anodyne::kMaxAmpFileSize || lines.size() <= 4) {
        const std::string want = lines.size() <= 4 && bytes.size() <= anodyne::kMaxAmpFileSize
                                     ? "List index out of bounds (4)"
                                     : "Cannot open file " + s.file();
        check(error == want, "save into an unusable file not refused", error.value_or("<saved>"));
        check(after == bytes, "a refused save changed the file");
        return;
    }
    // A save must not grow the file past what loading accepts.
    std::size_t grownSize = anodyne::buildDataLine(anodyne::dataFieldTexts(form)).size() + 2;
    for (std::size_t i = 0; i < lines.size(); ++i)
        grownSize += i == 4 ? 0 : lines[i].size() + 2;
    for (const std::string& l : anodyne::ampRecord(form))
        grownSize += l.size() + 2;
    if (grownSize > anodyne::kMaxAmpFileSize) {
        check(error == "Cannot create file " + s.file(), "a save grew the file past the size limit",
              error.value_or("<saved>"));
        check(after == bytes, "a refused save changed the file");
        return;
    }
    check(!error, "save into an existing file failed", error.value_or(""));

    // Every old line but line 5 in its place, then exactly one record, each line
    // ended by CR LF.
    const std::vector<std::string> saved = anodyne::splitLines(after);
    const std::vector<std::string> record = anodyne::ampRecord(form);
    check(record.size() == 10, "a record is not ten lines");
    check(saved.size() == lines.size() + record.size(), "saved file has the wrong number of lines",
          std::to_string(lines.size()) + " -> " + std::to_string(saved.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (i != 4)
            check(saved[i] == lines[i], "an old line was changed or moved", "line " + std::to_string(i + 1));
    for (std::size_t i = 0; i < record.size(); ++i)
        check(saved[lines.size() + i] == record[i], "the record was not appended",
              "record line " + std::to_string(i + 1));
    check(after == anodyne::joinLines(saved), "a saved line does not end with CR LF");

    // What was saved loads again, whatever separator reads it, and gives back the
    // entries it was saved from.
    for (const char separator : {'.', ','}) {
        FakeForm reloaded = FakeForm::atStartup(separator);
        const std::optional<std::string> reloadError =
            errorOf([&] { anodyne::loadAmplifierData(reloaded, s.file()); });
        check(!reloadError, "a saved file does not load", reloadError.value_or(""));
        for (const char* control : anodyne::entryControls()) {
            const anodyne::NumericFieldSpec& settings = *anodyne::findNumericField(control);
            check(reloaded.text(control) == anodyne::fieldValueText(settings, form.value(control), separator),
                  "an entry did not survive saving and loading",
                  std::string(control) + ": " + form.text(control) + " -> " + reloaded.text(control));
        }
        std::string ra = form.text("RaEdit");
        if (ra.size() < anodyne::kRaReadLength)
            ra.resize(anodyne::kRaReadLength, ' ');
        check(reloaded.text("RaEdit") == ra, "the load impedance did not survive saving and loading",
              "'" + form.text("RaEdit") + "' -> '" + reloaded.text("RaEdit") + "'");
        for (const char* box : {"RinCheckBox", "TRIButton", "TETButton"})
            check(reloaded.isChecked(box) == form.isChecked(box), "a choice did not survive saving and loading", box);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = anodyne::splitLines(bytes);
    for (const std::string& l : lines)
        check(l.find_first_of("\r\n") == std::string::npos, "a line break inside a split line");

    for (const char separator : {'.', ','}) {
        writeBytes(scratch().file(), bytes);
        FakeForm form = checkLoad(bytes, lines, separator);
        form.writes.clear();
        checkSave(bytes, lines, form);
    }
    return 0;
}
