#include "metadata/clip_xml_date.h"

#include "metadata/xmp_date.h"

#include <expat.h>

#include <climits>
#include <memory>
#include <string>

namespace {

constexpr char kNamespaceSeparator = ' ';
// A date value is "yyyy-mm-ddThh:mm:ss+hh:mm"; more is kept up to this.
constexpr size_t kMaxValueBytes = 64;

// The local name of a name expat hands over as "namespace local".
std::string_view LocalName(const XML_Char* name) {
  const std::string_view whole(name);
  const size_t separator = whole.rfind(kNamespaceSeparator);
  return separator == std::string_view::npos ? whole : whole.substr(separator + 1);
}

struct Found {
  std::optional<std::string> value;
  XML_Parser parser = nullptr;
};

void XMLCALL StartElement(void* data, const XML_Char* name, const XML_Char** attributes) {
  Found& found = *static_cast<Found*>(data);
  if (LocalName(name) != "CreationDate") return;
  for (const XML_Char** at = attributes; at[0] && at[1]; at += 2) {
    if (LocalName(at[0]) != "value") continue;
    found.value = std::string(std::string_view(at[1]).substr(0, kMaxValueBytes));
    // The first one decides; the rest of the file need not be parsed.
    XML_StopParser(found.parser, XML_FALSE);
    return;
  }
}

struct ParserFree {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

} // namespace

std::optional<StatedDate> ReadClipXmlDate(std::string_view bytes) {
  if (bytes.size() > kMaxClipXmlBytes) return std::nullopt;
  static_assert(kMaxClipXmlBytes <= static_cast<size_t>(INT_MAX));
  const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
      XML_ParserCreateNS(nullptr, kNamespaceSeparator));
  if (!parser) return std::nullopt;
  Found found;
  found.parser = parser.get();
  XML_SetUserData(parser.get(), &found);
  XML_SetStartElementHandler(parser.get(), StartElement);
  const XML_Status status =
      XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_TRUE);
  // Stopped at the value, the part before it was well-formed.
  if (!found.value ||
      (status != XML_STATUS_OK && XML_GetErrorCode(parser.get()) != XML_ERROR_ABORTED))
    return std::nullopt;
  return ParseXmpDateText(*found.value);
}
