// SPDX-License-Identifier: GPL-3.0-or-later
// Writing ".psf" project files: one element per line, TAB indentation, CR LF, numbers in the
// general format with 15 significant digits and the decimal comma.
#include "model/number_format.h"
#include "model/platform.h"
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
    if (!ReplaceFileAtomically(project.ProjectFileName, ProjectFileText(project))) {
        dialogs.ShowError("Datei " + project.ProjectFileName + " kann nicht erstellt werden");
        return false;
    }
    return true;
}

}  // namespace voltaris
