// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arrangements the benchmarks share. The twenty charges (three of them just outside the square)
// are also stored as the project file tests/data/twenty_charges.psf.
#include <string>
#include <vector>

#include "field/field_snapshot.h"
#include "model/number_format.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/user_dialogs.h"

namespace voltaris::bench {

struct ChargeText {
    const char* amount;
    const char* x;
    const char* y;
    const char* radius;
};

inline FieldSnapshot ArrangementOf(const std::vector<ChargeText>& rows) {
    FieldSnapshot f;
    f.unitLength = UnitLengthOf(1);
    for (const ChargeText& row : rows) {
        const int i = f.ChargeCount++;
        f.amount[i] = ParseNumber(row.amount);
        f.x[i] = static_cast<float>(ParseNumber(row.x));
        f.y[i] = static_cast<float>(ParseNumber(row.y));
        f.radius[i] = static_cast<float>(ParseNumber(row.radius));
    }
    return f;
}

inline FieldSnapshot TwentyCharges() {
    return ArrangementOf({
        {"5,6E-10", "1,2", "1,5", "0,5"},   {"-5,6E-10", "3,4", "1,1", "0,4"},  {"2,8E-10", "5,6", "1,8", "0,3"},
        {"-1,12E-9", "7,9", "1,3", "0,5"},  {"4E-10", "10,3", "3,2", "0,25"},   {"-2,8E-10", "-0,4", "3,7", "0,35"},
        {"8,4E-10", "3,3", "3,9", "0,5"},   {"-5,6E-10", "5,2", "4,4", "0,45"}, {"1,4E-10", "7,1", "3,6", "0,2"},
        {"-4E-10", "8,8", "5,5", "0,3"},    {"5,6E-10", "0,9", "6,1", "0,5"},   {"-8,4E-10", "2,9", "6,6", "0,5"},
        {"2,8E-10", "4,8", "6,9", "0,3"},   {"-1,4E-10", "6,6", "6,2", "0,2"},  {"1,12E-9", "8,4", "7,7", "0,5"},
        {"-5,6E-10", "1,6", "8,8", "0,4"},  {"3,5E-10", "3,7", "9,1", "0,35"},  {"-2,1E-10", "5,5", "8,6", "0,25"},
        {"7E-10", "7,3", "10,4", "0,45"},   {"-6,3E-10", "9,4", "9,2", "0,4"},
    });
}

// Loads `source` (a .psf path or "sample") into `project`, silently, and shows its tab
// `caption`; false when the file cannot be read or has no such tab.
inline bool LoadTab(Project& project, const std::string& source, const std::string& caption) {
    class QuietDialogs : public UserDialogs {
    public:
        void ShowMessage(const std::string&) override {}
        void ShowError(const std::string&) override {}
        Answer Ask(const std::string&, bool) override { return Answer::No; }
    } dialogs;
    project = Project::Initial();
    if (!LoadProject(project, source, dialogs)) return false;
    for (int i = 0; i < project.TabCount; ++i) {
        if (project.tabs[i].caption == caption) {
            ShowTab(project, i, -1);
            return true;
        }
    }
    return false;
}

}  // namespace voltaris::bench
