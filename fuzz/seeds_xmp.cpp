// Writes the seed corpus of fuzz_xmp into the folder given as argv[1]: XMP
// packets as cameras, editors and scanners write them, and date values.

#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>
#include <vector>

using namespace testkit;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_xmp FOLDER\n";
    return 2;
  }
  const std::string head = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
                           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">";
  const std::string tail = "</rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>";
  const std::vector<std::string> seeds = {
      head +
          "<rdf:Description rdf:about=\"\" xmlns:exif=\"http://ns.adobe.com/exif/1.0/\" "
          "exif:DateTimeOriginal=\"2026-05-01T12:07:32.50+02:00\"/>" +
          tail,
      head +
          "<rdf:Description xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"><xmp:CreateDate>"
          "2026-05-01T12:07Z</xmp:CreateDate></rdf:Description>" +
          tail + std::string(64, ' ') + std::string(8, '\0'),
      head +
          "<rdf:Description xmlns:photoshop=\"http://ns.adobe.com/photoshop/1.0/\" "
          "photoshop:DateCreated=\"2026-05-01\"><photoshop:DateCreated><rdf:Alt/>"
          "</photoshop:DateCreated></rdf:Description>" +
          tail,
      "<!DOCTYPE x [<!ENTITY a \"2026-05-01\">]><x xmlns:p=\"http://ns.adobe.com/photoshop/1.0/\" "
      "p:DateCreated=\"&a;\"/>",
      "2026-05-01T12:07:32-0530",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
