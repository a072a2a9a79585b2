// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ".psf" project files and the built-in sample. The file is read into a copy of the
// project, which replaces the project only when everything was read: a file that fails
// leaves the project, its file name and the shown tab as they were.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

#include <pugixml.hpp>

#include "model/file_error_text.h"
#include "model/number_format.h"
#include "model/platform.h"
#include "model/project_file.h"
#include "model/psf_reader.h"
#include "model/text_encoding.h"

namespace voltaris {

namespace {

constexpr long double PiExtended = 3.14159265358979323846264338327950288L;

// Elements a file held beyond what a project can take.
struct LeftOut {
    int tabs = 0, charges = 0, particles = 0;
    bool Any() const { return tabs || charges || particles; }
};

// Numbers beyond these limits are refused like any text that is not a number, so that every
// project read can be written and read again: a float32 field would turn infinite (from half
// a unit above the largest float on, conversion rounds to infinity), and near the end of the
// double range the writer's rounding to 15 digits would overflow.
constexpr double LargestFileNumber = 1e308;
constexpr double FloatOverflow = 0x1.ffffffp127;

double Number(const pugi::xml_node& element) {
    const char* text = element.child_value();
    const double value = ParseNumber(text);
    if (std::fabs(value) > LargestFileNumber) throw ConversionError(text);
    return value;
}

bool FitsFloat(double value) { return std::fabs(value) < FloatOverflow; }

float FloatNumber(const pugi::xml_node& element) {
    const double value = Number(element);
    if (!FitsFloat(value)) throw ConversionError(element.child_value());
    return static_cast<float>(value);
}

void ReadPosition(const pugi::xml_node& pos, float& x, float& y) {
    for (const pugi::xml_node& c : pos.children()) {
        if (std::string_view(c.name()) == "x") x = FloatNumber(c);
        else if (std::string_view(c.name()) == "y") y = FloatNumber(c);
    }
}

void ReadCharge(const pugi::xml_node& ladung, Charge& charge) {
    for (const pugi::xml_node& c : ladung.children()) {
        const std::string_view name = c.name();
        if (name == "betrag") charge.amount = Number(c);
        else if (name == "radius") charge.radius = FloatNumber(c);
        else if (name == "pos") ReadPosition(c, charge.x, charge.y);
    }
}

// Step counts are truncated toward zero and kept within the range of the field.
int32_t StepCount(double value) {
    const double t = std::trunc(value);
    if (t >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (t <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(t);
}

void ReadParticle(const pugi::xml_node& ion, ParticleSlot& slot) {
    for (const pugi::xml_node& c : ion.children()) {
        const std::string_view name = c.name();
        if (name == "dt") slot.dt = Number(c);
        else if (name == "betrag") slot.charge = Number(c);
        else if (name == "masse") slot.mass = Number(c);
        else if (name == "geschwindigkeit") slot.speed = Number(c);
        else if (name == "alpha") slot.angle = static_cast<double>(Number(c) * PiExtended * (1.0L / 180));
        else if (name == "rechnungen") slot.steps = StepCount(Number(c));
        else if (name == "pos") ReadPosition(c, slot.x, slot.y);
    }
}

float Resolution(const pugi::xml_node& feld) {
    double value = 1.0;
    const pugi::xml_attribute attribute = feld.attribute("resolution");
    if (!attribute || !TryParseNumber(attribute.value(), value) || !FitsFloat(value)) return 1.0f;
    return static_cast<float>(value);
}

void ReadTab(const pugi::xml_node& feld, FieldTab& tab, LeftOut& leftOut) {
    const pugi::xml_attribute name = feld.attribute("name");
    tab.caption = name ? name.value() : "unbenannt";
    tab.Resolution = Resolution(feld);
    tab.ChargeCount = 0;
    tab.ParticleCount = 0;
    for (const pugi::xml_node& child : feld.children()) {
        const std::string_view kind = child.name();
        if (kind == "ladung") {
            if (tab.ChargeCount >= MaxChargesPerTab) {
                ++leftOut.charges;
                continue;
            }
            ReadCharge(child, tab.charges[tab.ChargeCount++]);
        } else if (kind == "ion") {
            if (tab.ParticleCount >= MaxParticleSlots) {
                ++leftOut.particles;
                continue;
            }
            ReadParticle(child, tab.particles[tab.ParticleCount++]);
        }
    }
}

std::string LeftOutMessage(const LeftOut& l) {
    std::string parts;
    auto add = [&](int n, const char* one, const char* many) {
        if (n == 0) return;
        if (!parts.empty()) parts += ", ";
        parts += std::to_string(n) + " " + (n == 1 ? one : many);
    };
    add(l.tabs, "Tab", "Tabs");
    add(l.charges, "Ladung", "Ladungen");
    add(l.particles, "Teilchen", "Teilchen");
    return "Die Datei enthält mehr, als ein Projekt aufnehmen kann (höchstens 20 Tabs, 20 Ladungen und "
           "3 Teilchen je Tab). Nicht geladen wurden: " + parts + ".";
}

// The whole file as bytes; false with the system's reason when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& reason) {
    const std::unique_ptr<FILE, int (*)(FILE*)> file(OpenFile(path, "rb"), &std::fclose);
    if (!file) {
        reason = SystemErrorText(errno);
        return false;
    }
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
    if (std::ferror(file.get())) {  // a directory opens but does not read
        reason = SystemErrorText(errno);
        return false;
    }
    return true;
}

}  // namespace

bool LoadProjectFromText(Project& project, std::string text, const std::string& fileName, UserDialogs& dialogs) {
    if (!IsValidUtf8(text)) text = Windows1252ToUtf8(text);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        dialogs.ShowError(NotAProjectFileMessage(fileName, text, parsed));
        return false;
    }
    const pugi::xml_node root = document.document_element();
    Project loaded = project;  // slots a file does not mention keep their contents
    loaded.TabCount = 0;
    if (const pugi::xml_attribute name = root.attribute("name")) loaded.ProjectName = name.value();
    LeftOut leftOut;
    try {
        for (const pugi::xml_node& feld : root.children("feld")) {
            if (loaded.TabCount >= MaxTabs) {
                ++leftOut.tabs;
                continue;
            }
            ReadTab(feld, loaded.tabs[loaded.TabCount++], leftOut);
        }
    } catch (const ConversionError& error) {
        dialogs.ShowError(error.what());
        return false;
    }
    if (loaded.TabCount == 0) {
        // A project without a tab could not be shown.
        dialogs.ShowError("Die Datei enthält keine Tabs (Elemente \"feld\").");
        return false;
    }
    // The scroll position passed as -1 never matches, so a resolution off the scroll bar's
    // 1/6 grid is moved onto it, as showing the tab in the window does.
    ShowTab(loaded, 0, -1);
    project = std::move(loaded);
    if (leftOut.Any()) dialogs.ShowMessage(LeftOutMessage(leftOut));
    return true;
}

bool LoadProject(Project& project, const std::string& source, UserDialogs& dialogs) {
    if (source == "sample") return LoadProjectFromText(project, SampleProjectText(), "Beispielprojekt", dialogs);
    std::string text, reason;
    if (!ReadWholeFile(source, text, reason)) {
        dialogs.ShowError("Die Datei " + source + " kann nicht gelesen werden: " + reason);
        return false;
    }
    return LoadProjectFromText(project, std::move(text), source, dialogs);
}

}  // namespace voltaris
