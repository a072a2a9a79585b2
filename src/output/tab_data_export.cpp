// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/tab_data_export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/value_range.h"
#include "model/platform.h"
#include "output/data_csv.h"
#include "particle/settled_paths.h"

namespace voltaris {

namespace {

// Writes `text` to folder/name; nothing, or the path with the system's reason.
std::optional<FileWriteFailure> WriteFile(const std::string& folder, const char* name, const std::string& text) {
    const std::string path = folder + "/" + name;
    errno = 0;
    std::FILE* file = OpenFile(path, "wb");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int error = errno;
    if (file && std::fclose(file) != 0) written = false;
    if (written) return std::nullopt;
    return FileWriteFailure{path, std::strerror(error ? error : EIO)};
}

std::string LinesText(const LineStore& store) {
    std::string text;
    store.Read([&](const LineSet& lines) { text = LinesCsv(lines); });
    return text;
}

}  // namespace

std::optional<FileWriteFailure> ExportTabData(const Project& project, const ParticleSwitches& switches,
                                              const std::string& folder) {
    const FieldSnapshot field = SnapshotOfActiveTab(project);
    ValueRange range;
    ComputeValueRange(field, false, range);
    auto lines = std::make_unique<LineStore>();
    TraceEquipotentials(field, range, true, *lines);
    if (auto failure = WriteFile(folder, EquipotentialsCsvName, LinesText(*lines))) return failure;
    TraceFieldLines(field, true, *lines);
    if (auto failure = WriteFile(folder, FieldLinesCsvName, LinesText(*lines))) return failure;

    // The time-step cuts of the build go into a copy: exporting changes nothing in the model.
    auto settled = std::make_unique<Project>(project);
    ParticleSwitches moving = switches;
    moving.ParticleEnabled = true;
    moving.AcRunning = false;
    auto paths = std::make_unique<PathStore>();
    BuildSettledPaths(*settled, moving, *paths);
    const FieldTab& tab = settled->Active();
    const PathCsvParticles particles{tab.ParticleCount, tab.particles, settled->SignFactor};
    std::string text;
    paths->Read([&](const PathSet& set) { text = PathsCsv(set, particles, {true, switches.BremsstrahlungEnabled}); });
    return WriteFile(folder, PathCsvName, text);
}

}  // namespace voltaris
