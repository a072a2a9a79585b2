// SPDX-License-Identifier: GPL-3.0-or-later
// The help command with and without the document in the program's folder, and the website.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "doubles/scripted_dialogs.h"
#include "output/help_links.h"
#include "test_environment.h"

using namespace voltaris;

namespace {

struct RecordingOpener : DesktopOpener {
    std::vector<std::string> files, pages;
    void OpenFile(const std::string& path) override { files.push_back(path); }
    void OpenWebPage(const std::string& url) override { pages.push_back(url); }
};

class HelpLinks : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("voltaris-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        test::SetEnvironment("VOLTARIS_WEB_URL", "http://web.test:8080/");
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        test::UnsetEnvironment("VOLTARIS_WEB_URL");
    }
    // An installed layout below `folder`: the program's bin folder and its documentation folder.
    void MakeInstalledFolders() {
        bin = folder / "usr/bin";
        doc = folder / "usr/share/doc/voltaris";
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(doc);
    }
    std::filesystem::path folder;
    std::filesystem::path bin, doc;
    RecordingOpener opener;
    test::ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(HelpLinks, DocumentBesideTheProgramOpensWithoutAQuestion) {
    std::ofstream(folder / "Facharbeit.pdf") << "%PDF-1.4\n";
    OpenHelp(folder.string(), dialogs, opener);
    EXPECT_EQ(opener.files, std::vector<std::string>{(folder / "Facharbeit.pdf").string()});
    EXPECT_TRUE(opener.pages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(HelpLinks, InstalledProgramFindsTheDocumentInItsDocumentationFolderUnlessOneIsBesideIt) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows program keeps its document beside itself";
#endif
    MakeInstalledFolders();
    EXPECT_EQ(InstalledHelpFolder(bin.string()), doc.string());
    std::ofstream(doc / "Facharbeit.pdf") << "%PDF-1.4\n";
    OpenHelp(bin.string(), dialogs, opener);
    std::ofstream(bin / "Facharbeit.pdf") << "%PDF-1.4\n";
    OpenHelp(bin.string(), dialogs, opener);
    EXPECT_EQ(opener.files,
              (std::vector<std::string>{(doc / "Facharbeit.pdf").string(), (bin / "Facharbeit.pdf").string()}));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(HelpLinks, TheEnglishHandbookComesFirstWhereverItLiesAndTheGuideStandsInForIt) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows program keeps its documents beside itself";
#endif
    MakeInstalledFolders();
    const std::vector<std::string> english{EnglishHelpFileName, HelpFileName};
    std::ofstream(bin / "Facharbeit.pdf") << "%PDF-1.4\n";
    OpenHelp(bin.string(), dialogs, opener, english);
    std::ofstream(doc / "Handbook.pdf") << "%PDF-1.4\n";
    OpenHelp(bin.string(), dialogs, opener, english);
    EXPECT_EQ(opener.files,
              (std::vector<std::string>{(bin / "Facharbeit.pdf").string(), (doc / "Handbook.pdf").string()}));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(HelpLinks, MissingDocumentAsksAndOpensTheDownloadPageUnlessTheAnswerIsNo) {
    // A folder of that name is no document.
    std::filesystem::create_directory(folder / "Facharbeit.pdf");
    OpenHelp(folder.string(), dialogs, opener);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0],
              "Die Datei \"Facharbeit.pdf\" konnte in diesem Ordner nicht gefunden werden.\r\n"
              "Soll die Datei aus dem Internet heruntergeladen werden?");
    EXPECT_TRUE(opener.pages.empty());
    EXPECT_TRUE(opener.files.empty());

    for (Answer answer : {Answer::Yes, Answer::Cancel}) {
        dialogs.answers = {answer};
        OpenHelp(folder.string(), dialogs, opener);
    }
    EXPECT_EQ(opener.pages, (std::vector<std::string>{"http://web.test:8080/voltaris2010/help.php",
                                                      "http://web.test:8080/voltaris2010/help.php"}));
    EXPECT_TRUE(opener.files.empty());
    EXPECT_EQ(dialogs.questionsWithCancel, (std::vector<bool>{false, false, false}));  // Yes and No only
}

TEST_F(HelpLinks, WebsiteOpensTheProductsStartPage) {
    OpenWebsite(opener);
    EXPECT_EQ(opener.pages, std::vector<std::string>{"http://web.test:8080/voltaris2010/"});
    EXPECT_TRUE(dialogs.questions.empty());
}
