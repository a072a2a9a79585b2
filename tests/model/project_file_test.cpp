// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "cli_runner.h"
#include "doubles/scripted_dialogs.h"
#include "model/number_format.h"
#include "model/platform.h"
#include "model/project_file.h"

using namespace voltaris;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct ProjectFile : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("voltaris_file_test_" + std::to_string(::getpid()));
    test::ScriptedDialogs dialogs;
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // Loads `xml` from a file into a project that holds the sample.
    bool Load(const std::string& xml, Project& project) {
        const fs::path path = dir / "p.psf";
        std::ofstream(path, std::ios::binary) << xml;
        return LoadProject(project, path.string(), dialogs);
    }
    Project Sample() {
        Project p = Project::Initial();
        EXPECT_TRUE(LoadProject(p, "sample", dialogs));
        return p;
    }
};

const char* Header = "<?xml version=\"1.0\" ?>\r\n";

}  // namespace

TEST_F(ProjectFile, SampleHoldsFourteenTabsAndSavesAsTheGoldenFile) {
    const std::string& text = SampleProjectText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 575);
    EXPECT_EQ(text.back(), '\n');
    // One feld line is indented by spaces instead of a TAB; the reader does not mind.
    const size_t spaced = text.find("\n        <feld ");
    ASSERT_NE(spaced, std::string::npos);
    EXPECT_EQ(text.find("\n        <", spaced + 1), std::string::npos);
    EXPECT_EQ(text.compare(spaced + 9, 28, "<feld name=\"Paul Falle\" reso"), 0);

    Project p = Sample();
    EXPECT_EQ(p.TabCount, 14);
    EXPECT_EQ(p.ProjectName, "Beispielprojekt");
    EXPECT_EQ(p.ActiveTab, 0);
    EXPECT_EQ(p.tabs[0].Resolution, -10.0f);
    EXPECT_EQ(p.unitLength, 1e-11f);
    EXPECT_EQ(SquareSizeLabel(p.unitLength), "Das Koordinatensystem ist 1E-10m im Quadrat");
    ASSERT_EQ(p.tabs[0].ChargeCount, 1);
    EXPECT_EQ(p.tabs[0].charges[0].amount, 1.60217646821162e-19);
    EXPECT_EQ(p.tabs[5].caption, "Paul Falle");  // the line indented by spaces
    EXPECT_EQ(p.tabs[5].Resolution, -1.5f);
    EXPECT_EQ(p.tabs[0].particles[0].steps, 201407);
    EXPECT_EQ(ProjectFileText(p), ReadFile(VOLTARIS_TEST_DATA "/sample.psf"));
}

TEST_F(ProjectFile, CommandLineConvertWritesTheGoldenFileAndInfoListsTheTabs) {
    const fs::path out = dir / "out.psf";
    ASSERT_EQ(std::system(test::CliCommand("convert sample " + out.string()).c_str()), 0);
    EXPECT_EQ(ReadFile(out), ReadFile(VOLTARIS_TEST_DATA "/sample.psf"));

    const fs::path listing = dir / "info.txt";
    ASSERT_EQ(std::system((test::CliCommand("info " + out.string()) + " > " + listing.string()).c_str()), 0);
    const std::string info = ReadFile(listing);
    EXPECT_EQ(info.substr(0, info.find("\t3\t")),
              "project: Beispielprojekt\n"
              "1\tVerifizierung der Bohr'schen Postulate (a0, v0)\t-10\t1\t1\n"
              "2\t3 positive Ladungen\t1");
    EXPECT_NE(info.find("\n6\tPaul Falle\t-1.5\t4\t1\n"), std::string::npos);
    EXPECT_EQ(std::count(info.begin(), info.end(), '\n'), 15);

    // A failing load writes nothing.
    const fs::path none = dir / "none.psf";
    EXPECT_NE(std::system(test::CliCommand("convert " + (dir / "missing.psf").string() + " " + none.string()).c_str()),
              0);
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(ProjectFile, RoundTripKeepsEverySinglePrecisionFieldExactly) {
    Project p = Sample();
    FieldTab& t = p.tabs[3];
    t.charges[0].x = 0.1f + 1e-7f;
    t.charges[1].radius = 3.0e-12f;
    t.particles[0].y = -7.123457e-9f;
    t.Resolution = ResolutionOfScrollPosition(67);
    const Project before = p;
    p.ProjectFileName = (dir / "r.psf").string();
    ASSERT_TRUE(SaveProject(p, dialogs));
    Project back = Project::Initial();
    ASSERT_TRUE(LoadProject(back, p.ProjectFileName, dialogs));
    for (int i = 0; i < before.TabCount; ++i) {
        const FieldTab &a = before.tabs[i], &b = back.tabs[i];
        if (i != 0) {
            EXPECT_EQ(a.Resolution, b.Resolution) << i;  // tab 0 is shown, which snaps it
        }
        for (int c = 0; c < a.ChargeCount; ++c) {
            EXPECT_EQ(a.charges[c].x, b.charges[c].x);
            EXPECT_EQ(a.charges[c].y, b.charges[c].y);
            EXPECT_EQ(a.charges[c].radius, b.charges[c].radius);
            EXPECT_EQ(FormatGeneral(a.charges[c].amount, 15), FormatGeneral(b.charges[c].amount, 15));
        }
        EXPECT_EQ(a.particles[0].x, b.particles[0].x);
        EXPECT_EQ(a.particles[0].y, b.particles[0].y);
        EXPECT_NEAR(a.particles[0].angle, b.particles[0].angle, 1e-13);
    }
}

TEST_F(ProjectFile, ReadingRulesForUnusualButValidFiles) {
    Project p = Sample();
    ASSERT_TRUE(Load(std::string(Header) +
                         "<projekt>\r\n"
                         "\t<Feld name=\"klein\"/>\r\n"
                         "\t<feld name=\"a\" resolution=\"1,05\"><ladung/><ladung><betrag> 2E-10 </betrag></ladung></feld>\r\n"
                         "\t<feld resolution=\"\"><ion><rechnungen>201407,9</rechnungen></ion></feld>\r\n"
                         "\t<feld name=\"c\" resolution=\"1.5\"><ion><rechnungen>-3,7</rechnungen><alpha>90</alpha></ion></feld>\r\n"
                         "\t<feld name=\"d\"><ion><rechnungen>1E12</rechnungen></ion><ion><rechnungen>-1E12</rechnungen></ion></feld>\r\n"
                         "\t<feld name=\"e\" resolution=\"-1,5\"/>\r\n"
                         "</projekt>\r\n",
                     p));
    EXPECT_EQ(p.ProjectName, "Beispielprojekt");  // the root has no name
    ASSERT_EQ(p.TabCount, 5);                      // "Feld" is not "feld"
    EXPECT_EQ(p.tabs[0].caption, "a");
    // The first tab is shown, which moves its resolution onto the scroll bar's grid.
    EXPECT_EQ(p.tabs[0].Resolution, 1.0f);
    EXPECT_EQ(p.unitLength, 1.0f);
    EXPECT_EQ(p.tabs[0].ParticleCount, 0);
    ASSERT_EQ(p.tabs[0].ChargeCount, 2);
    // An empty ladung keeps what the slot held: the sample's first charge.
    EXPECT_EQ(p.tabs[0].charges[0].amount, 1.60217646821162e-19);
    EXPECT_EQ(p.tabs[0].charges[0].radius, p.tabs[0].charges[0].radius);
    EXPECT_EQ(p.tabs[0].charges[1].amount, 2e-10);
    EXPECT_EQ(p.tabs[1].caption, "unbenannt");
    EXPECT_EQ(p.tabs[1].Resolution, 1.0f);
    EXPECT_EQ(p.tabs[1].particles[0].steps, 201407);
    // Fields the ion does not mention keep the sample's values of that slot.
    EXPECT_EQ(p.tabs[1].particles[0].speed, 419661);
    EXPECT_EQ(p.tabs[2].Resolution, 1.0f);  // a point is no decimal separator here
    EXPECT_EQ(p.tabs[2].particles[0].steps, -3);
    EXPECT_NEAR(p.tabs[2].particles[0].angle, 1.5707963267948966, 1e-15);
    EXPECT_EQ(p.tabs[3].Resolution, 1.0f);  // no attribute at all
    EXPECT_EQ(p.tabs[3].particles[0].steps, INT32_MAX);
    EXPECT_EQ(p.tabs[3].particles[1].steps, INT32_MIN);
    EXPECT_EQ(p.tabs[4].Resolution, -1.5f);  // tabs not shown keep their resolution
    // A tab read without ion elements is saved without them.
    const std::string text = ProjectFileText(p);
    const size_t first = text.find("\t<feld name=\"a\"");
    EXPECT_EQ(text.substr(first, text.find("</feld>", first) - first).find("<ion>"), std::string::npos);
    EXPECT_NE(text.find("\t<feld name=\"e\" resolution=\"-1,5\">\r\n\t</feld>\r\n"), std::string::npos);
}

TEST_F(ProjectFile, NumbersThatCouldNotBeSavedAgainAreRefused) {
    Project p = Sample();
    const std::string before = ProjectFileText(p);
    // Beyond the float range of a position, and where 15-digit rounding overflows a double.
    for (const char* value : {"1E39", "-3,5E38", "1,5E308"}) {
        dialogs.Clear();
        const std::string element = std::string(value) == "1,5E308" ? "<betrag>%</betrag>" : "<pos><x>%</x></pos>";
        const std::string xml = std::string(Header) + "<potential><feld name=\"a\"><ladung>" +
                                element.substr(0, element.find('%')) + value + element.substr(element.find('%') + 1) +
                                "</ladung></feld></potential>";
        EXPECT_FALSE(Load(xml, p)) << xml;
        ASSERT_EQ(dialogs.errors.size(), 1u);
        EXPECT_EQ(dialogs.errors[0], std::string("'") + value + "' ist kein gültiger Gleitkommawert");
    }
    EXPECT_EQ(ProjectFileText(p), before);
    // The extremes that do fit come back exactly.
    p.tabs[2].charges[0].x = FLT_MAX;
    p.tabs[2].charges[0].y = -FLT_MAX;
    p.tabs[2].charges[0].amount = 1e308;
    p.tabs[2].particles[0].dt = 4.9406564584124654e-324;
    Project back = Project::Initial();
    ASSERT_TRUE(Load(ProjectFileText(p), back));
    EXPECT_EQ(back.tabs[2].charges[0].x, FLT_MAX);
    EXPECT_EQ(back.tabs[2].charges[0].y, -FLT_MAX);
    EXPECT_EQ(back.tabs[2].charges[0].amount, 1e308);
    EXPECT_EQ(back.tabs[2].particles[0].dt, 4.9406564584124654e-324);
}

TEST_F(ProjectFile, EveryFailureKeepsThePreviousProjectAndSaysWhy) {
    Project p = Sample();
    p.ActiveTab = 4;
    p.ProjectFileName = "vorher.psf";
    const std::string before = ProjectFileText(p);
    const struct { std::string xml, error; } cases[] = {
        {std::string(Header) + "<potential name=\"x\"><feld name=\"a\"><ladung><betrag>1.5</betrag></ladung></feld></potential>",
         "'1.5' ist kein gültiger Gleitkommawert"},
        {std::string(Header) + "<potential name=\"x\"><feld name=\"a\"><ion><pos><x>1,5x</x></pos></ion></feld></potential>",
         "'1,5x' ist kein gültiger Gleitkommawert"},
        {std::string(Header) + "<potential name=\"x\"><feld name=\"a\">", ""},
        // The reader's complaints name the file and the line, in German.
        {"", "Die Datei " + (dir / "p.psf").string() + " ist keine gültige Projektdatei (Zeile 1): kein Wurzelelement gefunden."},
        {std::string(Header) + "<potential name=\"x\">\r\n\t<feld name=\"a\">\r\n\t</potential>\r\n",
         "Die Datei " + (dir / "p.psf").string() + " ist keine gültige Projektdatei (Zeile 4): End-Tag passt nicht zum Start-Tag."},
        {std::string(Header) + "<potential name=\"x\"/>", ""},
    };
    for (const auto& c : cases) {
        dialogs.errors.clear();
        EXPECT_FALSE(Load(c.xml, p)) << c.xml;
        ASSERT_EQ(dialogs.errors.size(), 1u) << c.xml;
        if (!c.error.empty()) {
            EXPECT_EQ(dialogs.errors[0], c.error);
        }
        EXPECT_EQ(ProjectFileText(p), before);
        EXPECT_EQ(p.ActiveTab, 4);
        EXPECT_EQ(p.ProjectFileName, "vorher.psf");
    }
    // A missing file and a folder: the message names the path and the system's reason in German.
    const struct { fs::path path; const char* reason; } unreadable[] = {
        {dir / "fehlt.psf", "Datei oder Verzeichnis nicht gefunden"}, {dir, "Ist ein Verzeichnis"}};
    for (const auto& u : unreadable) {
        dialogs.errors.clear();
        EXPECT_FALSE(LoadProject(p, u.path.string(), dialogs));
        ASSERT_EQ(dialogs.errors.size(), 1u);
        EXPECT_EQ(dialogs.errors[0], "Die Datei " + u.path.string() + " kann nicht gelesen werden: " + u.reason);
        EXPECT_EQ(ProjectFileText(p), before);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProjectFile, NamesWithMarkupOrNonAsciiLettersAreEscapedAndReadBack) {
    Project p = Sample();
    p.ProjectName = "Müller & <Söhne> \"Feld\"";
    p.tabs[1].caption = "Ladungen € ± 𝜑";
    p.tabs[2].caption = "Zeile\tmit\x01Steuerzeichen\r\n";
    const std::string text = ProjectFileText(p);
    EXPECT_NE(text.find("name=\"M&#252;ller &amp; &lt;S&#246;hne&gt; &quot;Feld&quot;\""), std::string::npos);
    EXPECT_NE(text.find("name=\"Ladungen &#8364; &#177; &#120593;\""), std::string::npos);
    // TAB, CR and LF survive as references; a character XML forbids is left out.
    EXPECT_NE(text.find("name=\"Zeile&#9;mitSteuerzeichen&#13;&#10;\""), std::string::npos);
    // The file is plain ASCII, so no parser can misread its encoding.
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n';
    }));
    Project back = Project::Initial();
    ASSERT_TRUE(Load(text, back));
    EXPECT_EQ(back.ProjectName, p.ProjectName);
    EXPECT_EQ(back.tabs[1].caption, p.tabs[1].caption);
    EXPECT_EQ(back.tabs[2].caption, "Zeile\tmitSteuerzeichen\r\n");
    // Names without such characters are written verbatim.
    EXPECT_NE(ProjectFileText(Sample()).find("\t<feld name=\"Verifizierung der Bohr'schen Postulate (a0, v0)\" "),
              std::string::npos);
}

TEST_F(ProjectFile, OlderFilesWithWindows1252NamesAreRead) {
    Project p = Project::Initial();
    ASSERT_TRUE(Load(std::string(Header) + "<potential name=\"Gr\xFC\xDF" "e \x80\"><feld name=\"\xC4rger\"/></potential>", p));
    EXPECT_EQ(p.ProjectName, "Grüße €");
    EXPECT_EQ(p.tabs[0].caption, "Ärger");
}

TEST_F(ProjectFile, SurplusTabsChargesAndParticlesAreLeftOutWithOneMessage) {
    std::string xml = std::string(Header) + "<potential name=\"gross\">";
    for (int t = 0; t < 22; ++t) {
        xml += "<feld name=\"t\">";
        for (int c = 0; c < (t == 0 ? 23 : 1); ++c) xml += "<ladung><betrag>1E-10</betrag></ladung>";
        for (int i = 0; i < (t == 1 ? 4 : 1); ++i) xml += "<ion/>";
        xml += "</feld>";
    }
    xml += "</potential>";
    Project p = Project::Initial();
    ASSERT_TRUE(Load(xml, p));
    EXPECT_EQ(p.TabCount, 20);
    EXPECT_EQ(p.tabs[0].ChargeCount, 20);
    EXPECT_EQ(p.tabs[1].ParticleCount, 3);
    ASSERT_EQ(dialogs.Shown(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Nicht geladen wurden: 2 Tabs, 3 Ladungen, 1 Teilchen."), std::string::npos)
        << dialogs.messages[0];
}

TEST_F(ProjectFile, FailedSaveLeavesAnExistingFileIntactAndSaysSo) {
    Project p = Sample();
    const fs::path target = dir / "alt.psf";
    std::ofstream(target) << "alter Inhalt";
    p.ProjectFileName = (dir / "gibt-es-nicht" / "neu.psf").string();
    EXPECT_FALSE(SaveProject(p, dialogs));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Datei " + p.ProjectFileName + " kann nicht erstellt werden");
    p.ProjectFileName = dir.string();  // a directory cannot be replaced by a file
    EXPECT_FALSE(SaveProject(p, dialogs));
    EXPECT_EQ(ReadFile(target), "alter Inhalt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no stray temporary
    // Replacing it keeps its permissions (Windows knows only "read-only" or not).
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    p.ProjectFileName = target.string();
    EXPECT_TRUE(SaveProject(p, dialogs));
    EXPECT_EQ(ReadFile(target), ProjectFileText(p));
#ifndef _WIN32
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
#endif
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Paths travel through the program as UTF-8; Windows must open them by their wide form.
TEST_F(ProjectFile, NamesWithLettersBeyondAsciiAreSavedAndLoadedUnderThatName) {
    const std::string name = Utf8FromPath(dir / fs::path(u8"Feldstärke Übung.psf"));
    Project p = Sample();
    p.ProjectFileName = name;
    ASSERT_TRUE(SaveProject(p, dialogs));
    EXPECT_EQ(ReadFile(dir / fs::path(u8"Feldstärke Übung.psf")), ProjectFileText(p));
    Project back = Project::Initial();
    ASSERT_TRUE(LoadProject(back, name, dialogs));
    EXPECT_EQ(ProjectFileText(back), ProjectFileText(p));
}
