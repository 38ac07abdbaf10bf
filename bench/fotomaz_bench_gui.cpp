// fotomaz-bench-gui: the run as the main window makes it, against the run
// core alone, on identical synthetic trees. The real main window and options
// dialog take part, offscreen unless Qt is given a platform (for example
// "-platform xcb" under xvfb-run), with a scripted modal that says yes to
// the start and no to opening the target folder. Both runs must leave the
// same files under the target. The pair is timed K times in turn and the
// best time of each counts, as other work on the machine only ever slows a
// run down. It also prints the window's longest step during its first run:
// the longest time it did not handle its events.
//
// With --preview it times instead the preview from the menu until its table
// is painted, against fotomaz-verteilen --probelauf (output to /dev/null) on
// the same tree, whose JPEGs carry thumbnails; then it scrolls the preview
// through 1,000 rows, three at a time as a mouse wheel does, and prints the
// longest event handling of a step (the pictures load as rows come into view).
//
//   fotomaz-bench-gui [N] [--repeat K] [--preview] [-platform NAME]

#include "bench/bench_tree.h"
#include "platform/modal.h"
#include "platform/user_folders.h"
#include "run/distribution_run.h"
#include "run/run_options.h"
#include "settings/options_dialog.h"
#include "window/main_window.h"
#include "window/preview_dialog.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
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
  bool preview = false;
};

[[noreturn]] void Usage() {
  std::fprintf(stderr, "usage: fotomaz-bench-gui [N] [--repeat K] [--preview] [-platform NAME]\n");
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
    else if (std::string(argv[i]) == "--preview")
      options.preview = true;
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

// Rows scrolled, and rows per step (a mouse wheel's notch).
constexpr int kScrolledRows = 1000;
constexpr int kRowsPerStep = 3;

// A camera's thumbnail: 160 x 120, some 5 KB of JPEG.
std::string CameraThumbnail() {
  QImage image(160, 120, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb(x, y * 2, (x * y) % 256));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 80);
  return bytes.toStdString();
}

struct PreviewTiming {
  double openSeconds = 0;
  double longestStep = 0; // seconds
};

// Opens the preview from the menu; the time until its table has been painted
// once. With scroll, the preview is then scrolled and each step timed.
PreviewTiming TimePreview(MainWindow& form, bool scroll) {
  PreviewTiming timing;
  QElapsedTimer clock;
  QTimer watch;
  watch.setInterval(1);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    watch.stop();
    auto* table = dialog->findChild<QTableView*>("vorschaulv");
    WaitUntilExposed(*dialog);
    table->viewport()->repaint();
    timing.openSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (scroll) {
      QScrollBar* bar = table->verticalScrollBar();
      const int step = table->verticalHeader()->defaultSectionSize() * kRowsPerStep;
      for (int row = 0; row < kScrolledRows; row += kRowsPerStep) {
        const auto start = std::chrono::steady_clock::now();
        bar->setValue(bar->value() + step);
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        timing.longestStep = std::max(timing.longestStep, took.count());
      }
    }
    dialog->reject();
  });
  watch.start();
  clock.start();
  form.findChild<QAction*>("Vorschau1")->trigger();
  return timing;
}

// The preview against the headless dry run, on one tree (neither changes it).
int BenchPreview(MainWindow& form, const std::string& scratch, const std::string& settings,
                 const Options& benchOptions) {
  namespace fs = std::filesystem;
  const std::string source = scratch + "/quelle", target = scratch + "/ziel";
  fs::create_directories(source);
  fs::create_directories(target);
  TreeShape shape{benchOptions.files, 0};
  shape.thumbnail = CameraThumbnail();
  BuildSyntheticTree(source, shape);
  const std::vector<std::string> dryRun = {FOTOMAZ_VERTEILEN, "--einstellungen", settings,
                                           "--probelauf"};
  RunQuietly(dryRun); // both start with the tree in the cache
  std::optional<double> headless, preview;
  double longestStep = 0;
  for (int i = 0; i < benchOptions.repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    RunQuietly(dryRun);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const PreviewTiming timing = TimePreview(form, i == 0);
    if (i == 0) longestStep = timing.longestStep;
    if (!headless || took.count() < *headless) headless = took.count();
    if (!preview || timing.openSeconds < *preview) preview = timing.openSeconds;
  }
  std::printf("files            %zu\n", shape.files);
  std::printf("platform         %s\n", qPrintable(QGuiApplication::platformName()));
  std::printf("best of          %d\n", benchOptions.repeats);
  std::printf("dry run          %.3f s\n", *headless);
  std::printf("preview          %.3f s\n", *preview);
  std::printf("preview/dry run  %.2f\n", *preview / *headless);
  std::printf("longest step     %.1f ms (%d rows, %d at a time)\n", longestStep * 1000,
              kScrolledRows, kRowsPerStep);
  return FilesBelow(target).empty() ? 0 : 1;
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
    if (benchOptions.preview) {
      status = BenchPreview(form, scratch, settings, benchOptions);
      if (!modal.problem.empty()) {
        std::printf("window said      %s\n", modal.problem.c_str());
        status = 1;
      }
      SetModal(nullptr);
      std::filesystem::remove_all(scratch);
      return status;
    }
    auto* distribute = form.findChild<QPushButton*>("okb");
    if (!distribute) throw std::runtime_error("no button \"Bilder verteilen\"");

    std::optional<Timing> run, window;
    double longestStep = 0; // seconds, in the first window's run
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
      // The window's longest step: the longest time between two handlings of
      // its events, seen by a timer due at every one.
      QTimer beat;
      beat.setInterval(0);
      std::chrono::steady_clock::time_point lastBeat;
      QObject::connect(&beat, &QTimer::timeout, [&] {
        const auto now = std::chrono::steady_clock::now();
        const std::chrono::duration<double> gap = now - lastBeat;
        if (i == 0) longestStep = std::max(longestStep, gap.count());
        lastBeat = now;
      });
      const Timing windowed =
          TimeOnFreshTree(scratch, shape, [&](const std::string&, const std::string&) {
            modal.StartOver();
            lastBeat = std::chrono::steady_clock::now();
            beat.start();
            distribute->click();
            beat.stop();
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
    std::printf("longest step     %.1f ms (the window's, during its first run)\n",
                longestStep * 1000);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fotomaz-bench-gui: %s\n", e.what());
    status = 1;
  }
  SetModal(nullptr);
  std::filesystem::remove_all(scratch);
  return status;
}
