// Writes the seed corpus of fuzz_run_record into the folder given as argv[1]:
// records as runs write them (a group, a retry, a second target, a created
// folder, files whose paths need escaping), one cut off in its last line as
// a kill leaves it, and one of the first version.

#include "run/run_record.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_run_record FOLDER\n";
    return 2;
  }
  const std::string out = argv[1];
  const std::string work = out + "/../fuzz_run_record_work";
  std::filesystem::remove_all(work);
  RunOptions options;
  options.source = "/karte/DCIM";
  options.target = "/bilder";
  options.backup = "/sicherung";
  std::string written;
  {
    RunRecordWriter record(work, RecordKind::Distribution, options);
    written = record.Path();
    const RecordedFile file{4096, 1682942852, 123456789};
    FileStatus landed;
    landed.regular = true;
    landed.identity = {2049, 77};
    record.TargetFolder("/bilder");
    record.FolderCreated("/bilder/2023/05");
    record.Group(2);
    const IntentTicket leader =
        record.Intent("/karte/DCIM/IMG_0042.JPG", "/bilder/2023/05/2023-05-01_120732.jpg", file);
    const IntentTicket member =
        record.Intent("/karte/DCIM/IMG_0042.CR2", "/bilder/2023/05/2023-05-01_120732.cr2", file);
    record.BackupIntent("/karte/DCIM/IMG_0042.JPG", "/sicherung/2023/05/2023-05-01_120732.jpg",
                        file);
    record.Flush();
    record.Done("/karte/DCIM/IMG_0042.JPG", "/bilder/2023/05/2023-05-01_120732.jpg", file, landed,
                leader);
    record.BackupDone("/karte/DCIM/IMG_0042.JPG", "/sicherung/2023/05/2023-05-01_120732.jpg", file,
                      landed);
    record.Done("/karte/DCIM/IMG_0042.CR2", "/bilder/2023/05/2023-05-01_120732.cr2", file,
                std::nullopt, member);
    // A retry under the next counter, and a name that needs escaping.
    record.Intent("/karte/DCIM/a\tb\\c.jpg", "/bilder/2023/05/2023-05-01_120732.jpg", file);
    record.Intent("/karte/DCIM/a\tb\\c.jpg", "/bilder/2023/05/2023-05-01_120732_[0001].jpg", file);
    record.Flush();
  }
  const std::string whole = testkit::ReadWholeFile(written);
  std::filesystem::remove_all(work);
  testkit::WriteFile(out + "/seed0", whole);
  testkit::WriteFile(out + "/seed1", whole.substr(0, whole.size() - whole.size() / 5));
  testkit::WriteFile(out + "/seed2",
                     "TamrelFotomaz-Aufzeichnung\t1\nart\tverteilung\nprozess\t7\n"
                     "absicht\t/a/x.jpg\t/b/y.jpg\t10\t1.5\nerledigt\t/a/x.jpg\t/b/y.jpg\t10\t1.5\n"
                     "geprueft\n");
  return 0;
}
