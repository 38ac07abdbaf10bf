#include "tests/kit/dated_files.h"
#include "tests/kit/testkit.h"
#include "tests/tools/verteilen/command_process.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using clitest::RunVerteilen;
using clitest::TreeSnapshot;
using testkit::Contains;
using testkit::Lines;
using testkit::WriteFileAt;
using Strings = std::vector<std::string>;

// The log's lines as the dry run writes them.
Strings AsDryRunLines(const Strings& logLines) {
  Strings lines;
  for (const std::string& line : logLines) {
    const size_t tab = line.find('\t');
    lines.push_back(line.substr(0, tab) + " -> " + line.substr(tab + 1));
  }
  return lines;
}

class VerteilenTest : public ::testing::Test {
protected:
  void SetUp() override {
    fileTime_ = testkit::LocalSeconds(2020, 2, 3, 4, 5, 7);
    fs::create_directories(source_);
    fs::create_directories(target_);
    testkit::WriteFile(settings_, "");
  }

  void Jpeg(const std::string& path, const std::string& exifDate) {
    WriteFileAt(path, testkit::JpegWithExifDate(exifDate), fileTime_);
  }

  // Options that make a run independent of any settings file.
  Strings Folders() const {
    return {"--einstellungen", settings_, "--quelle", source_, "--ziel", target_};
  }

  testkit::TempDir dir_;
  const std::string source_ = dir_.File("quelle") + "/";
  const std::string target_ = dir_.File("ziel") + "/";
  const std::string settings_ = dir_.File("leer.ini");
  const std::string log_ = dir_.File("protokoll.txt");
  time_t fileTime_ = 0;
};

// The target lies inside the source and holds the files of an earlier run:
// names taken by the run's own earlier files, a file that already lies at a
// numbered variant of its name (it stays), and a file that leaves a folder
// before that folder is listed. A tab, backslash, line break or terminal
// control character in a name keeps each move on one harmless line.
TEST_F(VerteilenTest, DryRunListsExactlyTheMovesOfTheRealRunAndChangesNothing) {
  const std::string sorted = source_ + "sortiert/";
  Jpeg(source_ + "B.JPG", "2024:02:29 08:00:00");
  Jpeg(source_ + "a.jpg", "2024:02:29 08:00:00");
  Jpeg(source_ + "ro.jpg", "2024:02:29 08:00:00");
  chmod((source_ + "ro.jpg").c_str(), 0444);
  Jpeg(sorted + "2023/05/2023-05-01_120732.jpg", "2021:07:04 10:00:00");
  Jpeg(sorted + "2023/05/2023-05-01_120732_[0003].JPG", "2023:05:01 12:07:32");
  Jpeg(source_ + "zz/q.jpg", "2023:05:01 12:07:32");
  WriteFileAt(source_ + "zz/clip.MOV", "film", testkit::LocalSeconds(2023, 5, 1, 12, 7, 33));
  WriteFileAt(source_ + "Notiz.TXT", "text", fileTime_);
  WriteFileAt(source_ + "a\tb\\c\nd.png", "x", fileTime_);
  WriteFileAt(source_ + "e\x1b[2J\xc2\x9b.png", "y", fileTime_);
  const Strings expected = {
      source_ + "B.JPG -> " + sorted + "2024/02/2024-02-29_080000.jpg",
      source_ + "a.jpg -> " + sorted + "2024/02/2024-02-29_080000_[0001].jpg",
      source_ + "ro.jpg -> " + sorted + "2024/02/ro.jpg",
      sorted + "2023/05/2023-05-01_120732.jpg -> " + sorted + "2021/07/2021-07-04_100000.jpg",
      sorted + "2023/05/2023-05-01_120732_[0003].JPG (bleibt)",
      source_ + "zz/q.jpg -> " + sorted + "2023/05/2023-05-01_120732.jpg",
      source_ + "a\\tb\\\\c\\nd.png -> " + sorted + "2020/02/2020-02-03_040506.png",
      source_ + "e\\x1B[2J\\u009B.png -> " + sorted + "2020/02/2020-02-03_040506_[0001].png",
      source_ + "zz/clip.MOV -> " + sorted + "2023/05/2023-05-01_120732.mov",
  };
  const Strings options = {"--einstellungen", settings_, "--quelle",    source_,
                           "--ziel",          sorted,    "--protokoll", log_};
  const Strings before = TreeSnapshot(dir_.path());

  Strings dryRun = options;
  dryRun.push_back("--probelauf");
  const auto planned = RunVerteilen(dryRun);
  EXPECT_EQ(planned.status, 0) << planned.err;
  EXPECT_EQ(Lines(planned.out), expected);
  EXPECT_EQ(TreeSnapshot(dir_.path()), before) << "the dry run changed the disk";

  Strings realRun = options;
  realRun.push_back("--ja");
  const auto moved = RunVerteilen(realRun);
  EXPECT_EQ(moved.status, 0) << moved.err;
  Strings movedLines = expected;
  std::erase_if(movedLines, [](const std::string& line) { return line.ends_with(" (bleibt)"); });
  EXPECT_EQ(AsDryRunLines(Lines(testkit::ReadWholeFile(log_))), movedLines);
  for (const std::string& line : movedLines) {
    const size_t arrow = line.find(" -> ");
    EXPECT_TRUE(fs::exists(line.substr(arrow + 4))) << line;
  }
  EXPECT_TRUE(fs::exists(source_ + "Notiz.TXT"));
}

// Every option not given comes from the settings file, and where that has no
// value from the defaults of the options dialog.
TEST_F(VerteilenTest, OptionsOverrideTheSettingsFileWhichOverridesTheDialogDefaults) {
  Jpeg(source_ + "IMG_1.JPG", "2023:05:01 12:07:32");
  WriteFileAt(source_ + "Notiz.txt", "text", testkit::LocalSeconds(2022, 3, 4, 5, 6, 8));
  const std::string otherTarget = dir_.File("anders") + "/";
  fs::create_directories(otherTarget);
  const std::string settingsText = "[optionenf]\nquellee=" + source_ + "\nziele=" + target_ +
                                   "\nexifrenamecb=0\nkeepfncb=0\nallcb=0\npiccb=1\nvideocb=0\n"
                                   "verteiloptcbb=0\n";
  const std::string settings = dir_.File("einstellungen.ini");
  testkit::WriteFile(settings, settingsText);
  // A copy of the program with its own settings file beside it, and one
  // without.
  const std::string withSettings = dir_.File("mit/fotomaz-verteilen");
  const std::string without = dir_.File("ohne/fotomaz-verteilen");
  for (const std::string& program : {withSettings, without}) {
    fs::create_directories(fs::path(program).parent_path());
    fs::copy_file(FOTOMAZ_VERTEILEN, program);
  }
  testkit::WriteFile(dir_.File("mit/TamrelFotomaz.ini"), settingsText);

  const std::string jpeg = source_ + "IMG_1.JPG -> ";
  struct Case {
    std::string program;
    Strings options;
    Strings lines;
  };
  const Case cases[] = {
      {FOTOMAZ_VERTEILEN, {"--einstellungen", settings}, {jpeg + target_ + "2023/img_1.jpg"}},
      {withSettings, {}, {jpeg + target_ + "2023/img_1.jpg"}},
      {FOTOMAZ_VERTEILEN,
       {"--einstellungen", settings, "--ziel", otherTarget},
       {jpeg + otherTarget + "2023/img_1.jpg"}},
      {withSettings, {"--umbenennen", "ja"}, {jpeg + target_ + "2023/2023-05-01_120732.jpg"}},
      {withSettings,
       {"--umbenennen=ja", "--originalname", "ja", "--ordner", "tag"},
       {jpeg + target_ + "2023/05/01/2023-05-01_120732_img_1.jpg"}},
      {withSettings, {"--ordner", "keine"}, {jpeg + target_ + "img_1.jpg"}},
      {withSettings,
       {"--dateien", "alle"},
       {jpeg + target_ + "2023/img_1.jpg", source_ + "Notiz.txt -> " + target_ + "2022/notiz.txt"}},
      {withSettings, {"--dateien", "videos"}, {}},
      {without,
       {"--quelle", source_, "--ziel", target_},
       {jpeg + target_ + "2023/05/2023-05-01_120732.jpg"}},
  };
  for (const Case& c : cases) {
    Strings arguments = c.options;
    arguments.push_back("--probelauf");
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const auto result = clitest::CommandProcess(c.program, arguments).Wait();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Lines(result.out), c.lines);
    if (c.lines.empty()) {
      EXPECT_TRUE(Contains(result.err, "Es wurden keine gültigen Daten gefunden")) << result.err;
    }
  }
}

// --begleiter, else the settings file's begleitcb, else nein; the dry run
// shows every member's move.
TEST_F(VerteilenTest, BegleiterMovesAPictureWithItsSidecar) {
  Jpeg(source_ + "IMG_1.JPG", "2023:05:01 12:07:32");
  WriteFileAt(source_ + "IMG_1.JPG.xmp", "xmp", fileTime_);
  const std::string ticked = dir_.File("begleit.ini");
  testkit::WriteFile(ticked, "[optionenf]\nbegleitcb=1\n");
  const std::string jpeg = source_ + "IMG_1.JPG -> " + target_ + "2023/05/2023-05-01_120732.jpg";
  const std::string xmp =
      source_ + "IMG_1.JPG.xmp -> " + target_ + "2023/05/2023-05-01_120732.jpg.xmp";
  // Without the option the sidecar stays: it is no picture, though "*.jp*"
  // matches its name.
  struct Case {
    std::string settings;
    Strings options;
    Strings lines;
  };
  const Case cases[] = {
      {settings_, {}, {jpeg}},
      {settings_, {"--begleiter", "ja"}, {jpeg, xmp}},
      {ticked, {}, {jpeg, xmp}},
      {ticked, {"--begleiter=nein"}, {jpeg}},
  };
  for (const Case& c : cases) {
    Strings arguments{"--einstellungen", c.settings, "--quelle",   source_,
                      "--ziel",          target_,    "--probelauf"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const auto result = clitest::CommandProcess(FOTOMAZ_VERTEILEN, arguments).Wait();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Lines(result.out), c.lines);
  }

  // The sidecar's name alone is taken: the pair moves on to one counter.
  fs::create_directories(target_ + "2023/05/2023-05-01_120732.jpg.xmp");
  Strings arguments = Folders();
  for (const char* more : {"--begleiter", "ja", "--ja"})
    arguments.push_back(more);
  const auto result = clitest::CommandProcess(FOTOMAZ_VERTEILEN, arguments).Wait();
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(fs::exists(target_ + "2023/05/2023-05-01_120732_[0001].jpg.xmp"));
  EXPECT_TRUE(fs::exists(target_ + "2023/05/2023-05-01_120732_[0001].jpg"));
}

TEST_F(VerteilenTest, BadUsageAndMissingFoldersGiveStatusTwoAndMoveNothing) {
  Jpeg(source_ + "IMG_1.JPG", "2023:05:01 12:07:32");
  const std::string missing = dir_.File("fehlt") + "/";
  const std::string withNul = dir_.File("nul.ini");
  testkit::WriteFile(withNul, "[optionenf]\nquellee=" + source_.substr(0, source_.size() - 1) +
                                  std::string(1, '\0') + "/quelle/\n");
  const Strings folders = Folders();
  const auto with = [&](Strings more) {
    Strings arguments = folders;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  };
  struct Case {
    Strings arguments;
    std::string message;
  };
  const Case cases[] = {
      {with({"--ja", "--farbe", "rot"}), "Unbekannte Option: --farbe"},
      {with({"--ja", "--ordner", "woche"}), "Ungültiger Wert für --ordner: \"woche\""},
      {with({"--ja", "--umbenennen", "vielleicht"}), "Ungültiger Wert für --umbenennen"},
      {with({"--ja", "--originalname=vielleicht"}),
       "Ungültiger Wert für --originalname: \"vielleicht\" (erlaubt: ja, nein)"},
      {with({"--ja", "--dateien", "bilder,musik"}), "Ungültiger Wert für --dateien"},
      {with({"--ja", "--gleiche", "vielleicht"}),
       "Ungültiger Wert für --gleiche: \"vielleicht\" (erlaubt: ueberspringen, nummerieren)"},
      {with({"--ja", "bilder"}), "Unerwartetes Argument: \"bilder\""},
      {with({"--ja=1"}), "Die Option --ja hat keinen Wert."},
      {with({"--ja", "--ziel"}), "Bei --ziel fehlt der Wert."},
      {with({"--ja", "--quelle", ""}),
       "Bitte zuerst den Quell und Zielordner der Daten auswählen!"},
      {with({"--ja", "--quelle", missing, "--ziel", missing}),
       "Der Quellordner existiert nicht (mehr)!"},
      {with({"--ja", "--ziel", missing}), "Der Zielordner existiert nicht (mehr)!"},
      {with({"--ja", "--sicherung", missing}), "Der Sicherungsordner existiert nicht (mehr)!"},
      {with({"--ja", "--sicherung", target_}),
       "Der Sicherungsordner darf nicht im Quell- oder Zielordner liegen."},
      {{"--ja", "--einstellungen", dir_.File("fehlt.ini"), "--quelle", source_, "--ziel", target_},
       "Die Einstellungsdatei " + dir_.File("fehlt.ini") + " existiert nicht."},
      {with({"--ja", "--protokoll", missing + "protokoll.txt"}), "kann nicht geöffnet werden"},
      // A NUL inside a stored folder text: cut there it names another folder.
      {{"--ja", "--einstellungen", withNul, "--ziel", target_},
       "Der Quellordner existiert nicht (mehr)!"},
      // No terminal to ask on.
      {with({}), "Ohne Terminal kann nicht nachgefragt werden"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const auto result = RunVerteilen(c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(Contains(result.err, c.message)) << result.err;
    EXPECT_TRUE(fs::exists(source_ + "IMG_1.JPG"));
  }
}

// A file whose date cannot be read stays, the run goes on, and the end
// names every file that stayed, with status 3; a dry run already knows.
TEST_F(VerteilenTest, FilesThatStayAreNamedAtTheEndWithStatusThree) {
  for (const char* name : {"a.png", "b.png", "d.png"})
    WriteFileAt(source_ + name, name, testkit::LocalSeconds(2023, 5, 1, 12, 0, 0));
  WriteFileAt(source_ + "c\x1b.png", "c", testkit::LocalSeconds(1975, 1, 1, 0, 0, 0));
  testkit::WriteFile(log_, "frühere Zeile\n");
  const std::string stayed =
      source_ + "c\\x1B.png: Datum nicht lesbar: Ungültiges Argument zum Codieren des Datums\n";

  Strings dryRun = Folders();
  dryRun.push_back("--probelauf");
  const auto planned = RunVerteilen(dryRun);
  EXPECT_EQ(planned.status, 3);
  EXPECT_TRUE(Contains(planned.err, stayed)) << planned.err;

  Strings arguments = Folders();
  arguments.insert(arguments.end(), {"--ja", "--protokoll", log_});
  const auto result = RunVerteilen(arguments);
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(Contains(result.err, stayed)) << result.err;
  const std::string folder = target_ + "2023/05/";
  EXPECT_EQ(Lines(testkit::ReadWholeFile(log_)),
            (Strings{"frühere Zeile", source_ + "a.png\t" + folder + "2023-05-01_120000.png",
                     source_ + "b.png\t" + folder + "2023-05-01_120000_[0001].png",
                     source_ + "d.png\t" + folder + "2023-05-01_120000_[0002].png"}));
  EXPECT_EQ(TreeSnapshot(source_), (Strings{"c\x1b.png 1"}));
}

// With --gleiche ueberspringen, or gleichecb=1 in the settings, a file whose
// bytes lie in the target already stays and is named on standard error; it
// alone does not make the status 3. The dry run plans it on one line.
TEST_F(VerteilenTest, FilesAlreadyInTheTargetStayAndAreNamed) {
  const std::string skipping = dir_.File("gleiche.ini");
  testkit::WriteFile(skipping, "[optionenf]\ngleichecb=1\n");
  const std::string stamp = target_ + "2023/05/2023-05-01_120732";
  const std::string line = source_ + "a\\tb.jpg = " + stamp + ".jpg (schon im Ziel vorhanden)";
  const std::string differs = source_ + "c.jpg -> " + stamp + "_[0001].jpg";
  struct Case {
    Strings arguments;
    int status;
    bool stays;      // a<Tab>b.jpg
    Strings planned; // standard output of a dry run
    bool undatable;  // with a file that cannot be dated
  };
  const Case cases[] = {
      {{"--gleiche", "ueberspringen", "--ja"}, 0, true, {}, false},
      {{"--einstellungen", skipping, "--ja"}, 0, true, {}, false},
      {{"--einstellungen", skipping, "--gleiche=nummerieren", "--ja"}, 0, false, {}, false},
      {{"--gleiche", "ueberspringen", "--probelauf"}, 0, true, {line, differs}, false},
      {{"--gleiche", "ueberspringen", "--ja"}, 3, true, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    fs::remove_all(source_);
    fs::remove_all(target_);
    Jpeg(stamp + ".jpg", "2023:05:01 12:07:32");
    Jpeg(source_ + "a\tb.jpg", "2023:05:01 12:07:32");
    WriteFileAt(source_ + "c.jpg", testkit::JpegWithExifDate("2023:05:01 12:07:32") + "x", 0);
    if (c.undatable)
      WriteFileAt(source_ + "d.png", "d", testkit::LocalSeconds(1975, 1, 1, 0, 0, 0));
    Strings arguments = Folders();
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const auto result = RunVerteilen(arguments);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(Contains(result.err, line + "\n"), c.stays) << result.err;
    EXPECT_EQ(Contains(result.err, "d.png: Datum nicht lesbar"), c.undatable) << result.err;
    EXPECT_EQ(fs::exists(source_ + "a\tb.jpg"), c.stays || !c.planned.empty());
    if (!c.planned.empty()) {
      EXPECT_EQ(Lines(result.out), c.planned);
    }
  }
}

// A log that cannot be written ends the run after the move it failed to
// record, and names that move.
TEST_F(VerteilenTest, ALogThatCannotBeWrittenEndsTheRun) {
  for (const char* name : {"a.png", "b.png"})
    WriteFileAt(source_ + name, name, testkit::LocalSeconds(2023, 5, 1, 12, 0, 0));
  Strings arguments = Folders();
  arguments.insert(arguments.end(), {"--ja", "--protokoll", "/dev/full"});
  const auto result = RunVerteilen(arguments);
  EXPECT_EQ(result.status, 1);
  const std::string moved = target_ + "2023/05/2023-05-01_120000.png";
  EXPECT_TRUE(Contains(result.err, "In /dev/full kann nicht geschrieben werden; nicht "
                                   "protokolliert: " +
                                       source_ + "a.png -> " + moved + "\n"))
      << result.err;
  EXPECT_TRUE(fs::exists(moved));
  EXPECT_EQ(TreeSnapshot(source_), Strings{"b.png 5"});
}

TEST_F(VerteilenTest, AsksOnTheTerminalBeforeItStarts) {
  struct Case {
    std::string typed;
    int status;
    bool moves;
  };
  const Case cases[] = {{"ja\n", 0, true}, {"\n", 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Jpeg(source_ + "IMG_1.JPG", "2023:05:01 12:07:32");
    const auto result = RunVerteilen(Folders(), c.typed);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Contains(result.err, "Insgesamt 1 Dateien gefunden.\n"
                                     "Mit der Arbeit anfangen? [j/N] "))
        << result.err;
    EXPECT_EQ(fs::exists(target_ + "2023/05/2023-05-01_120732.jpg"), c.moves);
    EXPECT_NE(fs::exists(source_ + "IMG_1.JPG"), c.moves);
    EXPECT_FALSE(Contains(result.err, "Ziel-Ordner jetzt öffnen")) << result.err;
    fs::remove_all(target_);
    fs::create_directories(target_);
  }
}

// Written to a log (no terminal), a run reports the first file and every
// tenth of the files, not every file.
TEST_F(VerteilenTest, ProgressInALogIsOneLinePerTenthOfTheFiles) {
  for (int i = 0; i < 60; ++i)
    WriteFileAt(source_ + "bild" + std::to_string(i) + ".png", "x", fileTime_);
  Strings arguments = Folders();
  arguments.push_back("--ja");
  const auto result = RunVerteilen(arguments);
  EXPECT_EQ(result.status, 0) << result.err;
  Strings expected = {"Insgesamt 60 Dateien gefunden.", "Bearbeite Bild: 1 / 60"};
  for (int file = 6; file <= 60; file += 6)
    expected.push_back("Bearbeite Bild: " + std::to_string(file) + " / 60");
  expected.push_back("Fertig!");
  EXPECT_EQ(Lines(result.err), expected);
  EXPECT_EQ(TreeSnapshot(source_), Strings{});
}

// SIGTERM (as Ctrl+C) during a run stops it after the file in hand: every
// logged file has moved, every other file is still in the source.
TEST_F(VerteilenTest, AStoppedRunLogsExactlyTheFilesThatMoved) {
  constexpr int Files = 3000;
  for (int i = 0; i < Files; ++i)
    WriteFileAt(source_ + "bild" + std::to_string(i) + ".png", "x", fileTime_);
  Strings arguments = Folders();
  arguments.insert(arguments.end(), {"--ja", "--protokoll", log_});
  clitest::CommandProcess process(FOTOMAZ_VERTEILEN, arguments);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while ((!fs::exists(log_) || fs::file_size(log_) == 0) &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  kill(process.Pid(), SIGTERM);
  const auto result = process.Wait();
  const Strings logged = Lines(testkit::ReadWholeFile(log_));
  const size_t left = TreeSnapshot(source_).size();
  // The run may have finished before the signal came.
  if (result.status == 1) {
    EXPECT_TRUE(Contains(result.err, "Abgebrochen.")) << result.err;
    EXPECT_GT(left, 0u);
  } else {
    EXPECT_EQ(result.status, 0) << result.err;
  }
  EXPECT_EQ(logged.size() + left, static_cast<size_t>(Files));
  for (const std::string& line : logged) {
    const size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_FALSE(fs::exists(line.substr(0, tab))) << line;
    EXPECT_TRUE(fs::exists(line.substr(tab + 1))) << line;
  }
}

} // namespace
