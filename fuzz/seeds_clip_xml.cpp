// Writes the seed corpus of fuzz_clip_xml into the folder given as argv[1]:
// the XML files cameras write beside their clips.

#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_clip_xml FOLDER\n";
    return 2;
  }
  const std::vector<std::string> seeds = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<NonRealTimeMeta "
      "xmlns=\"urn:schemas-professionalDisc:nonRealTimeMeta:ver.2.00\" lastUpdate=\"2026-05-01T12:"
      "08:00+02:00\">\n<TargetMaterial umidRef=\"060A2B340101010501010D43130000\"/>\n<Duration "
      "value=\"250\"/>\n<LtcChangeTable tcFps=\"25\"><LtcChange frameCount=\"0\" "
      "value=\"00000000\" status=\"increment\"/></LtcChangeTable>\n<CreationDate "
      "value=\"2026-05-01T12:07:32+02:00\"/>\n<Device manufacturer=\"X\" modelName=\"Y\"/>\n"
      "</NonRealTimeMeta>\n",
      "<m><CreationDate value=\"2026-05-01T10:07:32Z\"/></m>",
      "<m><CreationDate/><CreationDate value=\"2026-05-01\"/></m>",
      "<!DOCTYPE m [<!ENTITY d \"2026-05-01T12:07:32-0530\">]><m><CreationDate value=\"&d;\"/></m>",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    testkit::WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
