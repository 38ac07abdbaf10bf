// fotomaz-bench-gui: the run as the main window makes it, against the run
// core alone, on identical synthetic trees. The real main window and options
// dialog take part, offscreen unless Qt is given a platform (for example
// "-platform xcb" under xvfb-run), with a scripted modal that says yes to
// the start and no to opening the target folder. Both runs must leave the
// same files under the target. The pair is timed K times in turn and the
// best time of each counts, as other work on the machine only ever slows a
// run down.
//
//   fotomaz-bench-gui [N] [--repeat K] [-platform NAME]

#include "app/core/distribution_run.h"
#include "platform/user_folders.h"
#include "app/core/run_options.h"
#include "app/main_window.h"
#include "bench/bench_tree.h"
#include "platform/modal.h"
#include "settings/options_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// How long the window may take to appear before the benchmark gives up.
constexpr int kExposeTimeoutMs = 10000;

// Yes to the first question (the start), no to every later one; any box
// that reports a problem fails the benchmark.
class ScriptedModal final : public Modal {
public:
  std::string problem;

  void Information(const std::string& text) override { Note(text); }
  void Error(const std::string& text) override { Note(text); }
  void Warning(const std::string& text) override { Note(text); }
  bool Confirm(const std::string&) override { return questions_++ == 0; }
  void Message(const std::string& text) override { Note(text); }
  bool AskYesNo(const std::string&) override { return false; }
  void Report(const RunReport& report) override { Note(report.summary); }
  std::optional<std::string> BrowseFolder(const std::string&) override { return std::nullopt; }
  FolderOpening OpenFolder(const std::string&) override { return FolderOpening::Failed; }
  void ApplicationError(const std::string& message) override { Note(message); }

  void StartOver() { questions_ = 0; }

private:
  void Note(const std::string& text) {
    if (problem.empty()) problem = text;
  }
  int questions_ = 0;
};

struct Options {
  size_t files = 20000;
  int repeats = 3;
};

[[noreturn]] void Usage() {
  std::fprintf(stderr, "usage: fotomaz-bench-gui [N] [--repeat K] [-platform NAME]\n");
  std::exit(2);
}

// What is left of the command line once Qt has taken its own arguments.
Options ParseOptions(int argc, char** argv) {
  const auto number = [](const char* text) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (!text[0] || *end || value <= 0 || value > 10'000'000) Usage();
    return value;
  };
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--repeat" && i + 1 < argc)
      options.repeats = static_cast<int>(number(argv[++i]));
    else
      options.files = static_cast<size_t>(number(argv[i]));
  }
  return options;
}

void WaitUntilExposed(QWidget& window) {
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
    if (waited.elapsed() > kExposeTimeoutMs) throw std::runtime_error("the window did not appear");
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  QCoreApplication::processEvents();
}

void PrintTiming(const char* name, const Timing& timing, size_t files) {
  std::printf("%-16s %.3f s  %.0f files/s\n", name, timing.seconds,
              static_cast<double>(files) / timing.seconds);
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv); // takes Qt's own arguments out of argv
  const Options benchOptions = ParseOptions(argc, argv);
  const TreeShape shape{benchOptions.files, 0};
  ScriptedModal modal;
  SetModal(&modal);
  const std::string scratch = MakeScratchFolder();
  RecordRunsIn(scratch);
  int status = 0;
  try {
    // The window reads its options from the settings file as at a start;
    // the core run gets the same options read from the same file.
    const std::string settings = scratch + "/TamrelFotomaz.ini";
    std::ofstream(settings) << "[optionenf]\nquellee=" << scratch << "/quelle/\nziele=" << scratch
                            << "/ziel/\n";
    const RunOptions options = ReadRunOptions(settings);
    MainWindow form(settings);
    auto* dialog = new OptionsDialog(settings, form.Mirrors(), &form);
    form.SetOptions(dialog);
    form.show();
    WaitUntilExposed(form);
    auto* distribute = form.findChild<QPushButton*>("okb");
    if (!distribute) throw std::runtime_error("no button \"Bilder verteilen\"");

    std::optional<Timing> run, window;
    bool same = true;
    for (int i = 0; i < benchOptions.repeats; ++i) {
      const Timing core =
          TimeOnFreshTree(scratch, shape, [&](const std::string&, const std::string&) {
            // Recorded as the window's run and fotomaz-verteilen's are.
            HeadlessFrontEnd frontEnd(options);
            DistributionRun run(frontEnd);
            run.RecordInto(RunRecordFolder());
            run.DistributeFiles();
          });
      const Timing windowed =
          TimeOnFreshTree(scratch, shape, [&](const std::string&, const std::string&) {
            modal.StartOver();
            distribute->click();
          });
      same = same && core.left == 0 && windowed.left == 0 && core.targets == windowed.targets;
      if (!run || core.seconds < run->seconds) run = core;
      if (!window || windowed.seconds < window->seconds) window = windowed;
    }

    std::printf("files            %zu\n", shape.files);
    std::printf("platform         %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("best of          %d\n", benchOptions.repeats);
    PrintTiming("run", *run, shape.files);
    PrintTiming("window", *window, shape.files);
    if (!modal.problem.empty()) {
      std::printf("window said      %s\n", modal.problem.c_str());
      status = 1;
    } else if (!same) {
      std::printf("results differ   not moved: run %zu, window %zu\n", run->left, window->left);
      status = 1;
    }
    std::printf("window/run       %.2f\n", window->seconds / run->seconds);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fotomaz-bench-gui: %s\n", e.what());
    status = 1;
  }
  SetModal(nullptr);
  std::filesystem::remove_all(scratch);
  return status;
}
