// SPDX-License-Identifier: GPL-3.0-or-later
// Writing ".psf" project files: one element per line, TAB indentation, CR LF, numbers in the
// general format with 15 significant digits and the decimal comma.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/number_format.h"
#include "model/project_file.h"
#include "model/text_encoding.h"

namespace voltaris {

namespace {

// Degrees per radian as the extended-precision product the files were always written with.
constexpr long double InverseOfPi = 0.31830988618379068L;

std::string N(double value) { return FormatGeneral(value, 15); }

class Lines {
public:
    void Add(int indent, const std::string& text) {
        text_.append(static_cast<size_t>(indent), '\t');
        text_ += text;
        text_ += "\r\n";
    }
    void Value(int indent, const char* tag, const std::string& value) {
        Add(indent, std::string("<") + tag + ">" + value + "</" + tag + ">");
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

void WritePosition(Lines& out, float x, float y) {
    out.Add(3, "<pos>");
    out.Value(4, "x", N(x));
    out.Value(4, "y", N(y));
    out.Add(3, "</pos>");
}

void WriteTab(Lines& out, const FieldTab& tab) {
    out.Add(1, "<feld name=\"" + EscapeXmlAttribute(tab.caption) + "\" resolution=\"" + N(tab.Resolution) + "\">");
    for (int c = 0; c < tab.ChargeCount; ++c) {
        const Charge& charge = tab.charges[c];
        out.Add(2, "<ladung>");
        out.Value(3, "betrag", N(charge.amount));
        WritePosition(out, charge.x, charge.y);
        out.Value(3, "radius", N(charge.radius));
        out.Add(2, "</ladung>");
    }
    for (int p = 0; p < tab.ParticleCount; ++p) {
        const ParticleSlot& s = tab.particles[p];
        out.Add(2, "<ion>");
        out.Value(3, "dt", N(s.dt));
        WritePosition(out, s.x, s.y);
        out.Value(3, "betrag", N(s.charge));
        out.Value(3, "masse", N(s.mass));
        out.Value(3, "geschwindigkeit", N(s.speed));
        out.Value(3, "alpha", N(static_cast<double>(s.angle * 180.0L * InverseOfPi)));
        out.Value(3, "rechnungen", std::to_string(s.steps));
        out.Add(2, "</ion>");
    }
    out.Add(1, "</feld>");
}

// Writes `text` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so the target is either the old file or the complete new one.
bool ReplaceFile(const std::string& path, const std::string& text) {
    static std::atomic<unsigned> serial{0};
    const std::string temporary =
        path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat existing;
    if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);  // keep its permissions
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool complete = written == text.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !complete || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the file is complete either way, so a failure here
    // is not reported.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

std::string ProjectFileText(const Project& project) {
    Lines out;
    out.Add(0, "<?xml version=\"1.0\" ?>");
    out.Add(0, "<potential name=\"" + EscapeXmlAttribute(project.ProjectName) +
                   "\" fileversion=\"0.7\" author=\"Kestrovan\">");
    for (int t = 0; t < project.TabCount; ++t) WriteTab(out, project.tabs[t]);
    out.Add(0, "</potential>");
    return out.Take();
}

bool SaveProject(const Project& project, UserDialogs& dialogs) {
    if (project.ProjectFileName.empty()) return false;
    if (!ReplaceFile(project.ProjectFileName, ProjectFileText(project))) {
        dialogs.ShowError("Datei " + project.ProjectFileName + " kann nicht erstellt werden");
        return false;
    }
    return true;
}

}  // namespace voltaris
