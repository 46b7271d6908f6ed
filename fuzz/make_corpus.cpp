// Writes the seed corpus of the .amp fuzz target with the program's own saving
// code: new files, updated files, both decimal separators, both tube types,
// every method name, component captions from a real design pass, and the
// damaged variants a user's editor or a broken copy could leave (other line
// ends, cut short, a mistyped number).
//
//   amp_corpus_writer <output directory>
#include "tests/fakeform.h"

#include "datafile/ampfile.h"
#include "design/apperror.h"
#include "design/designstate.h"
#include "design/driver.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

using anodyne::test::FakeForm;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void replaceAll(std::string& s, const std::string& from, const std::string& to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// The bytes of the file that `saves` leaves behind when each step saves the form
// as the user would: the first into a new file, the later ones into that file.
std::string savedFile(const std::function<void(FakeForm&, const std::function<void()>&)>& saves, char separator = '.')
{
    std::string dirName = (fs::temp_directory_path() / "amp-corpus-XXXXXX").string();
    if (::mkdtemp(dirName.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    FakeForm form = FakeForm::atStartup(separator);
    std::string path;
    saves(form, [&] { path = anodyne::saveAmplifierData(form, path.empty() ? "seed.amp" : path, dirName); });
    std::string bytes = readBytes(path);
    fs::remove_all(dirName);
    return bytes;
}

// A design pass, so that the records carry real component values.
void design(FakeForm& form)
{
    anodyne::DesignState state{};
    try {
        anodyne::runDesignPass(state, form);
    } catch (const anodyne::AppError&) {
        // The captions written before the error stay, as in the window.
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 1;
    }
    const fs::path out(argv[1]);
    fs::create_directories(out);

    const std::string startup = savedFile([](FakeForm&, const auto& save) { save(); });
    std::vector<std::pair<std::string, std::string>> files{
        {"startup.amp", startup},
        {"two-updates.amp", savedFile([](FakeForm& f, const auto& save) {
             save();
             f.texts["UaSpinEdit"] = "2000";
             f.texts["IaSpinEdit"] = "0.8";
             design(f);
             save();
             f.texts["FrSpinEdit"] = "7.030";
             f.chooseMethod("Ou", "W5FDButton");
             design(f);
             save();
         })},
        {"decimal-comma.amp", savedFile(
                                  [](FakeForm& f, const auto& save) {
                                      f.texts["IaSpinEdit"] = "0,75";
                                      f.texts["FrSpinEdit"] = "1296,125";
                                      f.texts["QolSpinEdit"] = "12,5";
                                      design(f);
                                      save();
                                  },
                                  ',')},
        {"tetrode.amp", savedFile([](FakeForm& f, const auto& save) {
             f.checked["TRIButton"] = false;
             f.checked["TETButton"] = true;
             f.checked["RinCheckBox"] = false;
             f.texts["RinSpinEdit"] = "120";
             f.texts["RaEdit"] = "75";
             f.texts["TqSpinEdit"] = "2";
             save();
         })},
        {"zorvex.amp", savedFile([](FakeForm& f, const auto& save) {
             f.chooseMethod("In", "ZorvexButton");
             f.chooseMethod("Ou", "ZorvexButton");
             design(f);
             save();
         })},
        {"widest.amp", savedFile([](FakeForm& f, const auto& save) {
             for (const auto& [field, text] : std::vector<std::pair<const char*, const char*>>{
                      {"UaSpinEdit", "10000"}, {"IaSpinEdit", "19.995"}, {"SSpinEdit", "499.9"},
                      {"CinSpinEdit", "999.9"}, {"CipSpinEdit", "3000"}, {"CotSpinEdit", "999.9"},
                      {"CopSpinEdit", "3000"}, {"FrSpinEdit", "1299.995"}, {"TqSpinEdit", "12"},
                      {"RinSpinEdit", "2999"}, {"RaEdit", "1000"}, {"QilSpinEdit", "199.9"},
                      {"QolSpinEdit", "9999.9"}})
                 f.texts[field] = text;
             save();
         })},
    };

    // Damaged copies of the start-up file.
    std::string lf = startup;
    replaceAll(lf, "\r\n", "\n");
    std::string cr = startup;
    replaceAll(cr, "\r\n", "\r");
    std::size_t fifth = 0;
    for (int line = 0; line < 4; ++line)
        fifth = startup.find("\r\n", fifth) + 2;
    std::string mistyped = startup;
    mistyped[fifth + 1] = 'O'; // "1O50"
    files.emplace_back("lf-only.amp", lf);
    files.emplace_back("cr-only.amp", cr);
    files.emplace_back("four-lines.amp", startup.substr(0, fifth));
    files.emplace_back("data-line-cut.amp", startup.substr(0, fifth + 40));
    files.emplace_back("mistyped-number.amp", mistyped);
    files.emplace_back("empty.amp", "");

    for (const auto& [name, bytes] : files) {
        std::ofstream file(out / name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", (out / name).c_str());
            return 1;
        }
    }
    std::printf("%zu files written to %s\n", files.size(), out.c_str());
    return 0;
}
